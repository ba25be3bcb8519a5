// The windows fit the screen, follow the window's size and cut no text; the focus orders are as
// designed.
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "chart/analysis_chart.h"
#include "tests/ui/window_fixture.h"
#include "ui/layout_scale.h"
#include "ui/main_window/main_layout.h"
#include "ui/options/opt_form.h"
#include "ui/results/result_grid.h"

namespace ui_test {
namespace {

struct ScreenCase {
  const char* name;
  double logicalDpi;
  QRect available;
  double factor;
  QPoint topLeft;
};

class ScreenChoice : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(ScreenChoice, ScaleFollowsTheDensityUntilTheFramedWindowWouldLeaveTheScreen) {
  const ScreenCase& screen = GetParam();
  const double factor =
      ui::screenFactor(ui::ScreenSpec{screen.logicalDpi, screen.available}, ui::kMainWindowFrame);
  EXPECT_NEAR(factor, screen.factor, 1e-3);
  const QPoint corner = ui::placeFrame(screen.available, ui::kMainWindowFrame, factor);
  EXPECT_EQ(corner, screen.topLeft);
  const QRect frame(corner, ui::LayoutScale(factor).size(850, 595));
  EXPECT_TRUE(screen.available.contains(frame))
      << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScreenChoice,
    ::testing::Values(
        ScreenCase{"DesignDensity", 120, QRect(0, 0, 1920, 1080), 1.0, QPoint(171, 39)},
        // Qt reports 96 logical dpi and scales the pixels itself for Xft.dpi 120 to 192.
        ScreenCase{"Logical96On1280x800", 96, QRect(0, 0, 1280, 800), 0.8, QPoint(137, 31)},
        ScreenCase{"Dpi192On1280x800AsQtScalesIt", 96, QRect(0, 0, 640, 400), 400.0 / 595,
                   QPoint(69, 0)},
        ScreenCase{"Dpi144On1280x800AsQtScalesIt", 96, QRect(0, 0, 853, 533), 0.8, QPoint(137, 31)},
        ScreenCase{"UnscaledDpi192", 192, QRect(0, 0, 1920, 1200), 1.6, QPoint(274, 62)},
        ScreenCase{"PanelOnTheLeft", 120, QRect(48, 0, 1232, 800), 1.0, QPoint(219, 39)},
        ScreenCase{"PanelAtTheTopOfASmallScreen", 120, QRect(0, 30, 800, 570), 800.0 / 850,
                   QPoint(0, 40)},
        ScreenCase{"UnknownDensity", 0, QRect(0, 0, 1280, 800), 1.0, QPoint(171, 39)}),
    [](const ::testing::TestParamInfo<ScreenCase>& info) { return std::string(info.param.name); });

TEST(ScreenChoice, DialogIsMovedInWhereItsDesignedPlaceLeavesTheScreen) {
  const QRect available(0, 0, 500, 400);
  const QPoint corner = ui::placeFrame(available, ui::kOptionsFrame, 1.0);
  EXPECT_EQ(corner, QPoint(500 - 295, 400 - 368));
}

class FontChoice : public ::testing::TestWithParam<double> {};

TEST_P(FontChoice, EveryFixedTextFitsItsControlAndTheFontNeverExceedsItsDesignedSize) {
  const double factor = GetParam();
  const ui::LayoutScale scale(factor);
  const QFont font = ui::fittingFont(factor, ui::formFontFamilies(), ui::fixedTexts());
  EXPECT_LE(font.pixelSize(), std::lround(13 * factor));
  const QFontMetricsF metrics(font);
  for (const ui::TextFit& fit : ui::fixedTexts()) {
    EXPECT_LE(metrics.horizontalAdvance(fit.text) + fit.padding, scale.px(fit.designWidth))
        << fit.text.toStdString() << " at " << font.pixelSize() << " px";
    EXPECT_LE(metrics.height(), scale.px(fit.designHeight)) << fit.text.toStdString();
  }
}

// The factors of a 1280 x 800 screen at Xft.dpi 96 to 192, and of an unscaled 192-dpi screen.
INSTANTIATE_TEST_SUITE_P(Factors, FontChoice, ::testing::Values(400.0 / 595, 0.8, 1.0, 1.6));

TEST(FontChoice, RoomyControlsKeepTheDesignedSizeInTheFirstFace) {
  const QStringList faces = ui::formFontFamilies();
  ASSERT_FALSE(faces.isEmpty());
  const std::vector<ui::TextFit> roomy = {{QStringLiteral("Выход"), 400, 60, 12}};
  const QFont font = ui::fittingFont(1.0, faces, roomy);
  EXPECT_EQ(font.pixelSize(), 13);
  EXPECT_EQ(font.families().value(0), faces.front());
}

struct ResizeCase {
  const char* name;
  QSize extra;
};

class ResizeGeometry : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(ResizeGeometry, ChartGridAndLogTakeTheRoomButtonsKeepSizeAtTheRight) {
  const ui::LayoutScale scale(1.0);
  const QSize designedClient = ui::designedClientSize(scale);
  const ui::MainLayout designed = ui::mainLayout(scale, designedClient);
  const QSize extra = GetParam().extra;
  const QSize client = designedClient + extra;
  const ui::MainLayout grown = ui::mainLayout(scale, client);

