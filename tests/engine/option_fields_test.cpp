// Tests of the options dialog's rules: the separator, the fields' texts and numbers, Apply.
#include "engine/option_fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/decimal_separator.h"

namespace engine {
namespace {

struct SeparatorCase {
  const char* point;
  char separator;
};

TEST(DecimalSeparator, OneCharacterAtOrAboveTheSpaceElseThePoint) {
  for (const SeparatorCase& c :
       {SeparatorCase{".", '.'}, SeparatorCase{",", ','}, SeparatorCase{"'", '\''},
        SeparatorCase{"", '.'}, SeparatorCase{",,", '.'}, SeparatorCase{"\t", '.'},
        SeparatorCase{"\xD9\xAB", '.'},  // U+066B, the Arabic one
        SeparatorCase{"\xC2\xB7", '.'}}) {
    EXPECT_EQ(decimalSeparatorOf(c.point), c.separator) << c.point;
  }
}

struct NumberCase {
  const char* text;
  char separator;
  bool accepted;
  double value;
};

class DecimalNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(DecimalNumber, AcceptsOneNumberWithTheGivenSeparatorOnly) {
  const NumberCase& c = GetParam();
  const std::optional<double> value = readDecimalNumber(c.text, c.separator);
  ASSERT_EQ(value.has_value(), c.accepted) << c.text;
  if (!c.accepted) return;
  if (std::isnan(c.value)) {
    EXPECT_TRUE(std::isnan(*value));
  } else {
    EXPECT_EQ(*value, c.value);
    EXPECT_EQ(std::signbit(*value), std::signbit(c.value));
  }
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalNumber,
    ::testing::Values(NumberCase{"2.5", '.', true, 2.5}, NumberCase{"2,5", ',', true, 2.5},
                      NumberCase{"2,5", '.', false, 0}, NumberCase{"2.5", ',', false, 0},
                      NumberCase{"  -0,25\t\n", ',', true, -0.25}, NumberCase{"+7", '.', true, 7},
                      NumberCase{"\xE2\x88\x92"
                                 "3",
                                 '.', true, -3},  // U+2212 MINUS SIGN
                      NumberCase{"\xC2\xA0"
                                 "3\xE3\x80\x80",
                                 '.', true, 3},  // no-break and ideographic space
                      NumberCase{"2.", '.', true, 2}, NumberCase{",5", ',', true, 0.5},
                      NumberCase{"-0", '.', true, -0.0}, NumberCase{"00012", '.', true, 12},
                      NumberCase{"1,23E05", ',', true, 123000},
                      NumberCase{"5e-3", '.', true, 0.005},
                      NumberCase{"1e+0005", '.', true, 100000},
                      NumberCase{"5e\xE2\x88\x92"
                                 "1",
                                 '.', true, 0.5},               // U+2212 in the exponent
                      NumberCase{"1e-310", '.', true, 1e-310},  // subnormal, still a number
                      NumberCase{"0e999999", '.', true, 0}, NumberCase{"inf", '.', true, kInf},
                      NumberCase{"-INF", ',', true, -kInf}, NumberCase{"NaN", '.', true, kNaN},
                      NumberCase{"-nan", '.', false, 0}, NumberCase{"infinity", '.', false, 0},
                      NumberCase{"1e400", '.', false, 0}, NumberCase{"1e-400", '.', false, 0},
                      NumberCase{"", '.', false, 0}, NumberCase{"   ", '.', false, 0},
                      NumberCase{".", '.', false, 0}, NumberCase{"-", '.', false, 0},
                      NumberCase{"e5", '.', false, 0}, NumberCase{"1e", '.', false, 0},
                      NumberCase{"1e+", '.', false, 0}, NumberCase{"- 5", '.', false, 0},
                      NumberCase{"5 e5", '.', false, 0}, NumberCase{"1 000", ',', false, 0},
                      NumberCase{"1\xC2\xA0"
                                 "000",
                                 ',', false, 0},
                      NumberCase{"2,500", '.', false, 0}, NumberCase{"1.000,5", ',', false, 0},
                      NumberCase{"0x10", '.', false, 0}, NumberCase{"++5", '.', false, 0},
                      NumberCase{"5-", '.', false, 0}, NumberCase{"1e5e5", '.', false, 0},
                      NumberCase{"2.5.1", '.', false, 0},
                      NumberCase{"\xD9\xA3", '.', false, 0},  // an Arabic-Indic digit
                      NumberCase{"5\xFF", '.', false, 0},     // broken UTF-8
                      NumberCase{"abc", '.', false, 0}));

struct FieldCase {
  const char* text;
  std::optional<FieldProblem> problem;
  float value;
};

TEST(FieldNumber, StoresAFloatAndSaysWhyOtherTextsAreNot) {
  for (const FieldCase& c :
       {FieldCase{"12.345", std::nullopt, 12.345f}, FieldCase{"0.1", std::nullopt, 0.1f},
        FieldCase{"3.4e38", std::nullopt, 3.4e38f},
        FieldCase{"3.5e38", FieldProblem::OutOfRange, 0},
        FieldCase{"-1e300", FieldProblem::OutOfRange, 0},
        FieldCase{"inf", FieldProblem::NotANumber, 0},
        FieldCase{"nan", FieldProblem::NotANumber, 0},
        FieldCase{"1e999", FieldProblem::NotANumber, 0}, FieldCase{"", FieldProblem::NotANumber, 0},
        FieldCase{"abc", FieldProblem::NotANumber, 0}}) {
    const FieldNumber number = readFieldNumber(c.text, '.');
    EXPECT_EQ(number.problem, c.problem) << c.text;
    if (!c.problem) {
      EXPECT_EQ(number.value, c.value) << c.text;
    }
  }
}

TEST(FieldNumber, MessagesQuoteTheTextAsTyped) {
  EXPECT_EQ((FieldError{FieldProblem::NotANumber, "1,5 кг"}).message(),
            "«1,5 кг» не является правильным числом");
  EXPECT_EQ((FieldError{FieldProblem::OutOfRange, "%1e99"}).message(),
            "Число «%1e99» вне допустимого диапазона");
}

TEST(FieldText, ThreeDigitsTwoDecimalsWithTheSeparator) {
  EXPECT_EQ(fieldText(1.0f, '.'), "1.00");
  EXPECT_EQ(fieldText(12.345f, ','), "12,30");
  EXPECT_EQ(fieldText(123.456f, '.'), "123.00");
  // More digits than fit are written so that the conversion reads them back.
  const std::string large = fieldText(1234.5f, ',');
  const FieldNumber back = readFieldNumber(large, ',');
  ASSERT_FALSE(back.problem) << large;
  EXPECT_EQ(back.value, 1230.0f);
}

class ApplyTest : public ::testing::Test {
 protected:
  ApplyTest() {
    state_.FileName = "old.txt";
    state_.IntervalLength = 1.0f;
    state_.Xmin = 10.0f;
    state_.Xmax = 20.0f;
    state_.FileChanged = false;
  }

