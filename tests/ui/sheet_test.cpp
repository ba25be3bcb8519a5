// The first sheet of crafted .xlsx and .ods workbooks read as rows of cell texts, and what is
// refused.
#include <gtest/gtest.h>

#include "tests/ui/zip_maker.h"
#include "ui/data_window/spreadsheet_file.h"

namespace ui_test {
namespace {

using Rows = ui::SheetCells;

const std::string kContentTypes = R"(<?xml version="1.0"?><Types/>)";
const std::string kPackageRels =
    R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>)"
    R"(</Relationships>)";
// Two sheets; the first in the workbook's order is "data", stored as sheet2.xml.
const std::string kWorkbook =
    R"(<?xml version="1.0"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
    R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets>)"
    R"(<sheet name="data" sheetId="1" r:id="rId7"/><sheet name="other" sheetId="2" r:id="rId3"/>)"
    R"(</sheets></workbook>)";
const std::string kWorkbookRels =
    R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
    R"(<Relationship Id="rId7" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="/xl/worksheets/sheet2.xml"/>)"
    R"(<Relationship Id="rId9" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>)"
    R"(</Relationships>)";
const std::string kSharedStrings =
    R"(<?xml version="1.0"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<si><t>Масса</t></si>)"
    R"(<si><r><rPr><b/></rPr><t>167</t></r><r><t xml:space="preserve">,2</t></r><rPh><t>ignored</t></rPh></si>)"
    R"(</sst>)";

std::string sheetXml(const std::string& rows) {
  return R"(<?xml version="1.0"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)" +
         rows + "</sheetData></worksheet>";
}

QByteArray xlsx(const std::string& firstSheetRows) {
  return zipOf(
      {{"[Content_Types].xml", kContentTypes},
       {"_rels/.rels", kPackageRels},
       {"xl/workbook.xml", kWorkbook},
       {"xl/_rels/workbook.xml.rels", kWorkbookRels},
       {"xl/sharedStrings.xml", kSharedStrings},
       {"xl/worksheets/sheet1.xml", sheetXml(R"(<row r="1"><c r="A1"><v>999</v></c></row>)")},
       {"xl/worksheets/sheet2.xml", sheetXml(firstSheetRows)}});
}

std::string odsTable(const std::string& rows) {
  return R"(<table:table table:name="t">)" + rows + "</table:table>";
}

struct SheetCase {
  const char* name;
  QByteArray workbook;
  Rows rows;
};

void PrintTo(const SheetCase& param, std::ostream* out) { *out << param.name; }

class FirstSheet : public ::testing::TestWithParam<SheetCase> {};

