// Qt's Russian texts and the wrapping of long messages.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "ui/message_sink.h"
#include "ui/qt_translations.h"

namespace ui_test {
namespace {

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
