// The dialog's test settings reach the log and the result line, which keeps the verdict in view.
#include "ui/results/result_line.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "chart/analysis_chart.h"
#include "engine/critical_points.h"
#include "engine/process_file.h"
#include "engine/result_sentence.h"
#include "tests/ui/window_fixture.h"
#include "ui/options/opt_form.h"
#include "ui/results/result_grid.h"

namespace ui_test {
namespace {

// 60 values, accepted: a sample whose own size is not the method's 100.
std::vector<double> sixtyValues() { return binnedSample(3.0, 1.0, {2, 4, 8, 12, 13, 10, 6, 3, 2}); }

struct Settings {
  int alpha = 0;  // indices into the dialog's lists, in the engine's order
  int gamma = 0;
  int coefficients = 0;
};

class ResultLineTest : public WindowTest {
 protected:
  // The engine's own run on a copy of the window's state: its sample in memory, or the file.
  engine::RunResult reference(engine::AnalysisState state, engine::RecordedView& view) const {
    engine::RunResult result;
    engine::ProcessFile(state, view, '.', result);
    return result;
  }
  engine::RunResult reference(const std::string& sample, engine::RecordedView& view) const {
    engine::AnalysisState state;
    engine::loadCriticalPoints("exttable.txt", state.CriticalPoints, view);
    state.FileName = sample;
    return reference(state, view);
  }
  QString tablePath() const { return QDir::current().absoluteFilePath("exttable.txt"); }
  QString expectedSentence(const engine::RunResult& result) const {
    return QString::fromStdString(engine::resultSentence(result, '.', tablePath().toStdString()));
  }
};

TEST_F(ResultLineTest, EachSettingTakesEffectOnTheNextApplyInBothModes) {
  writeSample("other.txt", 1.0, sixtyValues());
  ui::TMainForm& form = startOnAcceptedSample();
  ui::TOptForm& dialog = *ui::OptForm;
  EXPECT_EQ(dialog.CheckGroup->title(), QString::fromUtf8("Проверка и оценки"));
  EXPECT_EQ(dialog.AlphaOpt->currentText(), QStringLiteral("0.05"));
  EXPECT_EQ(dialog.GammaOpt->currentText(), QStringLiteral("0.95"));
  EXPECT_EQ(dialog.CoefficientsOpt->currentText(),
            QString::fromUtf8("для n = 100, как в методике"));

  const struct {
    const char* name;
    Settings settings;
    const char* file;  // typed into the file field: file mode; else numbers mode
    const char* sample;
    const char* levelLine;  // "" when the log has none
    const char* heading;
  } steps[] = {
      {"α 0.01",
       {2, 0, 0},
       nullptr,
       "Input.txt",
       "Уровень значимости α = 0.01",
       "Доверительные интервалы для надёжности = 0.95 и при n=100 имеют вид:"},
      {"α 0.025, γ 0.999",
       {1, 2, 0},
       nullptr,
       "Input.txt",
       "Уровень значимости α = 0.025",
       "Доверительные интервалы для надёжности = 0.999 и при n=100 имеют вид:"},
      {"γ 0.99, the sample's size, file mode",
       {0, 1, 1},
       "other.txt",
       "other.txt",
       "",
       "Доверительные интервалы для надёжности = 0.99 и при n=60 имеют вид:"},
      {"defaults again",
       {0, 0, 0},
       "Input.txt",
       "Input.txt",
       "",
       "Доверительные интервалы для надёжности = 0.95 и при n=100 имеют вид:"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    const QStringList before = form.logLines();
    dialog.AlphaOpt->setCurrentIndex(step.settings.alpha);
    dialog.GammaOpt->setCurrentIndex(step.settings.gamma);
    dialog.CoefficientsOpt->setCurrentIndex(step.settings.coefficients);
    EXPECT_EQ(form.logLines(), before);  // nothing until Apply
    if (step.file != nullptr) dialog.NameF->setText(QString::fromUtf8(step.file));
    QTest::mouseClick(dialog.OkBut, Qt::LeftButton);
    EXPECT_TRUE(messages_.empty());

    engine::RecordedView view;
    const engine::RunResult result = reference(form.state(), view);
    ASSERT_EQ(result.outcome, engine::RunOutcome::Accepted);
    // The same run on the sample in memory; a load adds its own lines before these.
    const QStringList log = recordedLog(view);
    ASSERT_GE(form.logLines().size(), log.size());
    EXPECT_EQ(form.logLines().mid(form.logLines().size() - log.size()), log);
    EXPECT_EQ(log.front(),
              QString::fromUtf8("Обрабатываю файл - ") + QString::fromUtf8(step.sample));
    EXPECT_EQ(form.logLines().contains(QString::fromUtf8(step.levelLine)), *step.levelLine != 0);
    if (*step.levelLine != 0) {
      const int at = static_cast<int>(form.logLines().indexOf(QString::fromUtf8(step.levelLine)));
      EXPECT_TRUE(form.logLines().value(at + 1).startsWith(QStringLiteral("Xb = ")));
    }
    EXPECT_EQ(form.logLines().value(form.logLines().size() - 3), QString::fromUtf8(step.heading));

    EXPECT_EQ(form.Result->sentence(), expectedSentence(result));
    EXPECT_EQ(form.Result->text(), form.Result->sentence());
    EXPECT_TRUE(form.Result->sentence().contains(
        QStringLiteral("α = ") +
        engine::levelText(engine::kSignificanceLevels[step.settings.alpha])));
    EXPECT_EQ(form.state().Alpha, engine::kSignificanceLevels[step.settings.alpha]);
  }
}

TEST_F(ResultLineTest, StoredChoicesSurviveAFieldErrorAndApplyOnTheNextRun) {
  ui::TMainForm& form = startOnAcceptedSample();
  ui::TOptForm& dialog = *ui::OptForm;
  const QStringList before = form.logLines();
  dialog.AlphaOpt->setCurrentIndex(2);
  dialog.LIopt->setText(QStringLiteral("abc"));
  QTest::mouseClick(dialog.OkBut, Qt::LeftButton);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(form.logLines(), before);
  EXPECT_EQ(form.state().Alpha, engine::SignificanceLevel::OnePercent);

  dialog.LIopt->setText(QStringLiteral("1.00"));
  QTest::mouseClick(dialog.OkBut, Qt::LeftButton);
  EXPECT_TRUE(form.logLines().contains(QString::fromUtf8("Уровень значимости α = 0.01")));
}

TEST_F(ResultLineTest, TellsEveryOutcomeApartByMoreThanColour) {
  const struct {
    const char* name;
    bool table;
    std::vector<double> sample;  // empty: no sample file
    const char* start;
    engine::RunOutcome outcome;
  } cases[] = {
      {"accepted", true, acceptedSample(),
       "✓ Гипотеза о нормальности принята: Xb = ", engine::RunOutcome::Accepted},
      {"rejected", true, rejectedSample(),
       "✗ Гипотеза о нормальности отвергнута: Xb = ", engine::RunOutcome::Rejected},
      {"no table", false, acceptedSample(), "⚠ Нет критической точки (α = 0.05, степеней свободы: ",
       engine::RunOutcome::NoCriticalPoint},
      {"no sample",
       true,
       {},
       "Проверка не проводилась: входной файл не открылся",
       engine::RunOutcome::FileNotOpened},
  };
  std::vector<QColor> colours;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    QFile::remove(QStringLiteral("exttable.txt"));
    QFile::remove(QStringLiteral("Input.txt"));
    if (c.table) writeTable();
    if (!c.sample.empty()) writeSample("Input.txt", 1.0, c.sample);
    ui::TMainForm& form = start();
    engine::RecordedView view;
    const engine::RunResult result = reference("Input.txt", view);
    ASSERT_EQ(result.outcome, c.outcome);

    const ui::ResultLine& line = *form.Result;
    EXPECT_TRUE(line.sentence().startsWith(QString::fromUtf8(c.start)))
        << line.sentence().toStdString();
    EXPECT_EQ(line.sentence(), expectedSentence(result));
    EXPECT_EQ(line.toolTip(), line.sentence());
    if (c.outcome == engine::RunOutcome::NoCriticalPoint) {
      // Where the table was looked for, in full.
      EXPECT_TRUE(line.sentence().endsWith(tablePath())) << line.sentence().toStdString();
      EXPECT_TRUE(QDir::isAbsolutePath(tablePath()));
      EXPECT_EQ(form.logLines().last(),
                QString::fromUtf8("Нет критической точки для ") +
                    QString::number(*result.degreesOfFreedom) +
                    QString::fromUtf8(" степеней свободы: проверка гипотезы невозможна"));
    }
    colours.push_back(line.palette().color(QPalette::WindowText));

    // Always in view: its own control between chart and grid, not a line of the log.
    EXPECT_TRUE(line.isVisibleTo(&form));
    EXPECT_EQ(line.parentWidget(), &form);
    EXPECT_GT(line.geometry().top(), form.Chart->geometry().bottom());
    EXPECT_LT(line.geometry().bottom(), form.StringGrid->geometry().top());
    EXPECT_FALSE(form.Log->toPlainText().contains(line.sentence()));
  }
  EXPECT_NE(colours[0], colours[1]);
  EXPECT_NE(colours[1], colours[2]);
}

TEST_F(ResultLineTest, TooLongASentenceGivesUpTheMiddleOfThePathFirst) {
  ui::TMainForm& form = startOnAcceptedSample();
  form.show();
  ui::ResultLine& line = *form.Result;
  // The shipped sample's sentence fits whole at the designed size.
  EXPECT_EQ(line.text(), line.sentence());

  engine::RunResult result;
  result.outcome = engine::RunOutcome::NoCriticalPoint;
  result.degreesOfFreedom = 4;
  result.statistic = 2.312088f;
  const QString path = QStringLiteral("/home/student/") + QString(300, QLatin1Char('d')) +
                       QStringLiteral("/exttable.txt");
  line.showResult(result, path, '.');
  EXPECT_TRUE(line.sentence().endsWith(path));
  EXPECT_EQ(line.toolTip(), line.sentence());
  const QString shown = line.text();
  EXPECT_NE(shown, line.sentence());
  EXPECT_TRUE(shown.startsWith(QString::fromUtf8("⚠ Нет критической точки (α = 0.05")));
  EXPECT_TRUE(shown.contains(QStringLiteral("/home/student/")));
  EXPECT_TRUE(shown.endsWith(QStringLiteral("/exttable.txt"))) << shown.toStdString();
  EXPECT_LE(QFontMetrics(line.font()).horizontalAdvance(shown), line.contentsRect().width());

  // A wider window shows more of the path.
  form.resize(form.size() + QSize(400, 0));
  EXPECT_GT(line.text().size(), shown.size());
}

TEST_F(ResultLineTest, ANoticeBorrowsTheLineAndTheVerdictComesBack) {
  writeSample("rejected.txt", 1.0, rejectedSample());
  ui::TMainForm& form = startOnAcceptedSample();
  form.show();
  ui::ResultLine& line = *form.Result;
  const QString accepted = line.sentence();
  const QColor plain = QApplication::palette(&line).color(QPalette::WindowText);
  const QColor acceptedTone = line.palette().color(QPalette::WindowText);
  ASSERT_NE(acceptedTone, plain);

  const QString notice = QString::fromUtf8("Отчёт сохранён: /home/student/") +
                         QString(300, QLatin1Char('d')) + QStringLiteral("/report.pdf");
  line.showNotice(notice);
  EXPECT_EQ(line.notice(), notice);
  EXPECT_EQ(line.toolTip(), notice);
  EXPECT_EQ(line.sentence(), accepted);  // kept, not lost
  EXPECT_EQ(line.palette().color(QPalette::WindowText), plain);
  // Too long for the line: the path's middle gives way, the words and the file's name stay.
  EXPECT_TRUE(line.text().startsWith(QString::fromUtf8("Отчёт сохранён: /home/")));
  EXPECT_TRUE(line.text().endsWith(QStringLiteral("/report.pdf"))) << line.text().toStdString();
  EXPECT_LE(QFontMetrics(line.font()).horizontalAdvance(line.text()), line.contentsRect().width());

  // When its time is up the verdict is back, in its colour.
  QTimer* timer = line.findChild<QTimer*>();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), ui::ResultLine::kNoticeMs);
  timer->start(1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return line.notice().isEmpty(); }, 5000));
  EXPECT_EQ(line.text(), accepted);
  EXPECT_EQ(line.toolTip(), accepted);
  EXPECT_EQ(line.palette().color(QPalette::WindowText), acceptedTone);

  // A new run ends a notice at once; a verdict-less run after a rejected one is not in red.
  line.showNotice(QString::fromUtf8("Таблица скопирована в буфер обмена"));
  form.openSample(QDir::current().absoluteFilePath("rejected.txt"));
  EXPECT_TRUE(line.notice().isEmpty());
  EXPECT_FALSE(timer->isActive());
  EXPECT_TRUE(line.text().startsWith(QString::fromUtf8("✗"))) << line.text().toStdString();
  const QColor rejectedTone = line.palette().color(QPalette::WindowText);
  EXPECT_NE(rejectedTone, plain);
  engine::RunResult none;
  none.outcome = engine::RunOutcome::FileNotOpened;
  line.showResult(none, tablePath(), '.');
  EXPECT_EQ(line.palette().color(QPalette::WindowText), plain);
}

TEST_F(ResultLineTest, ChoicesFitTheirBoxes) {
  start();
  const ui::TOptForm& dialog = *ui::OptForm;
  for (const QComboBox* box : {dialog.AlphaOpt, dialog.GammaOpt, dialog.CoefficientsOpt}) {
    const QFontMetrics metrics(box->font());
    for (int i = 0; i < box->count(); ++i)
      EXPECT_LE(metrics.horizontalAdvance(box->itemText(i)) + 24, box->width())
          << box->itemText(i).toStdString();
    EXPECT_LE(metrics.height() + 4, box->height());
  }
  EXPECT_LE(QFontMetrics(dialog.CheckGroup->font()).horizontalAdvance(dialog.CheckGroup->title()),
            dialog.CheckGroup->width() - 16);
  // The group lies under the four fields and above the buttons, inside the dialog.
  EXPECT_GT(dialog.CheckGroup->geometry().top(), dialog.XmaxOpt->geometry().bottom());
  EXPECT_LT(dialog.CheckGroup->geometry().bottom(), dialog.OkBut->geometry().top());
  EXPECT_TRUE(dialog.rect().contains(dialog.CanBut->geometry()));
}

}  // namespace
}  // namespace ui_test
