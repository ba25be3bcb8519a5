// Tests of the hand-written JSON strings and numbers.
#include "engine/output/json_writer.h"

#include <gtest/gtest.h>

#include <limits>

namespace engine {
namespace {

TEST(AppendJsonString, EscapesAndRepairsText) {
  const std::string fffd = "\xEF\xBF\xBD";
  const std::pair<std::string, std::string> cases[] = {
      {"a\"b\\c/", "\"a\\\"b\\\\c/\""},
      {"tab\tnew\nline\r", "\"tab\\u0009new\\u000aline\\u000d\""},
      {std::string("nul\0x", 5), "\"nul\\u0000x\""},
      {"\x1f\x7f", "\"\\u001f\\u007f\""},
      {"Длина 0,5 \xF0\x9F\x98\x80", "\"Длина 0,5 \xF0\x9F\x98\x80\""},
      {"a\xFF"
       "b",
       "\"a" + fffd + "b\""},
      {"\xC0\xAF", "\"" + fffd + fffd + "\""},                        // overlong "/"
      {"\xED\xA0\x80", "\"" + fffd + fffd + fffd + "\""},             // surrogate
      {"\xF4\x90\x80\x80", "\"" + fffd + fffd + fffd + fffd + "\""},  // above U+10FFFF
      {"\xE2\x82", "\"" + fffd + "\""},                               // cut short at the end
      {"\xE2\x82"
       "A",
       "\"" + fffd + "A\""},  // ASCII after it survives
  };
  for (const auto& [text, expected] : cases) {
    std::string out;
    appendJsonString(out, text);
    EXPECT_EQ(out, expected) << text;
  }
}

TEST(AppendJsonNumber, WritesShortestRoundTripOrNull) {
  const std::pair<double, const char*> cases[] = {
      {0.0, "0"},
      {-0.0, "-0"},
      {0.1, "0.1"},
      {static_cast<double>(0.1f), "0.10000000149011612"},
      {1e21, "1e+21"},
      {-1.5e-7, "-1.5e-07"},
      {std::numeric_limits<double>::infinity(), "null"},
      {-std::numeric_limits<double>::infinity(), "null"},
      {std::numeric_limits<double>::quiet_NaN(), "null"},
  };
  for (const auto& [value, expected] : cases) {
    std::string out;
    appendJsonNumber(out, value);
    EXPECT_EQ(out, expected);
  }
}

}  // namespace
}  // namespace engine
