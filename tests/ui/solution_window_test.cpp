// The worked solution in the window: F2 opens it beside the main window, it follows every run,
// the grid's headers explain their columns, and the report adds it only when asked.
#include "ui/solution/solution_window.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextFragment>

#include "report/automation/document_application.h"
#include "report/delivery/report_delivery.h"
#include "tests/ui/window_fixture.h"
#include "ui/main_window/main_menu.h"
#include "ui/results/result_grid.h"
#include "ui/solution/solution_actions.h"

namespace ui_test {
namespace {

class Solution : public ShownWindowTest {
 protected:
  void TearDown() override {
    if (ui::SolutionWindow* window = mainForm_->solution()->window()) window->close();
    ShownWindowTest::TearDown();
  }
  QString shownText() const { return mainForm_->solution()->window()->browser()->toPlainText(); }
};

// How many characters of the shown text sit below or above the line.
std::pair<int, int> scriptedCharacters(const QTextDocument& document) {
  int sub = 0, sup = 0;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const auto align = fragment.charFormat().verticalAlignment();
      if (align == QTextCharFormat::AlignSubScript) sub += fragment.length();
      if (align == QTextCharFormat::AlignSuperScript) sup += fragment.length();
    }
  }
  return {sub, sup};
}

TEST_F(Solution, F2OpensAWindowBesideTheMainOneWithRealScripts) {
  EXPECT_EQ(mainForm_->solution()->showAction()->shortcut(), QKeySequence(Qt::Key_F2));
  // "Анализ → Ход решения" is the same command.
  EXPECT_TRUE(
      mainForm_->Menu->analysisMenu->actions().contains(mainForm_->solution()->showAction()));
  EXPECT_EQ(mainForm_->solution()->window(), nullptr);  // made on first use
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
  ui::SolutionWindow* window = mainForm_->solution()->window();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->isWindow());
  EXPECT_EQ(window->windowModality(), Qt::NonModal);
  EXPECT_TRUE(mainForm_->isEnabled());
  const QString mean = mainForm_->StringGrid->cell(3, mainForm_->gridRowCount() - 1);
  EXPECT_TRUE(shownText().contains(" = " + mean + " (столбец 4, строка итогов)"))
      << mean.toStdString();
  const auto [sub, sup] = scriptedCharacters(*window->browser()->document());
  EXPECT_GT(sub, 50);
  EXPECT_GT(sup, 5);
}

TEST_F(Solution, OpenWindowFollowsEveryRun) {
  mainForm_->solution()->showAction()->trigger();
  EXPECT_TRUE(shownText().contains("Длина интервала h = 1;"));
  mainForm_->state().IntervalLength = 0.0f;
  mainForm_->ProcessFile();
  EXPECT_TRUE(shownText().contains("Длина интервала h = 0 не годится"));
  mainForm_->state().IntervalLength = 2.0f;
  mainForm_->ProcessFile();
  EXPECT_TRUE(shownText().contains("Длина интервала h = 2;"));
  EXPECT_FALSE(shownText().contains("не годится"));
}

TEST_F(Solution, GridHeadersExplainTheirColumns) {
  const QAbstractItemModel* model = mainForm_->StringGrid->model();
  for (int column = 0; column < 11; ++column) {
    const QString tip = model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.startsWith("<qt>Столбец " + QString::number(column + 1) + ": ")) << column;
  }
  EXPECT_TRUE(model->headerData(9, Qt::Horizontal, Qt::ToolTipRole)
                  .toString()
                  .contains("<i>n</i>′<sub><i>i</i></sub> = <i>n</i>·<i>h</i>·φ("));
  EXPECT_TRUE(model->headerData(0, Qt::Vertical, Qt::ToolTipRole).isNull());
}

// The report's paragraphs below the grid's table.
QStringList textBelowTheGrid(const report::DocumentModel& document) {
  QStringList paragraphs;
  bool below = false;
  for (const report::Block& block : document.blocks()) {
    if (std::holds_alternative<report::Table>(block)) {
      if (below) paragraphs << "<table>";
      below = true;
    } else if (below) {
      paragraphs << QString::fromStdString(
          engine::paragraphText(std::get<report::Paragraph>(block)));
    }
  }
  return paragraphs;
}

TEST_F(Solution, ReportAddsItAfterTheLogOnlyWhenTheOptionIsOn) {
  QTemporaryDir folder;
  auto word = std::make_unique<report::DocumentApplication>(
      report::openInFolder(
          folder.path(), [](const QString&) { return QString(); },
          [](const QString& text) { ui::showMessageBox(text); }),
      report::systemClipboardPicture);
  report::DocumentApplication& application = *word;
  mainForm_->setWordApplication(std::move(word));

  QAction* option = mainForm_->solution()->reportAction();
  EXPECT_TRUE(option->isCheckable());
  EXPECT_FALSE(option->isChecked());
  mainForm_->Word1->trigger();
  option->setChecked(true);
  mainForm_->Word1->trigger();
  ASSERT_EQ(application.documents().size(), 2u);
  const QStringList plain = textBelowTheGrid(*application.documents()[0]);
  const QStringList solved = textBelowTheGrid(*application.documents()[1]);
  ASSERT_EQ(plain.size(), mainForm_->logLines().size() + 2);
  // The same report up to the log's end, then an empty line and the solution.
  ASSERT_GT(solved.size(), plain.size() + 20);
  EXPECT_EQ(solved.mid(0, plain.size()), plain);
  EXPECT_EQ(solved[plain.size()], "Ход решения");
  EXPECT_TRUE(solved.contains("<table>"));
  EXPECT_TRUE(messages_.empty());
}

}  // namespace
}  // namespace ui_test
