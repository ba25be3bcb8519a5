// The shared pieces of the tests of tarnek-cli's "result" object.
#include "tests/cli/run_result_fixture.h"

#include <QJsonDocument>
#include <random>
#include <sstream>

#include "cli/batch_run.h"
#include "engine/number_format.h"
#include "engine/texts.h"

namespace cli::testing {

std::string fiveDigits(double value) { return engine::formatGeneral(value, 5, 2, '.'); }
std::string fourDigits(double value) { return engine::formatGeneral(value, 4, 2, '.'); }
std::string text(const QJsonValue& value) { return value.toString().toStdString(); }
bool startsWith(const std::string& s, const std::string& start) {
  return s.compare(0, start.size(), start) == 0;
}
bool endsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

std::string outcomeOfLastLine(const std::string& line) {
  namespace t = engine::text;
  if (line == t::kFileNotOpened) return "open_failed";
  if (line == t::kNoData) return "no_data";
  if (line == t::kBadIntervalLength || line == t::kBadRangeBounds || line == t::kBadRangeOrder)
    return "bad_parameters";
  if (line == t::kTooManyIntervals) return "too_many_intervals";
  if (line == t::kDegenerateSpread) return "no_spread";
  if (endsWith(line, t::kTooFewSuffix)) return "too_few_groups";
  if (endsWith(line, t::kRejected)) return "rejected";
  if (line.find(t::kDeviationInterval) != std::string::npos) return "accepted";
  return "unknown: " + line;
}

std::string logLine(const QJsonArray& log, const std::string& prefix) {
  for (const QJsonValue& line : log)
    if (startsWith(text(line), prefix)) return text(line);
  return {};
}

std::vector<std::string> variedSamples() {
  std::vector<std::string> samples;
  std::mt19937 random(20240613);
  auto sample = [&](const std::string& h, int count, auto draw) {
    std::string text = h + "\n";
    for (int i = 0; i < count; ++i) text += std::to_string(draw()) + (i % 10 == 9 ? "\n" : " ");
    samples.push_back(text);
  };
  for (int count : {200, 100, 60, 30, 12, 6}) {
    std::normal_distribution<double> normal(50.0, 4.0);
    for (const char* h : {"1", "2.5", "4"}) sample(h, count, [&] { return normal(random); });
  }
  std::uniform_real_distribution<double> uniform(0.0, 30.0);
  for (const char* h : {"1.5", "3"}) sample(h, 200, [&] { return uniform(random); });
  std::exponential_distribution<double> exponential(0.5);
  sample("0.5", 200, [&] { return exponential(random); });
  sample("1", 50, [] { return 7.0; });                  // no spread
  sample("1", 1, [] { return 3.0; });                   // one value
  sample("0.01", 40, [&] { return uniform(random); });  // too many intervals
  sample("0", 40, [&] { return uniform(random); });     // bad interval length
  sample("1", 0, [] { return 0.0; });                   // no data
  samples.push_back("1\n1 2 3 4 5 6 7 8 9 x 10 11\n");  // reading stops early
  std::normal_distribution<double> normal(50.0, 4.0);
  sample("2", 350, [&] { return normal(random); });  // more values than are read
  samples.push_back("2\n" + std::string(100, '5') + " 1e30 -1e30 4 5\n");
  return samples;
}

std::vector<QJsonObject> RunResultTest::runJson(const std::vector<std::string>& files,
                                                CliOptions options) {
  options.tablePath = (dir_.path() / "exttable.txt").string();
  options.json = true;
  options.files = files;
  std::ostringstream out, err;
  runBatch(options, '.', out, err);
  std::vector<QJsonObject> objects;
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
    objects.push_back(document.object());
  }
  return objects;
}

}  // namespace cli::testing