  ApplyResult apply(OptionFields& fields) {
    return applyOptionFields(state_, fields, ',', [this] {
      ++runs_;
      // A load as a run does it: the flag cleared, the file's values taken.
      if (state_.FileChanged) {
        state_.FileChanged = false;
        state_.IntervalLength = 0.5f;
        state_.Xmin = -3.0f;
        state_.Xmax = 5.25f;
      }
    });
  }

  AnalysisState state_;
  int runs_ = 0;
};

TEST_F(ApplyTest, FileModeLoadsTheNamedFileAndRewritesTheNumbersItDidNotRead) {
  state_.FileChanged = true;
  OptionFields fields{"new.txt", "7", "abc", ""};
  const ApplyResult result = apply(fields);
  EXPECT_TRUE(result.fileMode);
  EXPECT_FALSE(result.error);
  EXPECT_EQ(runs_, 1);
  EXPECT_EQ(state_.FileName, "new.txt");
  EXPECT_EQ(fields.intervalLength, "0,50");
  EXPECT_EQ(fields.xmin, "-3,00");
  EXPECT_EQ(fields.xmax, "5,25");
}

TEST_F(ApplyTest, NumbersModeStoresTheFieldsAndRunsWithoutReadingTheName) {
  OptionFields fields{"ignored.txt", "0,25", " 11,5 ", "19"};
  const ApplyResult result = apply(fields);
  EXPECT_FALSE(result.fileMode);
  EXPECT_FALSE(result.error);
  EXPECT_EQ(runs_, 1);
  EXPECT_EQ(state_.FileName, "old.txt");
  EXPECT_EQ(state_.IntervalLength, 0.25f);
  EXPECT_EQ(state_.Xmin, 11.5f);
  EXPECT_EQ(state_.Xmax, 19.0f);
  EXPECT_EQ(fields.xmin, " 11,5 ");  // not rewritten
}

struct StopCase {
  const char* name;
  OptionFields fields;
  FieldError error;
  float h, xmin, xmax;
};

TEST_F(ApplyTest, NumbersModeStopsAtTheFirstBadFieldKeepingThoseBeforeIt) {
  const StopCase cases[] = {
      {"interval", {"", "abc", "1", "2"}, {FieldProblem::NotANumber, "abc"}, 1, 10, 20},
      {"minimum", {"", "2", "0.5", "2"}, {FieldProblem::NotANumber, "0.5"}, 2, 10, 20},
      {"maximum", {"", "2", "3", "1e39"}, {FieldProblem::OutOfRange, "1e39"}, 2, 3, 20},
  };
  for (const StopCase& c : cases) {
    state_.IntervalLength = 1.0f;
    state_.Xmin = 10.0f;
    state_.Xmax = 20.0f;
    OptionFields fields = c.fields;
    const ApplyResult result = apply(fields);
    ASSERT_TRUE(result.error) << c.name;
    EXPECT_EQ(result.error->problem, c.error.problem) << c.name;
    EXPECT_EQ(result.error->text, c.error.text) << c.name;
    EXPECT_EQ(state_.IntervalLength, c.h) << c.name;
    EXPECT_EQ(state_.Xmin, c.xmin) << c.name;
    EXPECT_EQ(state_.Xmax, c.xmax) << c.name;
  }
  EXPECT_EQ(runs_, 0);
}

}  // namespace
}  // namespace engine