TEST_P(FirstSheet, GivesTheCellTextsRowByRowAtTheSheetsOwnRowNumbers) {
  const ui::SheetRead read = ui::readFirstSheet(GetParam().workbook);
  EXPECT_TRUE(read.error.isEmpty()) << read.error.toStdString();
  EXPECT_EQ(read.rows, GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Workbooks, FirstSheet,
    ::testing::Values(
        SheetCase{
            "XlsxSharedAndNumberCells",
            xlsx(R"(<row r="1"><c r="A1" t="s"><v>0</v></c></row>)"
                 R"(<row r="2"><c r="A2" t="n"><v>167.2</v></c><c r="B2"><v>1</v></c></row>)"),
            {{"Масса"}, {"167.2", "1"}}},
        SheetCase{"XlsxRichTextWithoutItsPhoneticReading",
                  xlsx(R"(<row r="1"><c r="A1" t="s"><v>1</v></c></row>)"),
                  {{"167,2"}}},
        SheetCase{
            "XlsxGapsKeepRowAndColumnNumbers",
            xlsx(
                R"(<row r="2"><c r="C2"><v>5</v></c></row><row r="4"><c r="B4"><v>-3.25</v></c></row>)"),
            {{}, {"", "", "5"}, {}, {"", "-3.25"}}},
        SheetCase{"XlsxCellsWithoutReferencesFollowEachOther",
                  xlsx(R"(<row><c><v>1</v></c><c><v>2</v></c></row><row><c><v>3</v></c></row>)"),
                  {{"1", "2"}, {"3"}}},
        SheetCase{
            "XlsxInlineStringsFormulasBooleansAndErrors",
            xlsx(
                R"(<row r="1"><c r="A1" t="inlineStr"><is><t>x</t></is></c>)"
                R"(<c r="B1"><f>A2*2</f><v>4</v></c><c r="C1" t="b"><v>1</v></c>)"
                R"(<c r="D1" t="e"><v>#DIV/0!</v></c><c r="E1" t="str"><f>"a"</f><v>a</v></c></row>)"),
            {{"x", "4", "TRUE", "#DIV/0!", "a"}}},
        SheetCase{"XlsxSharedStringOutOfRangeIsEmpty",
                  xlsx(R"(<row r="1"><c r="A1" t="s"><v>7</v></c><c r="B1"><v>2</v></c></row>)"),
                  {{"", "2"}}},
        SheetCase{
            "OdsFloatCellsGiveTheirStoredValue",
            ods(odsTable(
                R"(<table:table-row><table:table-cell office:value-type="string"><text:p>Масса</text:p></table:table-cell></table:table-row>)"
                R"(<table:table-row><table:table-cell office:value-type="float" office:value="167.2"><text:p>167,20</text:p></table:table-cell>)"
                R"(<table:table-cell office:value-type="percentage" office:value="0.5"><text:p>50%</text:p></table:table-cell></table:table-row>)")),
            {{"Масса"}, {"167.2", "0.5"}}},
        SheetCase{
            "OdsRepeatsExpandedOnlyBeforeContent",
            ods(odsTable(
                R"(<table:table-row><table:table-cell table:number-columns-repeated="2"/><table:table-cell office:value-type="float" office:value="1"/></table:table-row>)"
                R"(<table:table-row table:number-rows-repeated="2"><table:table-cell/></table:table-row>)"
                R"(<table:table-row table:number-rows-repeated="2"><table:table-cell table:number-columns-repeated="2" office:value-type="float" office:value="7"/></table:table-row>)"
                R"(<table:table-row table:number-rows-repeated="1048570"><table:table-cell table:number-columns-repeated="16384"/></table:table-row>)")),
            {{"", "", "1"}, {}, {}, {"7", "7"}, {"7", "7"}}},
        SheetCase{
            "OdsTextWithSpacesTabsAndParagraphsWithoutNotes",
            ods(odsTable(
                R"(<table:table-row><table:table-cell office:value-type="string">)"
                R"(<office:annotation><text:p>note</text:p></office:annotation>)"
                R"(<text:p>a<text:s text:c="3"/>b<text:tab/>c</text:p><text:p>d</text:p></table:table-cell>)"
                R"(<table:covered-table-cell/><table:table-cell office:value-type="boolean" office:boolean-value="false"/></table:table-row>)")),
            {{"a   b\tc d", "", "FALSE"}}},
        SheetCase{
            "OdsOnlyTheFirstTable",
            ods(odsTable(
                    R"(<table:table-row><table:table-cell office:value-type="float" office:value="1"/></table:table-row>)") +
                odsTable(
                    R"(<table:table-row><table:table-cell office:value-type="float" office:value="2"/></table:table-row>)")),
            {{"1"}}}),
    [](const ::testing::TestParamInfo<SheetCase>& info) { return std::string(info.param.name); });

struct RefusedCase {
  const char* name;
  QByteArray bytes;
  const char* error;  // UTF-8
};

void PrintTo(const RefusedCase& param, std::ostream* out) { *out << param.name; }

class RefusedWorkbook : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedWorkbook, SaysWhyAndGivesNoRows) {
  const ui::SheetRead read = ui::readFirstSheet(GetParam().bytes);
  EXPECT_EQ(read.error, QString::fromUtf8(GetParam().error));
  EXPECT_TRUE(read.rows.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Workbooks, RefusedWorkbook,
    ::testing::Values(
        RefusedCase{"NotAZip", QByteArray("167.2\n170\n"),
                    "файл не является книгой .xlsx или .ods"},
        RefusedCase{"TruncatedZip", xlsx("").left(60), "файл не является книгой .xlsx или .ods"},
        RefusedCase{"ZipOfSomethingElse", zipOf({{"readme.txt", "hello"}}),
                    "файл не является книгой .xlsx или .ods"},
        RefusedCase{"XlsxWithoutItsSheet",
                    zipOf({{"[Content_Types].xml", kContentTypes}, {"xl/workbook.xml", kWorkbook}}),
                    "в книге не найден первый лист"},
        RefusedCase{"OdsWithoutContent",
                    zipOf({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}}),
                    "в книге не найден первый лист"},
        RefusedCase{"OdsWithoutATable", ods(""), "в книге не найден первый лист"},
        RefusedCase{"BrokenXml", xlsx(R"(<row r="1"><c r="A1"><v>1</v></row>)"),
                    "первый лист книги повреждён"},
        RefusedCase{"RowBeyondTheLimit",
                    xlsx(R"(<row r="100001"><c r="A100001"><v>1</v></c></row>)"),
                    "лист слишком велик: больше 100000 строк или 1000 столбцов"},
        RefusedCase{"ColumnBeyondTheLimit", xlsx(R"(<row r="1"><c r="ZZZ1"><v>1</v></c></row>)"),
                    "лист слишком велик: больше 100000 строк или 1000 столбцов"},
        RefusedCase{
            "RepeatedContentBeyondTheLimit",
            ods(odsTable(
                R"(<table:table-row table:number-rows-repeated="200000"><table:table-cell office:value-type="float" office:value="1"/></table:table-row>)")),
            "лист слишком велик: больше 100000 строк или 1000 столбцов"}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

TEST(WorkbookBytes, AreToldFromTextByTheirStart) {
  EXPECT_TRUE(ui::looksLikeWorkbook(xlsx("")));
  EXPECT_TRUE(ui::looksLikeWorkbook(ods("")));
  EXPECT_FALSE(ui::looksLikeWorkbook(QByteArray("1\n167.2\n")));
  EXPECT_FALSE(ui::looksLikeWorkbook(QByteArray("PK")));
}

}  // namespace
}  // namespace ui_test
