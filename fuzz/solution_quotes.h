// Whether the worked solution quotes every number exactly as the run's log and grid show it.
#pragma once

#include <cstdint>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "engine/document/document_plain_text.h"
#include "engine/number_format.h"
#include "engine/recorded_view.h"
#include "engine/run_result.h"
#include "engine/solution.h"
#include "engine/texts.h"

namespace fuzz {

// Compares the numbers the solution gives for h, x_min, x_max, k, x̄, s, k′, the degrees of
// freedom, χ²_набл, χ²_кр, the estimates and the interval bounds with the texts of the same
// values in `view`, and checks that a number the log shows is quoted at all. Returns one line
// per mismatch; empty when everything agrees.
class SolutionQuotes {
 public:
  SolutionQuotes(const engine::RecordedView& view, const engine::RunResult& result, char separator)
      : view_(view),
        result_(result),
        paragraphs_(engine::plainParagraphs(engine::buildSolution(result, separator))) {}

  std::vector<std::string> problems() {
    checkData();
    checkMoments();
    checkGroups();
    checkVerdict();
    checkIntervals();
    return problems_;
  }

  const std::vector<std::string>& paragraphs() const { return paragraphs_; }

 private:
  // Grid columns of the summary row's x̄, s and χ²_набл.
  static constexpr int32_t kMeanColumn = 3;
  static constexpr int32_t kDeviationColumn = 6;
  static constexpr int32_t kStatisticColumn = 10;
  static constexpr const char* kNumber = "(-?INF|NAN|-?[0-9]+(?:[.,][0-9]+)?(?:E-?[0-9]+)?)";

  // The pattern with every "#" standing for a number, compiled once per shape.
  static const std::regex& pattern(const std::string& shape) {
    static std::map<std::string, std::regex> compiled;
    const auto known = compiled.find(shape);
    if (known != compiled.end()) return known->second;
    std::string expanded;
    for (const char c : shape) {
      if (c == '#')
        expanded += kNumber;
      else
        expanded += c;
    }
    return compiled.emplace(shape, std::regex(expanded)).first->second;
  }

  // The first paragraph matching `shape`; false when there is none.
  bool find(const std::string& shape, std::smatch& match) const {
    const std::regex& re = pattern(shape);
    for (const std::string& paragraph : paragraphs_)
      if (std::regex_search(paragraph, match, re)) return true;
    return false;
  }

  // The rest of the log line that starts with `prefix`; false when there is none.
  bool logTail(const char* prefix, std::string& tail) const {
    const std::string start(prefix);
    for (const std::string& line : view_.log()) {
      if (line.compare(0, start.size(), start) == 0) {
        tail = line.substr(start.size());
        return true;
      }
    }
    return false;
  }

  bool logMatch(const std::string& shape, std::smatch& match) const {
    const std::regex& re = pattern(shape);
    for (const std::string& line : view_.log())
      if (std::regex_search(line, match, re)) return true;
    return false;
  }

  void same(const std::string& what, const std::string& quoted, const std::string& shown) {
    if (quoted != shown)
      problems_.push_back(what + ": solution «" + quoted + "», shown «" + shown + "»");
  }

  void missing(const std::string& what) { problems_.push_back(what + ": not in the solution"); }

  // The first paragraph of the `shape` quotes `shown` as its match `group`; without such a
  // paragraph, `sentence` is missing.
  void quotesOne(const std::string& shape, size_t group, const std::string& what,
                 const std::string& shown, const std::string& sentence) {
    std::smatch m;
    if (find(shape, m)) {
      same(what, m[group], shown);
    } else {
      missing(sentence);
    }
  }

  int32_t k() const { return view_.gridRowCount() - 2; }
  const std::string& summary(int32_t column) const { return view_.cell(column, k() + 1); }

  void checkData() {
    std::string h, xmin, xmax, count;
    if (logTail(engine::text::kIntervalLength, h) && logTail(engine::text::kMinimum, xmin) &&
        logTail(engine::text::kMaximum, xmax)) {
      std::smatch m;
      if (find("^Длина интервала h = #; [^:]*: x_min = #, x_max = #\\.$", m)) {
        same("h", m[1], h);
        same("x_min", m[2], xmin);
        same("x_max", m[3], xmax);
      } else {
        missing("h, x_min, x_max");
      }
    }
    if (logTail(engine::text::kIntervalCount, count)) {
      std::smatch m;
      if (find("^Число интервалов k = .*⌊\\(# − #\\) / #⌋.* = ([0-9]+)\\.$", m)) {
        same("x_max in k", m[1], xmax);
        same("x_min in k", m[2], xmin);
        same("h in k", m[3], h);
        same("k", m[4], count);
      } else {
        missing("k");
      }
    }
  }

