// The "result" object agrees with the log and the grid it comes with.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <set>
#include <sstream>

#include "cli/batch_run.h"
#include "engine/number_format.h"
#include "engine/texts.h"
#include "tests/cli/run_result_fixture.h"

namespace cli::testing {
namespace {

TEST_F(RunResultTest, ShippedSampleGivesTheKnownNumbers) {
  const std::vector<QJsonObject> objects = runJson({(dir_.path() / "Input.txt").string()});
  ASSERT_EQ(objects.size(), 1u);
  const QJsonObject result = objects[0]["result"].toObject();
  EXPECT_EQ(text(result["outcome"]), "accepted");
  EXPECT_EQ(result["n"].toInt(), 100);
  EXPECT_EQ(result["intervals"].toInt(), 9);
  EXPECT_EQ(result["groups"].toInt(), 7);
  EXPECT_EQ(result["df"].toInt(), 4);
  EXPECT_EQ(static_cast<float>(result["statistic"].toDouble()), 2.312088f);
  EXPECT_EQ(static_cast<float>(result["critical"].toDouble()), 9.488f);
  // R: pchisq(2.312088, 4, lower.tail = FALSE); for 4 degrees of freedom also e^(-x/2)(1 + x/2).
  const double reference = 0.678569116;
  EXPECT_NEAR(result["p_value"].toDouble(), reference, 1e-6 * reference);
  EXPECT_TRUE(result["stopped_at"].isNull());
  EXPECT_EQ(result["table"].toArray().size(), 9);
}

TEST_F(RunResultTest, StoredFloatsAreWrittenInTheirShortestForm) {
  std::ostringstream out, err;
  CliOptions options;
  options.tablePath = (dir_.path() / "exttable.txt").string();
  options.json = true;
  options.files = {(dir_.path() / "Input.txt").string()};
  runBatch(options, '.', out, err);
  EXPECT_NE(out.str().find("\"statistic\":2.312088,\"critical\":9.488,"), std::string::npos)
      << out.str();
  EXPECT_EQ(out.str().find("2.3120880"), std::string::npos);
}

TEST_F(RunResultTest, ResultAgreesWithTheLogAndTheGridOfTheSameObject) {
  std::vector<std::string> files;
  const std::vector<std::string> samples = variedSamples();
  for (size_t i = 0; i < samples.size(); ++i)
    files.push_back(dir_.write("sample" + std::to_string(i) + ".txt", samples[i]));
  files.push_back((dir_.path() / "missing.txt").string());
  std::vector<QJsonObject> objects = runJson(files);
  CliOptions overrides;
  overrides.intervalLength = 0.7f;
  for (const QJsonObject& object : runJson(files, overrides)) objects.push_back(object);
  ASSERT_EQ(objects.size(), 2 * files.size());

  std::set<std::string> outcomes;
  int stops = 0;
  int truncations = 0;
  for (const QJsonObject& object : objects) {
    SCOPED_TRACE(text(object["file"]));
    const QJsonArray log = object["log"].toArray();
    const QJsonArray grid = object["grid"].toArray();
    const QJsonObject result = object["result"].toObject();
    const std::string outcome = text(result["outcome"]);
    outcomes.insert(outcome);
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(outcome, outcomeOfLastLine(text(log.last())));

    const auto number = [&](const char* key) { return result[key].toDouble(); };
    const auto stored = [&](const char* key) { return static_cast<float>(number(key)); };
    if (outcome == "open_failed") {
      for (const char* key : {"n", "h", "intervals", "mean", "statistic", "table"})
        EXPECT_TRUE(result[key].isNull()) << key;
      continue;
    }
    // Where reading stopped, as the log's stop line says it, or null without one.
    const std::string stopLine = logLine(log, engine::text::kReadStoppedPrefix);
    if (stopLine.empty()) {
      EXPECT_TRUE(result["stopped_at"].isNull());
    } else {
      const QJsonObject stop = result["stopped_at"].toObject();
      ++stops;
      EXPECT_EQ(stopLine, engine::text::kReadStoppedPrefix + std::to_string(stop["line"].toInt()) +
                              engine::text::kReadStoppedMiddle + text(stop["text"]) +
                              engine::text::kReadStoppedSuffix);
    }
    // More values in the file than were read, as the log's line after the count says it.
    EXPECT_TRUE(result["truncated"].isBool());
    EXPECT_EQ(result["truncated"].toBool(),
              !logLine(log, engine::text::kMoreValuesThanRead).empty());
    if (result["truncated"].toBool()) ++truncations;
    const std::string loaded = logLine(log, engine::text::kLoadedPrefix);
    if (!loaded.empty()) {
      EXPECT_EQ(loaded, engine::text::kLoadedPrefix + std::to_string(result["n"].toInt()) +
                            engine::text::kLoadedSuffix);
    }
    if (outcome == "no_data") continue;

    for (const auto& [key, prefix] : {std::pair{"h", engine::text::kIntervalLength},
                                      {"xmin", engine::text::kMinimum},
                                      {"xmax", engine::text::kMaximum}})
      EXPECT_EQ(logLine(log, prefix), prefix + fiveDigits(stored(key))) << key;
    if (outcome == "bad_parameters") continue;
    char count[64];
    std::snprintf(count, sizeof count, "%.0f", number("intervals"));
    EXPECT_EQ(logLine(log, engine::text::kIntervalCount),
              engine::text::kIntervalCount + std::string(count));
    if (outcome == "too_many_intervals") {
      EXPECT_TRUE(result["table"].isNull());
      continue;
    }

    // The table behind the grid, and the summary row under it.
    const QJsonArray table = result["table"].toArray();
    ASSERT_EQ(table.size(), result["intervals"].toInt());
    ASSERT_EQ(grid.size(), table.size() + 2);
    for (int row = 0; row < table.size(); ++row)
      for (int column = 0; column < 11; ++column) {
        const QJsonValue value = table[row].toArray()[column];
        const std::string shown = text(grid[row + 1].toArray()[column]);
        EXPECT_EQ(shown, value.isNull() ? "" : fourDigits(static_cast<float>(value.toDouble())))
            << row + 1 << ',' << column;
      }
    const QJsonArray summary = grid[table.size() + 1].toArray();
    EXPECT_EQ(text(summary[3]), fourDigits(stored("mean")));
    EXPECT_EQ(text(summary[6]), result["sd"].isNull() ? "NAN" : fourDigits(stored("sd")));
    EXPECT_EQ(text(summary[10]),
              result["statistic"].isNull() ? "" : fourDigits(stored("statistic")));
    if (outcome == "no_spread") {
      EXPECT_TRUE(result["statistic"].isNull());
      EXPECT_TRUE(table[0].toArray()[7].isNull());
      continue;
    }

    const int groups = result["groups"].toInt();
    EXPECT_EQ(result["df"].toInt(), groups - 3);
    if (groups != result["intervals"].toInt()) {
      EXPECT_EQ(logLine(log, engine::text::kNewIntervalCount),
                engine::text::kNewIntervalCount + std::to_string(groups));
    }
    if (outcome == "too_few_groups") {
      EXPECT_TRUE(result["critical"].isNull());
      EXPECT_TRUE(result["p_value"].isNull());
      EXPECT_EQ(text(log.last()),
                engine::text::kTooFewPrefix + std::to_string(groups) + engine::text::kTooFewSuffix);
      continue;
    }

    const std::string verdict = logLine(log, engine::text::kVerdictPrefix);
    const std::string middle =
        outcome == "accepted" ? engine::text::kAcceptedMiddle : engine::text::kRejectedMiddle;
    EXPECT_TRUE(startsWith(verdict, engine::text::kVerdictPrefix + fiveDigits(stored("statistic")) +
                                        middle + std::to_string(groups) +
                                        engine::text::kDegreesOfFreedom +
                                        fiveDigits(stored("critical"))))
        << verdict;
    const boost::math::chi_squared_distribution<double> chiSquared(result["df"].toInt());
    const double expected =
        boost::math::cdf(boost::math::complement(chiSquared, double{stored("statistic")}));
    EXPECT_NEAR(number("p_value"), expected, 1e-12 * expected);
    EXPECT_EQ(outcome == "accepted", number("p_value") > 0.05);
    if (outcome == "rejected") {
      EXPECT_TRUE(result["mean_interval"].isNull());
      continue;
    }

    EXPECT_EQ(logLine(log, engine::text::kEstimatesMean),
              engine::text::kEstimatesMean + fiveDigits(stored("mean")) +
                  engine::text::kEstimatesDeviation + fiveDigits(stored("sd")));
    const QJsonArray mean = result["mean_interval"].toArray();
    const QJsonArray sd = result["sd_interval"].toArray();
    EXPECT_EQ(text(log[log.size() - 2]), fourDigits(mean[0].toDouble()) +
                                             engine::text::kMeanInterval +
                                             fourDigits(mean[1].toDouble()));
    EXPECT_EQ(text(log.last()), fourDigits(static_cast<float>(sd[0].toDouble())) +
                                    engine::text::kDeviationInterval +
                                    fourDigits(static_cast<float>(sd[1].toDouble())));
  }
  for (const char* outcome : {"accepted", "rejected", "too_few_groups", "no_spread",
                              "too_many_intervals", "bad_parameters", "no_data", "open_failed"})
    EXPECT_EQ(outcomes.count(outcome), 1u) << outcome;
  EXPECT_GT(stops, 0);        // the samples with "x" and "1e30" stop early
  EXPECT_EQ(truncations, 1);  // the sample of 350, in its first run only
}

}  // namespace
}  // namespace cli::testing
