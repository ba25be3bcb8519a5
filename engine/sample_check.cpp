// Looking at a sample file for signs that it is not in the program's format.
#include "engine/sample_check.h"

#include <algorithm>
#include <optional>

#include "engine/analysis_state.h"
#include "engine/data_lines.h"
#include "engine/data_text.h"
#include "engine/sturges_rule.h"
#include "engine/utf8_text.h"

namespace engine {

namespace {

using Kind = SampleFinding::Kind;

std::string evidence(std::string_view text) {
  constexpr size_t kCharacters = 40;
  std::string shown;
  size_t characters = 0;
  for (size_t pos = 0; pos < text.size(); ++characters) {
    if (characters == kCharacters) {
      shown += "…";
      break;
    }
    const Utf8Step step = nextUtf8(text, pos);
    shown += step.valid ? std::string(text.substr(pos, step.length)) : "\xEF\xBF\xBD";
    pos += step.length;
  }
  return shown;
}

class Findings {
 public:
  void add(Kind kind, int32_t line, std::string_view text) {
    if (std::any_of(found_.begin(), found_.end(),
                    [&](const SampleFinding& f) { return f.kind == kind; }))
      return;
    found_.push_back({kind, line, evidence(text)});
  }
  std::vector<SampleFinding> sorted() {
    std::stable_sort(
        found_.begin(), found_.end(),
        [](const SampleFinding& a, const SampleFinding& b) { return a.kind < b.kind; });
    return std::move(found_);
  }

 private:
  std::vector<SampleFinding> found_;
};

// Whether at least three lines of two fields or more start with 1, 2, 3, … (or 0, 1, 2, …).
bool firstFieldCounts(const std::vector<const DataLine*>& lines) {
  if (lines.size() < 3) return false;
  const bool twoFields = std::all_of(lines.begin(), lines.end(),
                                     [](const DataLine* line) { return line->cells.size() >= 2; });
  return twoFields && countsFromZeroOrOne(lines, 0);
}

// The first number taken as h makes one or two intervals of values it lies
// among, or is no length at all: the values start on the first line.
void checkFirstNumber(const std::vector<const DataLine*>& data, Findings& findings) {
  std::vector<float> values;
  const DataCell* first = nullptr;
  int32_t firstLine = 0;
  for (const DataLine* line : data)
    for (const DataCell& cell : line->cells) {
      if (!cell.isNumber()) continue;
      if (!first) {
        first = &cell;
        firstLine = line->line;
      } else {
        values.push_back(cell.number.value);
      }
      if (values.size() == static_cast<size_t>(kMaxSampleCount)) break;
    }
  if (!first || values.empty()) return;
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  const float h = first->number.value;
  const double range = static_cast<double>(*high) - *low;
  const bool among = h >= *low - range && h <= *high + range;
  if (among && (h <= 0.0f || intervalCount(*low, *high, h) <= 2))
    findings.add(Kind::FirstLooksLikeValue, firstLine, first->text);
}

}  // namespace

std::vector<SampleFinding> checkSampleFile(std::string_view bytes) {
  Findings findings;
  const DecodedText decoded = decodeDataText(bytes);
  if (decoded.encoding == TextEncoding::Utf16Le || decoded.encoding == TextEncoding::Utf16Be)
    findings.add(Kind::Utf16Text, 1, "UTF-16");

  DataReadOptions options;
  const FieldRules rules = fieldRules(decoded.text, options);
  const std::vector<DataLine> lines = splitLines(decoded.text, rules);
  std::vector<const DataLine*> data;
  int64_t numbers = 0;
  for (const DataLine& line : lines) {
    if (!line.hasNumber()) {
      findings.add(Kind::HeaderLine, line.line, line.text);
      continue;
    }
    data.push_back(&line);
    if (line.separated) findings.add(Kind::SeveralColumns, line.line, line.text);
    for (const DataCell& cell : line.cells) {
      if (!cell.isNumber()) continue;
      ++numbers;
      if (cell.number.separator == ',' && !rules.commaSeparates)
        findings.add(Kind::DecimalComma, line.line, cell.text);
    }
  }
  if (firstFieldCounts(data))
    findings.add(Kind::SeveralColumns, data.front()->line, data.front()->text);
  checkFirstNumber(data, findings);
  if (numbers > kMaxSampleCount + 1) {
    // The line of the 202nd number: the first one the analysis leaves out.
    int64_t seen = 0;
    for (const DataLine* line : data) {
      for (const DataCell& cell : line->cells)
        if (cell.isNumber() && ++seen == kMaxSampleCount + 2) {
          findings.add(Kind::MoreThan200Values, line->line, cell.text);
          break;
        }
      if (seen >= kMaxSampleCount + 2) break;
    }
  }
  return findings.sorted();
}

std::string sampleFindingText(const SampleFinding& finding) {
  const std::string where = "Строка " + std::to_string(finding.line) + ": ";
  switch (finding.kind) {
    case Kind::FirstLooksLikeValue:
      return where + "первое число «" + finding.text +
             "» похоже на измерение, а не на длину интервала: в первой строке файла должна "
             "стоять длина интервала";
    case Kind::HeaderLine:
      return where + "строка без чисел «" + finding.text + "»: чтение на ней останавливается";
    case Kind::SeveralColumns:
      return where + "в файле несколько столбцов («" + finding.text +
             "»): программа читает все числа подряд";
    case Kind::DecimalComma:
      return where + "число «" + finding.text +
             "» записано с десятичной запятой: программа читает только точку";
    case Kind::Utf16Text:
      return "Файл в кодировке UTF-16: программа читает только UTF-8";
    case Kind::MoreThan200Values:
      return where + "значений больше 200, «" + finding.text + "» и дальше не обрабатываются";
  }
  return {};
}

}  // namespace engine
