// The shared pieces of the tests of tarnek-cli's "result" object: runs of the library in-process
// with one JSON object per file, samples that end every way a run can, and reading the log.
#pragma once

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "tests/cli/test_files.h"

namespace cli::testing {

// A number as the log writes it, with five or four significant digits.
std::string fiveDigits(double value);
std::string fourDigits(double value);
std::string text(const QJsonValue& value);
bool startsWith(const std::string& s, const std::string& start);
bool endsWith(const std::string& s, const std::string& end);

// The outcome the last log line of a run states.
std::string outcomeOfLastLine(const std::string& line);

// The log line that starts with `prefix`, or "" when there is none.
std::string logLine(const QJsonArray& log, const std::string& prefix);

// Samples that end every way a run can end.
std::vector<std::string> variedSamples();

class RunResultTest : public ::testing::Test {
 protected:
  // One JSON object per file, parsed; `args` are the options before the files.
  std::vector<QJsonObject> runJson(const std::vector<std::string>& files, CliOptions options = {});

  TempDir dir_;
};

}  // namespace cli::testing
