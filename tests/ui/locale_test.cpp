// Under a comma locale the log, the dialog and Apply all use the comma (run with
// LC_ALL=ru_RU.UTF-8).
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include "tests/ui/window_fixture.h"
#include "ui/options/opt_form.h"

namespace ui_test {
namespace {

class CommaLocale : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_EQ(QLocale::system().decimalPoint(), QStringLiteral(","))
        << "run this suite with LC_ALL=ru_RU.UTF-8";
    writeTable();
    writeSample("Input.txt", 0.5, binnedSample(12.345, 0.5, {2, 5, 10, 17, 22, 18, 12, 8, 4, 2}));
    start();
  }
};

TEST_F(CommaLocale, LogAndDialogWriteNumbersWithAComma) {
  EXPECT_TRUE(mainForm_->logLines().contains(QString::fromUtf8("Длина интервала 0,5")));
  EXPECT_EQ(ui::OptForm->LIopt->text(), QStringLiteral("0,50"));
  EXPECT_EQ(ui::OptForm->XminOpt->text(), QStringLiteral("12,30"));
}

TEST_F(CommaLocale, ChoicesShowTheCommaButTheLogKeepsThePointOfItsLevelAndReliability) {
  EXPECT_EQ(ui::OptForm->AlphaOpt->itemText(1), QStringLiteral("0,025"));
  EXPECT_EQ(ui::OptForm->GammaOpt->itemText(2), QStringLiteral("0,999"));
  ui::OptForm->AlphaOpt->setCurrentIndex(1);
  ui::OptForm->GammaOpt->setCurrentIndex(2);
  QTest::mouseClick(ui::OptForm->OkBut, Qt::LeftButton);
  const QStringList& log = mainForm_->logLines();
  EXPECT_TRUE(log.contains(QString::fromUtf8("Уровень значимости α = 0.025")));
  EXPECT_EQ(
      log.value(log.size() - 3),
      QString::fromUtf8("Доверительные интервалы для надёжности = 0.999 и при n=100 имеют вид:"));
}

TEST_F(CommaLocale, ApplyReadsTheCommaAndThePoint) {
  ui::OptForm->XminOpt->setText(QStringLiteral("12,3"));
  QTest::mouseClick(ui::OptForm->OkBut, Qt::LeftButton);
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(mainForm_->state().Xmin, 12.3f);
  EXPECT_TRUE(mainForm_->logLines().contains(QString::fromUtf8("Минимальный элемент равен 12,3")));

  for (const auto& [typed, value] :
       {std::pair{"2.5", 2.5f}, std::pair{"2,5", 2.5f}, std::pair{"0.25", 0.25f}}) {
    ui::OptForm->LIopt->setText(QString::fromUtf8(typed));
    QTest::mouseClick(ui::OptForm->OkBut, Qt::LeftButton);
    EXPECT_TRUE(messages_.empty()) << typed;
    EXPECT_EQ(mainForm_->state().IntervalLength, value) << typed;
  }
  // A blank is no group separator either.
  ui::OptForm->LIopt->setText(QStringLiteral("1 000,5"));
  QTest::mouseClick(ui::OptForm->OkBut, Qt::LeftButton);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].kind, ui::MessageKind::Error);
  EXPECT_EQ(mainForm_->state().IntervalLength, 0.25f);
}

}  // namespace
}  // namespace ui_test
