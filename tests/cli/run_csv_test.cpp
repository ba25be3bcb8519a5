// --csv holds the "result" object's table and its summary row.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <sstream>

#include "cli/batch_run.h"
#include "engine/texts.h"
#include "tests/cli/run_result_fixture.h"

namespace cli::testing {
namespace {

TEST_F(RunResultTest, CsvHoldsTheJsonTableAndItsSummaryRow) {
  const std::string sample = (dir_.path() / "Input.txt").string();
  const std::string empty = dir_.write("empty.txt", "1\n");
  CliOptions options;
  options.tablePath = (dir_.path() / "exttable.txt").string();
  options.csv = true;
  options.files = {sample, empty, sample};
  std::ostringstream out, err;
  EXPECT_EQ(runBatch(options, ',', out, err), 0);
  EXPECT_EQ(err.str(), "tarnek-cli: " + empty + ": " + engine::text::kNoData + "\n");

  const QJsonObject result = runJson({sample})[0]["result"].toObject();
  const QJsonArray table = result["table"].toArray();
  std::istringstream lines(out.str());
  std::vector<std::string> csv;
  for (std::string line; std::getline(lines, line);) csv.push_back(line);
  const std::string header = "1,2,3,4,5,6,7,8,9,10,11";
  const size_t block = 1 + table.size() + 1;
  ASSERT_EQ(csv.size(), 2 * block + 1 + 2);
  EXPECT_EQ(csv[0], header);
  EXPECT_EQ(csv[block], "");
  EXPECT_EQ(csv[block + 1], header);
  EXPECT_EQ(csv[block + 2], "");
  EXPECT_EQ(std::vector(csv.begin(), csv.begin() + block),
            std::vector(csv.begin() + block + 3, csv.end()));
  for (int row = 0; row < table.size(); ++row) {
    std::istringstream fields(csv[static_cast<size_t>(row) + 1]);
    std::string field;
    for (int column = 0; column < 11; ++column) {
      ASSERT_TRUE(std::getline(fields, field, ','));
      // The same float, whatever the locale's separator: "." always.
      EXPECT_EQ(std::stof(field), static_cast<float>(table[row].toArray()[column].toDouble()));
    }
  }
  EXPECT_EQ(csv[block - 1], ",,,500.39996,,,1.9227506,,,,2.312088");
}

}  // namespace
}  // namespace cli::testing
