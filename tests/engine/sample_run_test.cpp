// Tests of the one-file run that tarnek-cli --json and the page's analyse() share.
#include "engine/output/sample_run.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

const std::string kTable = TARNEK_DATA_DIR "/exttable.txt";
const std::string kExample = TARNEK_DATA_DIR "/Input.txt";

std::string noReason(const std::string&) { return "REASON"; }

TEST(SampleFlags, ReadEachValueAsTheCompanionDoesAndNameTheBadOne) {
  SampleSettings settings;
  EXPECT_EQ(readSampleFlag("--h", "0,5", settings), std::nullopt);
  EXPECT_EQ(settings.intervalLength, 0.5f);
  EXPECT_EQ(readSampleFlag("--xmin", "-5", settings), std::nullopt);
  EXPECT_EQ(settings.xmin, -5.0f);
  EXPECT_EQ(readSampleFlag("--xmax", "1e39", settings), "--xmax: not a number: 1e39");
  EXPECT_EQ(readSampleFlag("--xmax", "1,234.5", settings), "--xmax: not a number: 1,234.5");
  EXPECT_FALSE(settings.xmax);  // a refused value sets nothing
  EXPECT_TRUE(settings.hasOverrides());

  // The settings take "." only: their values are choices, not stored numbers.
  EXPECT_EQ(readSampleFlag("--alpha", "0,01", settings),
            "--alpha must be 0.05, 0.025 or 0.01: 0,01");
  EXPECT_EQ(readSampleFlag("--alpha", "0.01", settings), std::nullopt);
  EXPECT_EQ(settings.alpha, SignificanceLevel::OnePercent);
  EXPECT_EQ(readSampleFlag("--gamma", "0.9", settings), "--gamma must be 0.95, 0.99 or 0.999: 0.9");
  EXPECT_EQ(readSampleFlag("--gamma", "0.999", settings), std::nullopt);
  EXPECT_EQ(settings.gamma, Reliability::NinetyNinePointNine);
  EXPECT_EQ(readSampleFlag("--coefficients", "Sample", settings),
            "--coefficients must be method or sample: Sample");
  EXPECT_EQ(readSampleFlag("--coefficients", "sample", settings), std::nullopt);
  EXPECT_EQ(settings.coefficients, CoefficientSource::Sample);
  EXPECT_EQ(readSampleFlag("--json", "x", settings), "unknown option --json");
}

TEST(JsonSample, ABadValueIsAUsageErrorWithTheUsageTextAndNothingRun) {
  std::string out, err;
  EXPECT_EQ(
      runJsonSample(kTable, kExample, {{"--h", "0.5"}, {"--gamma", "95"}}, '.', out, err, noReason),
      kExitUsage);
  EXPECT_EQ(out, "");
  EXPECT_EQ(err, std::string("tarnek-cli: --gamma must be 0.95, 0.99 or 0.999: 95\n\n") + kUsage);
}

TEST(JsonSample, TheLastValueOfAnOptionCountsAndTheOverridesRunAgain) {
  std::string once, twice, err;
  EXPECT_EQ(runJsonSample(kTable, kExample, {{"--h", "0.5"}}, ',', once, err, noReason), kExitOk);
  EXPECT_EQ(
      runJsonSample(kTable, kExample, {{"--h", "3"}, {"--h", "0,5"}}, ',', twice, err, noReason),
      kExitOk);
  EXPECT_EQ(err, "");
  EXPECT_EQ(once, twice);
  EXPECT_EQ(once.back(), '\n');
  EXPECT_EQ(once.find('\n'), once.size() - 1);  // one line
  EXPECT_NE(once.find("\"h\":0.5"), std::string::npos);
}

TEST(JsonSample, AFileOrTableThatFailsGivesStatusOneAndSaysWhy) {
  std::string out, err;
  EXPECT_EQ(runJsonSample(kTable, "absent.txt", {}, '.', out, err, noReason), kExitFileNotOpened);
  EXPECT_EQ(err, "tarnek-cli: cannot open absent.txt: REASON\n");
  EXPECT_NE(out.find("\"log\":[\"Не смог открыть входной файл\"]"), std::string::npos);

  out.clear();
  err.clear();
  EXPECT_EQ(runJsonSample("absent-table.txt", kExample, {}, '.', out, err, noReason),
            kExitFileNotOpened);
  // The table's messages go to the error stream and into the object, and the sample still runs.
  const LoadedTable table = loadTable("absent-table.txt");
  EXPECT_FALSE(table.loaded);
  ASSERT_FALSE(table.messages.empty());
  EXPECT_EQ(err.substr(0, table.messages[0].size() + 1), table.messages[0] + '\n');
  EXPECT_NE(out.find(table.messages[0]), std::string::npos);
}

}  // namespace
}  // namespace engine
