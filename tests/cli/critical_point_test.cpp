// tarnek-cli gives no verdict where its table has no critical point, and says so in its JSON.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/cli/test_files.h"

namespace cli {
namespace {

std::string shippedTable() {
  std::ostringstream text;
  text << std::ifstream(std::filesystem::path(TARNEK_DATA_DIR) / "exttable.txt").rdbuf();
  return text.str();
}

// The shipped table with the 5 % point of row 4 replaced.
std::string withFivePercentPoint(const std::string& point) {
  std::string table = shippedTable();
  const std::string row = "\n4 13.277 11.143 9.488 ";
  const size_t at = table.find(row);
  table.replace(at, row.size(), "\n4 13.277 11.143 " + point + " ");
  return table;
}

QJsonObject parsed(const std::string& line) {
  return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

struct DamagedTable {
  const char* name;
  std::string table;  // empty: no table at all
  int status;
  const char* message;
};

TEST(CriticalPoint, EveryDamagedRowGivesNoVerdictWhileOtherRowsKeepTheirs) {
  std::string cut = shippedTable();
  cut.resize(cut.find("\n4 ") + 1);
  const DamagedTable cases[] = {
      {"no table", "", 1, "Не смог загрузить таблицу крит точек\n"},
      {"cut after row 3", cut, 1, "Не правильный формат таблицы\n"},
      {"zero", withFivePercentPoint("0"), 0, ""},
      {"negative", withFivePercentPoint("-9.488"), 0, ""},
      {"too large for a float", withFivePercentPoint("1e39"), 1, "Не правильный формат таблицы\n"},
  };
  const std::string noPoint =
      "Нет критической точки для 4 степеней свободы: проверка гипотезы невозможна";
  for (const DamagedTable& c : cases) {
    SCOPED_TRACE(c.name);
    testing::TempDir dir;
    std::filesystem::remove(dir.path() / "exttable.txt");
    if (!c.table.empty()) dir.write("table.txt", c.table);

    // The shipped sample has 4 degrees of freedom; with h = 1.5 it has 1, a row every table has.
    const testing::CliRun run =
        testing::runCli({"--json", "--table", "table.txt", "Input.txt"}, dir.path());
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, c.message);
    const QJsonObject object = parsed(run.out);
    const QJsonArray log = object["log"].toArray();
    ASSERT_FALSE(log.isEmpty()) << run.out;
    EXPECT_EQ(log.last().toString().toStdString(), noPoint);
    const QJsonObject result = object["result"].toObject();
    EXPECT_EQ(result["outcome"].toString(), "no_critical_point");
    EXPECT_EQ(result["df"].toInt(), 4);
    EXPECT_TRUE(result["critical"].isNull());
    // Four degrees of freedom: P(χ² ≥ x) = e^(-x/2)(1 + x/2), at the stored Xb.
    const double statistic = static_cast<float>(result["statistic"].toDouble());
    EXPECT_EQ(static_cast<float>(statistic), 2.312088f);
    EXPECT_NEAR(result["p_value"].toDouble(), std::exp(-statistic / 2) * (1 + statistic / 2),
                1e-12);
    EXPECT_TRUE(result["mean_interval"].isNull());
    EXPECT_EQ(result["table"].toArray().size(), 9);
    EXPECT_TRUE(object["curve"].toArray().isEmpty());

    const testing::CliRun other =
        testing::runCli({"--json", "--table", "table.txt", "--h", "1.5", "Input.txt"}, dir.path());
    const QJsonObject otherResult = parsed(other.out)["result"].toObject();
    EXPECT_EQ(otherResult["df"].toInt(), 1);
    EXPECT_EQ(otherResult["outcome"].toString(),
              c.table.empty() ? "no_critical_point" : "accepted");
  }
}

}  // namespace
}  // namespace cli