  void checkMoments() {
    if (result_.tableColumns == 0) return;
    std::smatch m;
    if (find("^x̄ = Σn_i x_i / n = # / ([0-9]+) = # \\(", m)) {
      same("x̄", m[3], summary(kMeanColumn));
      if (result_.n) same("n in x̄", m[2], engine::formatInteger(*result_.n));
    } else {
      missing("x̄");
    }
    quotesOne("^Исправленное .* = √\\(# / (-?[0-9]+)\\) = #[ :]", 3, "s", summary(kDeviationColumn),
              "s");
  }

  // k′ as the log gives it: the new count, the count of too few groups, or k when none merged.
  bool loggedGroups(std::string& groups) const {
    std::smatch m;
    if (logTail(engine::text::kNewIntervalCount, groups)) return true;
    if (logMatch(std::string("^") + engine::text::kTooFewPrefix + "([0-9]+) ", m)) {
      groups = m[1];
      return true;
    }
    if (!result_.groups) return false;
    return logTail(engine::text::kIntervalCount, groups);
  }

  void checkGroups() {
    std::string groups;
    if (!result_.groups || !loggedGroups(groups)) return;
    std::smatch m;
    if (find("k′ = k = ([0-9]+)\\.$", m) ||
        find("^Число групп после объединения k′ = ([0-9]+) \\(было", m) ||
        find("^Число групп после объединения k′ = ([0-9]+):", m)) {
      same("k′", m[1], groups);
    } else {
      missing("k′");
    }
    if (find("^Число степеней свободы k′ − 3 = ([0-9]+) − 3 = (-?[0-9]+):", m)) {
      same("k′ in the degrees of freedom", m[1], groups);
      same("degrees of freedom", m[2], engine::formatInteger(std::stoll(groups) - 3));
    } else {
      missing("degrees of freedom");
    }
    quotesOne("^Наблюдаемое значение критерия: .* = # \\(столбец 11", 1, "χ²_набл in the grid",
              summary(kStatisticColumn), "χ²_набл");
  }

  void checkVerdict() {
    std::smatch verdict;
    if (!logMatch("^Xb = # (меньше|больше) чем Xk\\(([0-9]+)-3\\)= #\\.", verdict)) return;
    const std::string groups = verdict[3];
    std::smatch m;
    if (find("^Сравнение: χ²_набл = # (<|≥) χ²_кр = #\\.$", m)) {
      same("χ²_набл", m[1], verdict[1]);
      same("χ²_кр", m[3], verdict[4]);
      same("comparison", m[2], verdict[2] == "меньше" ? "<" : "≥");
    } else {
      missing("comparison");
    }
    std::smatch level;
    const std::string alpha =
        logMatch("^Уровень значимости α = ([0-9.]+)$", level) ? level.str(1) : "0.05";
    if (find("для уровня значимости α = ([0-9.]+) и ", m)) same("α", m[1], alpha);
    if (find("χ²_кр\\([^;]+; (-?[0-9]+)\\) = #\\.$", m)) {
      same("degrees of freedom of χ²_кр", m[1], engine::formatInteger(std::stoll(groups) - 3));
      same("χ²_кр in the table", m[2], verdict[4]);
    } else {
      missing("χ²_кр");
    }
  }

  // Where the log has a line of the `logged` shape, the solution has a sentence of the `quoted`
  // shape that quotes the line's two numbers, `first` and `second`; false when the log has no
  // such line.
  bool quotesTwo(const std::string& logged, const std::string& quoted, const char* first,
                 const char* second, const char* sentence) {
    std::smatch line, m;
    if (!logMatch(logged, line)) return false;
    if (find(quoted, m)) {
      same(first, m[1], line[1]);
      same(second, m[2], line[2]);
    } else {
      missing(sentence);
    }
    return true;
  }

  void checkIntervals() {
    std::smatch m;
    if (!quotesTwo("^m=px=#   b=S=#$", "^Точечные оценки: .*m ≈ x̄ = #, .* b ≈ s = #\\.$",
                   "estimate of m", "estimate of b", "estimates") &&
        find("^Точечные оценки: ", m))
      problems_.push_back("estimates without the log's");
    quotesTwo("^Доверительные интервалы для надёжности = ([0-9.]+) и при n=([0-9]+) имеют вид:$",
              "с надёжностью γ = ([0-9.]+): .* и N = ([0-9]+)\\.$", "γ", "N", "γ and N");
    quotesTwo("^# < m < #$", "откуда # < m < #\\.$", "lower bound of m", "upper bound of m",
              "interval of m");
    quotesTwo("^# < b < #$", "то есть # < b < #\\.$", "lower bound of b", "upper bound of b",
              "interval of b");
  }

  const engine::RecordedView& view_;
  const engine::RunResult& result_;
  std::vector<std::string> paragraphs_;
  std::vector<std::string> problems_;
};

}  // namespace fuzz
