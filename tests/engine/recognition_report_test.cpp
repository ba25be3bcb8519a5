// Tests of the interval length chosen for pasted data and what the report says of it.
#include "engine/output/recognition_report.h"

#include <gtest/gtest.h>

#include "engine/data_reader.h"
#include "engine/sturges_rule.h"

namespace engine {
namespace {

TEST(ChosenLength, TheOptionThenTheDataThenSturgesRule) {
  const DataRead values = readData("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n", {});
  const ChosenLength option = chooseLength(values, 2.5f);
  EXPECT_EQ(option.source, ChosenLength::Source::Option);
  EXPECT_EQ(option.length, 2.5f);
  EXPECT_EQ(option.intervals, intervalCount(values.min, values.max, 2.5f));
  const ChosenLength sturges = chooseLength(values, std::nullopt);
  EXPECT_EQ(sturges.source, ChosenLength::Source::Sturges);
  EXPECT_NE(recognitionReport(values, &sturges).find(" по правилу Стёрджеса"), std::string::npos);
  EXPECT_EQ(recognitionReport(values, &option).find("Стёрджеса"), std::string::npos);
  // Too many intervals for the analysis: the report says so, without it nothing does.
  const ChosenLength tiny = chooseLength(values, 0.1f);
  EXPECT_GT(tiny.intervals, 20);
  EXPECT_NE(recognitionReport(values, &tiny).find("Интервалов больше 20"), std::string::npos);
  EXPECT_EQ(recognitionReport(values, &option).find("Интервалов больше 20"), std::string::npos);
}

}  // namespace
}  // namespace engine
