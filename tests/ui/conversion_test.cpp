// The dialog's number conversion, Qt's Russian texts and the wrapping of long messages.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

#include "ui/message_sink.h"
#include "ui/opt_form.h"
#include "ui/qt_translations.h"

namespace ui_test {
namespace {

struct NumberCase {
  const char* name;
  QLocale::Language language;
  QLocale::Territory territory;
  const char* text;  // UTF-8
  bool accepted;
  double value;
};

class LocaleNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LocaleNumber, AcceptsExactlyANumberWithTheLocalesDecimalSeparator) {
  const NumberCase& c = GetParam();
  bool ok = true;
  const double value =
      ui::localeNumber(QString::fromUtf8(c.text), QLocale(c.language, c.territory), &ok);
  EXPECT_EQ(ok, c.accepted);
  if (c.accepted) {
    EXPECT_DOUBLE_EQ(value, c.value);
  }
}

constexpr auto kEn = QLocale::English;
constexpr auto kUs = QLocale::UnitedStates;
constexpr auto kRu = QLocale::Russian;
constexpr auto kRussia = QLocale::Russia;

INSTANTIATE_TEST_SUITE_P(
    Locales, LocaleNumber,
    ::testing::Values(NumberCase{"PointDecimal", kEn, kUs, "2.5", true, 2.5},
                      NumberCase{"PointGrouped", kEn, kUs, "2,500", false, 0},
                      NumberCase{"PointGroupedWithDecimals", kEn, kUs, "1,000.5", false, 0},
                      NumberCase{"PointScientific", kEn, kUs, "1.23E05", true, 123000},
                      NumberCase{"PointNegative", kEn, kUs, "-0.25", true, -0.25},
                      NumberCase{"PointEmpty", kEn, kUs, "", false, 0},
                      NumberCase{"PointLetters", kEn, kUs, "abc", false, 0},
                      NumberCase{"CommaDecimal", kRu, kRussia, "2,5", true, 2.5},
                      NumberCase{"CommaGroupedBySpace", kRu, kRussia, "1 000", false, 0},
                      NumberCase{"CommaGroupedByNoBreakSpace", kRu, kRussia, "1\u00a0000", false,
                                 0},
                      NumberCase{"CommaGroupedWithDecimals", kRu, kRussia, "1 000,5", false, 0},
                      NumberCase{"CommaGivenAPoint", kRu, kRussia, "2.5", false, 0},
                      NumberCase{"CommaScientific", kRu, kRussia, "1,23E05", true, 123000}),
    [](const ::testing::TestParamInfo<NumberCase>& info) { return std::string(info.param.name); });

// The conversion is the engine's, so that the browser page reads fields as the window does; it
// must accept and refuse what the toolkit's own conversion does, in each locale Tarnek is used in.
TEST(ToolkitConversion, LocaleNumberAcceptsAndRefusesWhatTheToolkitDoes) {
  const char* const texts[] = {"2.5",
                               "2,5",
                               " 2,5",
                               "2,5 ",
                               "\t2.5\n",
                               "+2.5",
                               "-2,5",
                               "\u22122.5",
                               "\u22122,5",
                               "2.",
                               "2,",
                               ".5",
                               ",5",
                               "-.5",
                               "-,5",
                               "1e5",
                               "1E5",
                               "1e+5",
                               "1e-5",
                               "1,5e3",
                               "1.5e3",
                               "5e\u22123",
                               "1.5e",
                               "1e",
                               "e5",
                               "2.5.1",
                               "2,5,1",
                               "1 000",
                               "1\u00a0000",
                               "1\u202f000",
                               "2,500",
                               "1.000,5",
                               "1,000.5",
                               "inf",
                               "-inf",
                               "+inf",
                               "\u2212inf",
                               "nan",
                               "NaN",
                               "+nan",
                               "infinity",
                               "1e400",
                               "-1e400",
                               "1e-400",
                               "1e-310",
                               "3e-324",
                               "2e-324",
                               "0x10",
                               "",
                               "  ",
                               ",",
                               ".",
                               "-",
                               "+",
                               "- 5",
                               "5 e5",
                               "++5",
                               "5-",
                               "00012",
                               "1.23E05",
                               "1,23E05",
                               "\u00a02.5\u3000",
                               "\u2003-7,25\u2029",
                               "\u0663",
                               "abc",
                               "12.30",
                               "12,30"};
  for (const char* name : {"C", "en_US", "ru_RU", "de_DE", "fr_FR"}) {
    QLocale toolkit(QString::fromLatin1(name));
    toolkit.setNumberOptions(toolkit.numberOptions() | QLocale::RejectGroupSeparator);
    for (const char* text : texts) {
      const QString typed = QString::fromUtf8(text);
      bool expectedOk = false;
      const double expected = toolkit.toDouble(typed, &expectedOk);
      bool ok = false;
      const double value = ui::localeNumber(typed, QLocale(QString::fromLatin1(name)), &ok);
      ASSERT_EQ(ok, expectedOk) << name << " [" << text << "]";
      if (ok && !std::isnan(expected)) {
        EXPECT_EQ(value, expected) << name << " [" << text << "]";
      }
    }
  }
}

TEST(QtTranslations, StandardTextsReadInRussian) {
  ASSERT_TRUE(ui::installQtTranslations(*QCoreApplication::instance()));
  EXPECT_EQ(QCoreApplication::translate("QWidgetTextControl", "Select All"),
            QString::fromUtf8("Выделить всё"));
  EXPECT_EQ(QCoreApplication::translate("QWidgetTextControl", "&Copy"),
            QString::fromUtf8("&Копировать"));
}

struct WrapCase {
  const char* name;
  QString text;
  bool changed;
};

class BreakableText : public ::testing::TestWithParam<WrapCase> {};

TEST_P(BreakableText, LongRunsGetABreakAndTheVisibleTextStays) {
  const QString shown = ui::breakableText(GetParam().text);
  EXPECT_EQ(QString(shown).remove(QChar(0x200B)), GetParam().text);
  EXPECT_EQ(shown != GetParam().text, GetParam().changed);
  int run = 0;
  for (const QChar ch : shown) {
    run = ch.isSpace() || ch == QChar(0x200B) ? 0 : run + 1;
    EXPECT_LE(run, 41);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, BreakableText,
    ::testing::Values(WrapCase{"ShortWords", QStringLiteral("Not a number: abc"), false},
                      WrapCase{"LongTypedText", QString(300, QChar('7')), true},
                      WrapCase{"LongWordsBetweenSpaces",
                               QString(39, QChar('a')) + ' ' + QString(39, QChar('b')), false},
                      WrapCase{"SurrogatePairsKeptWhole", QString::fromUtf8("😀").repeated(60),
                               true}),
    [](const ::testing::TestParamInfo<WrapCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ui_test
