// With the default settings, tarnek-cli prints for the fuzz corpora's files exactly what it
// printed before the settings existed; only their own keys follow the old ones in "result".
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/cli/test_files.h"

namespace cli {
namespace {

std::vector<std::string> lines(std::istream& in) {
  std::vector<std::string> result;
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

QJsonObject parsed(const std::string& line) {
  return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

// The stored line with the settings' keys as the defaults write them: t and q only where the
// run reached the intervals.
std::string withDefaultSettings(const std::string& stored) {
  const bool accepted = parsed(stored)["result"].toObject()["outcome"].toString() == "accepted";
  const std::string keys = std::string(R"(,"alpha":0.05,"gamma":0.95,"coefficients":"method",)") +
                           (accepted ? R"("t":1.984,"q":0.143)" : R"("t":null,"q":null)");
  return stored.substr(0, stored.size() - 2) + keys + "}}";
}

TEST(DefaultOutput, CorporaGiveTheStoredOutputsByteForByte) {
  // Recorded with `--json FILE...` and `--json --h 0.5 FILE...`, the files named through "repo".
  std::ifstream in(std::filesystem::path(TARNEK_TEST_DATA_DIR) / "default_outputs.jsonl");
  const std::vector<std::string> stored = lines(in);
  ASSERT_EQ(stored.size() % 2, 0u);
  ASSERT_GE(stored.size(), 80u);
  const size_t files = stored.size() / 2;
  std::vector<std::string> names;
  for (size_t i = 0; i < files; ++i)
    names.push_back(parsed(stored[i])["file"].toString().toStdString());

  testing::TempDir dir;
  std::filesystem::create_directory_symlink(std::filesystem::path(TARNEK_DATA_DIR).parent_path(),
                                            dir.path() / "repo");
  std::vector<std::string> plainArgs = {"--json"};
  plainArgs.insert(plainArgs.end(), names.begin(), names.end());
  std::vector<std::string> overrideArgs = {"--json", "--h", "0.5"};
  overrideArgs.insert(overrideArgs.end(), names.begin(), names.end());
  std::vector<std::string> printed;
  for (const auto* args : {&plainArgs, &overrideArgs}) {
    const testing::CliRun run = testing::runCli(*args, dir.path());
    EXPECT_EQ(run.status, 0) << run.err;
    std::istringstream out(run.out);
    for (const std::string& line : lines(out)) printed.push_back(line);
  }
  ASSERT_EQ(printed.size(), stored.size());
  int accepted = 0;
  for (size_t i = 0; i < stored.size(); ++i) {
    SCOPED_TRACE(names[i % files] + (i < files ? "" : " --h 0.5"));
    EXPECT_EQ(printed[i], withDefaultSettings(stored[i]));
    accepted += printed[i].find(R"("t":1.984)") != std::string::npos;
  }
  EXPECT_GT(accepted, 2);
}

}  // namespace
}  // namespace cli
