// The layout scales with the screen and cuts no text; the focus orders are as designed.
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "analysis_chart.h"
#include "layout_scale.h"
#include "opt_form.h"
#include "result_grid.h"
#include "window_fixture.h"

namespace ui_test {
namespace {

class FittingFactor : public ::testing::TestWithParam<double> {};

TEST_P(FittingFactor, NeverShrinksBelowTheScreenAndFitsEveryFixedText) {
  const double dpiFactor = GetParam();
  const QFont font = ui::formFont();
  const double factor = ui::fittingFactor(dpiFactor, font, ui::fixedTexts());
  EXPECT_GE(factor, dpiFactor);
  const QFontMetricsF metrics(font);
  for (const ui::TextFit& fit : ui::fixedTexts())
    EXPECT_LE(metrics.horizontalAdvance(fit.text) + fit.padding, fit.designWidth * factor)
        << fit.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Screens, FittingFactor, ::testing::Values(0.5, 0.8, 1.0, 1.25, 2.0));

TEST(FittingFactor, LeavesARoomyLayoutAsTheScreenGivesIt) {
  EXPECT_EQ(ui::fittingFactor(3.0, ui::formFont(), ui::fixedTexts()), 3.0);
}

class Layout : public WindowTest {};

// Every caption fits inside its control with the control's frame around it.
void expectCaptionsFit(const QWidget& window) {
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    const QFontMetrics metrics(label->font());
    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
    EXPECT_LE(metrics.height(), label->height()) << label->text().toStdString();
  }
  for (const QPushButton* button : window.findChildren<QPushButton*>()) {
    const QFontMetrics metrics(button->font());
    EXPECT_LE(metrics.horizontalAdvance(button->text()) + 8, button->width())
        << button->text().toStdString();
  }
  for (const QLineEdit* field : window.findChildren<QLineEdit*>()) {
    const QFontMetrics metrics(field->font());
    EXPECT_LE(metrics.horizontalAdvance(field->text()) + 6, field->width())
        << field->text().toStdString();
    EXPECT_LE(metrics.height() + 4, field->height());
  }
}

TEST_F(Layout, NoCaptionOrFieldTextIsCutOff) {
  writeTable();
  writeSample("Input.txt", 1.0, acceptedSample());
  ui::TMainForm& form = start();
  expectCaptionsFit(form);
  expectCaptionsFit(*ui::OptForm);
}

TEST_F(Layout, EveryGridCellOfARunFitsItsColumn) {
  writeTable();
  writeSample("Input.txt", 1.0, acceptedSample());
  ui::TMainForm& form = start();
  const QFontMetrics metrics(form.StringGrid->font());
  const auto grid = shownGrid(form);
  for (const auto& row : grid)
    for (size_t column = 0; column < row.size(); ++column)
      EXPECT_LE(metrics.horizontalAdvance(row[column]) + 6,
                form.StringGrid->columnWidth(static_cast<int>(column)))
          << row[column].toStdString();
}

// The widgets that Tab visits from `first`, in order, within its window.
std::vector<QWidget*> tabChain(QWidget* first, int count) {
  std::vector<QWidget*> chain{first};
  QWidget* widget = first;
  while (static_cast<int>(chain.size()) < count) {
    widget = widget->nextInFocusChain();
    if (widget == first) break;
    if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(first->window()) &&
        widget->window() == first->window() && widget->isEnabled() &&
        widget->focusProxy() == nullptr)
      chain.push_back(widget);
  }
  return chain;
}

TEST_F(Layout, TabOrdersFollowTheDesign) {
  ui::TMainForm& form = start();
  const std::vector<QWidget*> mainOrder = {form.Log, form.Chart, form.StringGrid, form.Option,
                                           form.ExitBut};
  EXPECT_EQ(tabChain(form.Log, 5), mainOrder);
  ui::TOptForm& dialog = *ui::OptForm;
  const std::vector<QWidget*> dialogOrder = {dialog.LIopt,   dialog.XminOpt, dialog.NameF,
                                             dialog.XmaxOpt, dialog.OkBut,   dialog.CanBut};
  EXPECT_EQ(tabChain(dialog.LIopt, 6), dialogOrder);
}

}  // namespace
}  // namespace ui_test