  EXPECT_EQ(grown.chart.width() - designed.chart.width(), extra.width());
  EXPECT_EQ(grown.grid.width() - designed.grid.width(), extra.width());
  EXPECT_EQ(grown.log.width() - designed.log.width(), extra.width());
  EXPECT_EQ(
      grown.chart.height() + grown.grid.height() + grown.log.height(),
      designed.chart.height() + designed.grid.height() + designed.log.height() + extra.height());
  // Each grows in the proportion of its height (265 : 147 : 89), to the pixel.
  const struct {
    int grown, designed, share;
  } heights[] = {{grown.chart.height(), designed.chart.height(), 265},
                 {grown.grid.height(), designed.grid.height(), 147},
                 {grown.log.height(), designed.log.height(), 89}};
  for (const auto& h : heights)
    EXPECT_NEAR(h.grown - h.designed, extra.height() * h.share / 501.0, 1.0) << h.share;
  for (const auto& [button, was] :
       {std::pair{grown.option, designed.option}, std::pair{grown.exitBut, designed.exitBut}}) {
    EXPECT_EQ(button.size(), was.size());
    EXPECT_EQ(client.width() - button.right(), designedClient.width() - was.right());
    EXPECT_EQ(client.height() - button.bottom(), designedClient.height() - was.bottom());
  }
  // Stacked without overlap and inside the client area.
  EXPECT_LT(grown.chart.bottom(), grown.result.top());
  EXPECT_EQ(grown.result.height(), designed.result.height());
  EXPECT_EQ(grown.result.width(), grown.chart.width());
  EXPECT_LT(grown.result.bottom(), grown.grid.top());
  EXPECT_LT(grown.grid.bottom(), grown.log.top());
  EXPECT_LT(grown.log.right(), grown.option.left());
  EXPECT_LT(grown.option.bottom(), grown.exitBut.top());
  EXPECT_TRUE(QRect(QPoint(0, 0), client).contains(grown.exitBut));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ResizeGeometry,
                         ::testing::Values(ResizeCase{"Designed", QSize(0, 0)},
                                           ResizeCase{"Wider", QSize(300, 0)},
                                           ResizeCase{"Taller", QSize(0, 251)},
                                           ResizeCase{"Maximised", QSize(446, 247)}),
                         [](const ::testing::TestParamInfo<ResizeCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ResizeGeometry, DesignedSizePutsEveryControlWhereItWasDrawn) {
  const ui::LayoutScale scale(1.0);
  const ui::MainLayout layout = ui::mainLayout(scale, ui::designedClientSize(scale));
  EXPECT_EQ(layout.chart, QRect(8, 8, 785, 265));
  EXPECT_EQ(layout.result, QRect(8, 276, 785, 22));
  EXPECT_EQ(layout.grid, QRect(8, 302, 785, 147));
  EXPECT_EQ(layout.log, QRect(8, 456, 585, 89));
  EXPECT_EQ(layout.option, QRect(600, 456, 193, 41));
  EXPECT_EQ(layout.exitBut, QRect(600, 504, 193, 41));
}

class Layout : public WindowTest {};

// Every caption fits inside its control with the control's frame around it.
void expectCaptionsFit(const QWidget& window) {
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    const QFontMetrics metrics(label->font());
    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width())
        << label->text().toStdString();
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
  ui::TMainForm& form = startOnAcceptedSample();
  expectCaptionsFit(form);
  expectCaptionsFit(*ui::OptForm);
}

TEST_F(Layout, EveryGridCellOfARunFitsItsColumn) {
  ui::TMainForm& form = startOnAcceptedSample();
  const QFontMetrics metrics(form.StringGrid->font());
  const auto grid = shownGrid(form);
  for (const auto& row : grid)
    for (size_t column = 0; column < row.size(); ++column)
      EXPECT_LE(metrics.horizontalAdvance(row[column]) + 6,
                form.StringGrid->columnWidth(static_cast<int>(column)))
          << row[column].toStdString();
}

TEST_F(Layout, EnlargedWindowShowsALargerChartAndMoreGridRowsAndKeepsItsMinimum) {
  ui::TMainForm& form = startOnAcceptedSample();
  form.show();  // a hidden window defers its resizes
  EXPECT_EQ(form.minimumSize(), form.size());
  const QSize chart = form.Chart->size();
  auto rowsShown = [&form] {
    const QRect view = form.StringGrid->viewport()->rect();
    int shown = 0;
    for (int row = 0; row < form.StringGrid->model()->rowCount(); ++row)
      if (view.contains(form.StringGrid->visualRect(form.StringGrid->model()->index(row, 0))))
        ++shown;
    return shown;
  };
  const int before = rowsShown();
  ASSERT_LT(before, form.StringGrid->model()->rowCount());
  form.resize(form.size() + QSize(400, 300));
  EXPECT_GT(form.Chart->width(), chart.width());
  EXPECT_GT(form.Chart->height(), chart.height());
  EXPECT_GT(rowsShown(), before);
  form.resize(10, 10);
  EXPECT_EQ(form.size(), form.minimumSize());
}

TEST_F(Layout, OptionsDialogKeepsItsSizeAndCannotBeMaximised) {
  start();
  const ui::TOptForm& dialog = *ui::OptForm;
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
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
  const std::vector<QWidget*> dialogOrder = {
      dialog.LIopt,    dialog.XminOpt,         dialog.NameF, dialog.XmaxOpt, dialog.AlphaOpt,
      dialog.GammaOpt, dialog.CoefficientsOpt, dialog.OkBut, dialog.CanBut};
  EXPECT_EQ(tabChain(dialog.LIopt, 9), dialogOrder);
}

}  // namespace
}  // namespace ui_test
