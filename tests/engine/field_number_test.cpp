// A field's number: either decimal separator, never a group separator, and the float's range.
#include "engine/field_number.h"

#include <gtest/gtest.h>

namespace {

using Status = engine::FieldNumber::Status;

struct FieldCase {
  const char* name;
  const char* text;  // UTF-8
  Status status;
  double value;
};

class FieldNumber : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldNumber, ReadsOneNumberWithEitherSeparatorAndNothingElse) {
  const FieldCase& c = GetParam();
  const engine::FieldNumber read = engine::parseFieldNumber(c.text);
  EXPECT_EQ(read.status, c.status);
  if (c.status == Status::Ok) {
    EXPECT_EQ(read.value, static_cast<float>(c.value));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FieldNumber,
    ::testing::Values(FieldCase{"Point", "2.5", Status::Ok, 2.5},
                      FieldCase{"Comma", "2,5", Status::Ok, 2.5},
                      FieldCase{"Whole", "17", Status::Ok, 17},
                      FieldCase{"CommaIsNeverAGroupSeparator", "2,500", Status::Ok, 2.5},
                      FieldCase{"BothSeparators", "1,000.5", Status::NotANumber, 0},
                      FieldCase{"TwoPoints", "1.2.3", Status::NotANumber, 0},
                      FieldCase{"GroupedBySpace", "1 000", Status::NotANumber, 0},
                      FieldCase{"GroupedByNoBreakSpace", "1\u00a0000", Status::NotANumber, 0},
                      FieldCase{"GroupedWithDecimals", "1 000,5", Status::NotANumber, 0},
                      FieldCase{"ScientificWithPoint", "1.23E05", Status::Ok, 123000},
                      FieldCase{"ScientificWithComma", "1,23E05", Status::Ok, 123000},
                      FieldCase{"NegativeExponent", "25e-1", Status::Ok, 2.5},
                      FieldCase{"ExponentWithoutDigits", "1e", Status::NotANumber, 0},
                      FieldCase{"Negative", "-0.25", Status::Ok, -0.25},
                      FieldCase{"UnicodeMinus", "\u22120,25", Status::Ok, -0.25},
                      FieldCase{"Plus", "+3", Status::Ok, 3},
                      FieldCase{"SignAlone", "-", Status::NotANumber, 0},
                      FieldCase{"SeparatorAlone", ",", Status::NotANumber, 0},
                      FieldCase{"LeadingSeparator", ".5", Status::Ok, 0.5},
                      FieldCase{"TrailingSeparator", "5,", Status::Ok, 5},
                      FieldCase{"BlanksAround", "  12,3\t", Status::Ok, 12.3},
                      FieldCase{"Empty", "", Status::NotANumber, 0},
                      FieldCase{"Blanks", "   ", Status::NotANumber, 0},
                      FieldCase{"Letters", "abc", Status::NotANumber, 0},
                      FieldCase{"TrailingLetter", "2.5x", Status::NotANumber, 0},
                      FieldCase{"Infinity", "inf", Status::NotANumber, 0},
                      FieldCase{"NotANumber", "nan", Status::NotANumber, 0},
                      FieldCase{"Hexadecimal", "0x10", Status::NotANumber, 0},
                      FieldCase{"BeyondFloat", "1e300", Status::OutOfRange, 0},
                      FieldCase{"BeyondDouble", "1e999", Status::OutOfRange, 0},
                      FieldCase{"ManyDigitsBeyondDouble", "123456789e400", Status::OutOfRange, 0},
                      FieldCase{"LargestFloat", "3.4028234e38", Status::Ok, 3.4028234e38},
                      FieldCase{"NegativeBeyondFloat", "-1e39", Status::OutOfRange, 0},
                      FieldCase{"BelowFloat", "1e-60", Status::OutOfRange, 0},
                      FieldCase{"Zero", "0,000", Status::Ok, 0},
                      FieldCase{"SmallFractionBelowDouble", "0,001e-400", Status::OutOfRange, 0},
                      FieldCase{"LargeMantissaSmallExponent", "1000e-3", Status::Ok, 1}),
    [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

}  // namespace
