// Tests of reading pasted and imported data: separators, columns, headers, limits.
#include "engine/data_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/data_text.h"

namespace engine {
namespace {

using Decimal = DataReadOptions::Decimal;
using Code = DataMessageCode;

struct Skip {
  int32_t line;
  SkipReason reason;
};

struct ValuesCase {
  const char* name;
  std::string text;
  DataReadOptions options;
  std::vector<float> values;
  std::vector<Skip> skipped = {};
  std::vector<Code> messages = {};
  Decimal decimal = Decimal::Point;
  int32_t column = 1;
  int32_t columns = 1;
};

DataReadOptions decimal(Decimal d) {
  DataReadOptions options;
  options.decimal = d;
  return options;
}

DataReadOptions column(int32_t n) {
  DataReadOptions options;
  options.column = n;
  return options;
}

std::vector<Code> codes(const DataRead& read) {
  std::vector<Code> found;
  for (const DataMessage& message : read.messages) found.push_back(message.code);
  return found;
}

class ValuesReadTest : public ::testing::TestWithParam<ValuesCase> {};

TEST_P(ValuesReadTest, ReadsTheValuesAndListsWhatItSkipped) {
  const ValuesCase& c = GetParam();
  const DataRead read = readData(decodeDataText(c.text).text, c.options);
  EXPECT_EQ(read.values, c.values);
  ASSERT_EQ(read.skipped.size(), c.skipped.size());
  for (size_t i = 0; i < c.skipped.size(); ++i) {
    EXPECT_EQ(read.skipped[i].line, c.skipped[i].line) << i;
    EXPECT_EQ(read.skipped[i].reason, c.skipped[i].reason) << i;
  }
  EXPECT_EQ(codes(read), c.messages);
  EXPECT_EQ(read.decimal, c.decimal);
  EXPECT_EQ(read.chosenColumn, c.column);
  EXPECT_EQ(read.columnCount, c.columns);
  EXPECT_EQ(read.count, static_cast<int32_t>(c.values.size()));
  EXPECT_EQ(read.usable, !c.values.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValuesReadTest,
    ::testing::Values(
        ValuesCase{"DecimalCommas",
                   "167,2 170,1\n165,3\n",
                   {},
                   {167.2f, 170.1f, 165.3f},
                   {},
                   {},
                   Decimal::Comma},
        ValuesCase{"OneTypoWithACommaAmongPoints",
                   "167.1\n168.5\n166.2\n169.0\n170.3\n167,2\n171.4\n",
                   {},
                   {167.1f, 168.5f, 166.2f, 169.0f, 170.3f, 167.2f, 171.4f},
                   {},
                   {Code::MixedDecimal}},
        ValuesCase{"CommaCsvThreeColumns",
                   "1,2,3\n4,5,6\n",
                   {},
                   {1, 4},
                   {},
                   {Code::CommaSeparatesFields},
                   Decimal::Point,
                   1,
                   3},
        ValuesCase{"OneLineIsAListAcross",
                   "1,2,3,4,5\n",
                   {},
                   {1, 2, 3, 4, 5},
                   {},
                   {Code::CommaSeparatesFields}},
        ValuesCase{
            "OneSemicolonLine", "1,5; 2,5;3,5\n", {}, {1.5f, 2.5f, 3.5f}, {}, {}, Decimal::Comma},
        ValuesCase{"CommaCsvWithPoints",
                   "x,y\n1.5,2.5\n3.5,4.5\n",
                   {},
                   {1.5f, 3.5f},
                   {{1, SkipReason::NoNumber}},
                   {Code::CommaSeparatesFields},
                   Decimal::Point,
                   1,
                   2},
        ValuesCase{"PointModeSplitsAtCommas", "1,5 2,5\n", decimal(Decimal::Point), {1, 5, 2, 5}},
        ValuesCase{"CommaModeRefusesPoints",
                   "1,5\n2.5\n3,5\n",
                   decimal(Decimal::Comma),
                   {1.5f, 3.5f},
                   {{2, SkipReason::NoNumber}},
                   {},
                   Decimal::Comma},
        ValuesCase{"NoGroupSeparators",
                   "1,234.5\n2\xC2\xA0"
                   "345,6\n7,5 8\n",
                   decimal(Decimal::Comma),
                   {7.5f, 8},
                   {{1, SkipReason::NoNumber}, {2, SkipReason::NoNumber}},
                   {},
                   Decimal::Comma},
        ValuesCase{"SemicolonCsvWithHeaderValuesFirst",
                   "Масса;Номер\n167,2;1\n170,1;2\n165,3;3\n",
                   {},
                   {167.2f, 170.1f, 165.3f},
                   {{1, SkipReason::NoNumber}},
                   {},
                   Decimal::Comma,
                   1,
                   2},
        ValuesCase{"SemicolonCsvWithNumberHeaderFirst",
                   "№;x\n7;167,2\n3;170,1\n9;165,3\n",
                   {},
                   {167.2f, 170.1f, 165.3f},
                   {{1, SkipReason::NoNumber}},
                   {Code::IndexColumnSkipped},
                   Decimal::Comma,
                   2,
                   2},
        ValuesCase{"TsvWithIndexColumn",
                   "1\t5.25\n2\t5.5\n3\t4.75\n",
                   {},
                   {5.25f, 5.5f, 4.75f},
                   {},
                   {Code::IndexColumnSkipped},
                   Decimal::Point,
                   2,
                   2},
        ValuesCase{"BlankSeparatedIndexColumn",
                   "1 5.25\n2 5.5\n3 4.75\n",
                   {},
                   {5.25f, 5.5f, 4.75f},
                   {},
                   {Code::IndexColumnSkipped},
                   Decimal::Point,
                   2,
                   2},
        ValuesCase{"ColumnChosenByTheUser",
                   "1;5,25\n2;5,5\n",
                   column(1),
                   {1, 2},
                   {},
                   {},
                   Decimal::Point,
                   1,
                   2},
        ValuesCase{"EmptyCellInTheColumn",
                   "a;b\n1;2\n;3\n4;5\n",
                   {},
                   {1, 4},
                   {{1, SkipReason::NoNumber}, {3, SkipReason::EmptyCell}},
                   {},
                   Decimal::Point,
                   1,
                   2},
        ValuesCase{"NameAndValue",
                   "Иванов;167,5\nПетров;170\nСидоров;абв\n",
                   {},
                   {167.5f, 170},
                   {{3, SkipReason::NoNumber}},
                   {},
                   Decimal::Comma,
                   2,
                   2},
        ValuesCase{"TenALineIsAList",
                   "5.1 5.2 5.3\n5.4 5.5 5.6\n5.7\n",
                   {},
                   {5.1f, 5.2f, 5.3f, 5.4f, 5.5f, 5.6f, 5.7f}},
        ValuesCase{"HeaderAndTextAmongNumbers",
                   "Масса, г\n12 13\n14 кг 15\n",
                   {},
                   {12, 13, 14, 15},
                   {{1, SkipReason::NoNumber}, {3, SkipReason::NotANumber}}},
        ValuesCase{"OwnFormatLengthFirst",
                   "1\n500.1 499.5\n501.2 498.7\n",
                   {},
                   {500.1f, 499.5f, 501.2f, 498.7f},
                   {},
                   {Code::FirstTakenAsLength}},
        ValuesCase{"FirstValueAmongTheOthersStays", "5.2\n5.1\n5.3\n", {}, {5.2f, 5.1f, 5.3f}},
        ValuesCase{"OverflowIsListed",
                   "1.5\n1e50\n2.5\n",
                   {},
                   {1.5f, 2.5f},
                   {{2, SkipReason::OutOfRange}}},
        ValuesCase{"SignsAndExponents",
                   "−1,5 +2 -3e1 .5 5.\n",
                   {},
                   {-1.5f, 2, -30, 0.5f, 5},
                   {},
                   {Code::MixedDecimal}},
        ValuesCase{"CrLfAndBom",
                   "\xEF\xBB\xBFx\r\n1.5\r\n2.5\r3.5\r\n",
                   {},
                   {1.5f, 2.5f, 3.5f},
                   {{1, SkipReason::NoNumber}}},
        ValuesCase{"Utf16LittleEndianExport",
                   std::string("\xFF\xFE"
                               "x\0\n\0"
                               "1\0,\0"
                               "5\0\n\0"
                               "2\0\n\0",
                               18),
                   {},
                   {1.5f, 2},
                   {{1, SkipReason::NoNumber}},
                   {},
                   Decimal::Comma},
        ValuesCase{"Utf16BigEndianExport",
                   std::string("\xFE\xFF\0"
                               "1\0.\0"
                               "5\0\n\0"
                               "2",
                               12),
                   {},
                   {1.5f, 2}},
        ValuesCase{"OneValue", "4.5", {}, {4.5f}, {}, {Code::FewValues}},
        ValuesCase{"Empty", "", {}, {}, {}, {Code::NoNumbers}},
        ValuesCase{
            "Garbage",
            "\x01\xFF\xFEzz\n;;;\n[[[(\n",
            {},
            {},
            {{1, SkipReason::NoNumber}, {2, SkipReason::NoNumber}, {3, SkipReason::NoNumber}},
            {Code::NoNumbers}},
        ValuesCase{"MissingColumn",
                   "1;2\n3;4\n",
                   column(3),
                   {},
                   {},
                   {Code::NoSuchColumn},
                   Decimal::Point,
                   3,
                   2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataRead, SkippedLinesKeepTheirTextCut) {
  const std::string longHeader(100, 'x');
  const DataRead read = readData("Масса\n1\n" + longHeader + " 2\n3\n", {});
  ASSERT_EQ(read.skipped.size(), 2u);
  EXPECT_EQ(read.skipped[0].text, "Масса");
  EXPECT_EQ(read.skipped[1].text, std::string(80, 'x') + "…");
  EXPECT_EQ(read.values, (std::vector<float>{1, 2, 3}));
}

TEST(DataRead, MoreThan200ValuesAreRefusedNotCut) {
  for (const int count : {201, 350}) {
    std::string text;
    for (int i = 0; i < count; ++i) text += std::to_string(100 + i % 7) + ",5\n";
    const DataRead read = readData(text, {});
    EXPECT_EQ(read.count, count);
    EXPECT_EQ(read.values.size(), static_cast<size_t>(count));
    EXPECT_FALSE(read.usable);
    ASSERT_EQ(read.messages.size(), 1u);
    EXPECT_EQ(dataMessageText(read.messages[0]),
              "Значений " + std::to_string(count) +
                  ", а программа обрабатывает не больше 200: сократите выборку, лишние значения "
                  "не отбрасываются");
  }
  std::string exactly;
  for (int i = 0; i < 200; ++i) exactly += std::to_string(i) + " ";
  EXPECT_TRUE(readData(exactly, {}).usable);
}

TEST(DataRead, MessagesNameTheLineAndTheText) {
  const DataRead read = readData("1.5\n2,5\n3.5\n", {});
  ASSERT_EQ(read.messages.size(), 1u);
  EXPECT_EQ(dataMessageText(read.messages[0]),
            "Строка 2: в числе «2,5» десятичный разделитель не такой, как в остальных");
  EXPECT_EQ(read.min, 1.5f);
  EXPECT_EQ(read.max, 3.5f);
}

TEST(DataRead, FirstNumberCanBeForcedEitherWay) {
  DataReadOptions options;
  options.first = DataReadOptions::FirstNumber::Value;
  EXPECT_EQ(readData("1\n500 501\n", options).values, (std::vector<float>{1, 500, 501}));
  options.first = DataReadOptions::FirstNumber::Length;
  const DataRead read = readData("0.5\n1 2\n", options);
  EXPECT_EQ(read.values, (std::vector<float>{1, 2}));
  EXPECT_EQ(read.intervalLength, 0.5f);
}

TEST(DataRead, SheetRowsAreCells) {
  const std::vector<std::vector<std::string>> rows = {
      {"№", "Рост, см"}, {"1", "167.2"}, {"2", "170,1"}, {}, {"3", "165.3"}, {"Итого", ""}};
  const DataRead read = readData(rows, {});
  EXPECT_EQ(read.values, (std::vector<float>{167.2f, 170.1f, 165.3f}));
  EXPECT_EQ(read.columnHeaders, (std::vector<std::string>{"№", "Рост, см"}));
  EXPECT_EQ(read.chosenColumn, 2);
  ASSERT_EQ(read.skipped.size(), 2u);
  EXPECT_EQ(read.skipped[1].line, 6);
  EXPECT_EQ(read.skipped[1].text, "Итого; ");
}

struct DecodeCase {
  const char* name;
  std::string bytes;
  std::string text;
  TextEncoding encoding;
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, GivesUtf8WithNewlines) {
  const DecodedText decoded = decodeDataText(GetParam().bytes);
  EXPECT_EQ(decoded.text, GetParam().text);
  EXPECT_EQ(decoded.encoding, GetParam().encoding);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DecodeTest,
    ::testing::Values(DecodeCase{"Plain", "1\r\n2\r3\n", "1\n2\n3\n", TextEncoding::Utf8},
                      DecodeCase{"Bom", "\xEF\xBB\xBFМасса\r\n", "Масса\n", TextEncoding::Utf8Bom},
                      DecodeCase{"Utf16LeSurrogatePair",
                                 std::string("\xFF\xFE\x3D\xD8\x00\xDE\x31\x00", 8),
                                 "\xF0\x9F\x98\x80"
                                 "1",
                                 TextEncoding::Utf16Le},
                      DecodeCase{"Utf16LoneSurrogateAndOddByte",
                                 std::string("\xFE\xFF\xD8\x00\x00\x31\x00", 7),
                                 "\xEF\xBF\xBD"
                                 "1\xEF\xBF\xBD",
                                 TextEncoding::Utf16Be},
                      DecodeCase{"Windows1251", "\xCC\xE0\xF1\xF1\xE0;\xB9\r\n", "Масса;№\n",
                                 TextEncoding::Windows1251},
                      DecodeCase{"NulBecomesBlank",
                                 std::string("12\0"
                                             "3",
                                             4),
                                 "12 3", TextEncoding::Utf8}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace engine
