// Tests of the start of a run: loading, the range, the number of intervals and the early stops.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "engine/process_file.h"
#include "engine/recorded_view.h"
#include "engine/texts.h"
#include "tests/engine/test_files.h"

namespace engine {
namespace {

using Lines = std::vector<std::string>;

Lines firstLines(const RecordedView& view, size_t count) {
  const Lines& log = view.log();
  return Lines(log.begin(), log.begin() + static_cast<std::ptrdiff_t>(std::min(count, log.size())));
}

// Writes `contents` to a fresh file and runs on it, as after a file was chosen.
RecordedView runOnNewFile(AnalysisState& state, const std::string& name,
                          const std::string& contents) {
  testing::TempDir dir;
  state.FileName = dir.write(name, contents);
  RecordedView view;
  ProcessFile(state, view, '.');
  return view;
}

TEST(RunStart, LogsSizeNameLengthRangeAndIntervalCountOfAFreshFile) {
  AnalysisState state;
  const RecordedView view = runOnNewFile(state, "Input.txt", "2\n10\n12\n14\n");
  EXPECT_EQ(firstLines(view, 6),
            (Lines{"Загружено 3 элементов", "Обрабатываю файл - " + state.FileName,
                   "Длина интервала 2", "Минимальный элемент равен 10",
                   "Максимальный элемент равен 14", "Число интервалов равно 3"}));
  EXPECT_FALSE(state.FileChanged);
  EXPECT_EQ(state.IntervalLength, 2.0f);
  EXPECT_EQ(state.SampleCount, 3);
  EXPECT_EQ(state.Xmin, 10.0f);
  EXPECT_EQ(state.Xmax, 14.0f);
}

TEST(RunStart, UnopenableFileLeavesOneLineAnEmptyViewAndTheStateAsItWas) {
  testing::TempDir dir;
  const std::string fifo = dir.file("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // A directory and a pipe open, but are not files to read: the pipe would even block.
  for (const std::string& name :
       {std::string(""), std::string("no-such-file.txt"), dir.file(""), fifo}) {
    AnalysisState state = testing::stateInMemory({1, 2, 3}, 1, 1, 3);
    state.FileChanged = true;
    state.FileName = name;
    RecordedView view;
    view.setGridCell(3, 2, "old");
    view.appendPoint(kCurveSeries, 1, 1, "", kRed);
    EXPECT_EQ(ProcessFile(state, view, '.'), RunOutcome::FileNotOpened);
    EXPECT_EQ(view.log(), Lines{text::kFileNotOpened});
    EXPECT_EQ(view.cell(3, 2), "");
    EXPECT_TRUE(view.histogram().empty());
    EXPECT_TRUE(view.curve().empty());
    EXPECT_FALSE(state.FileChanged);
    EXPECT_EQ(state.SampleCount, 3);
    EXPECT_EQ(state.Xmax, 3.0f);
  }
}

TEST(RunStart, StopLineFollowsTheLoadedCountAndTheRunGoesOn) {
  AnalysisState state;
  const RecordedView view = runOnNewFile(state, "comma.txt", "2\n10\n12,5\n14\n");
  EXPECT_EQ(firstLines(view, 4),
            (Lines{"Загружено 2 элементов", "Чтение файла остановлено в строке 3 на «,5»",
                   "Обрабатываю файл - " + state.FileName, "Длина интервала 2"}));
  EXPECT_EQ(state.SampleCount, 2);
}

// Small files are read from memory, large ones from the file itself: both read the same.
TEST(RunStart, LargeFileReadsAndStopsAsASmallOneDoes) {
  const std::string values = "2\n10\n1e+5x\n14\n";
  for (const size_t padding : {size_t{0}, size_t{64 * 1024}, size_t{200 * 1024}}) {
    SCOPED_TRACE(padding);
    AnalysisState state;
    const std::string blanks(padding, ' ');
    const RecordedView view =
        runOnNewFile(state, "padded.txt", "\xEF\xBB\xBF" + blanks + "\r\n" + values);
    EXPECT_EQ(firstLines(view, 2),
              (Lines{"Загружено 2 элементов", "Чтение файла остановлено в строке 4 на «x»"}));
    EXPECT_EQ(state.IntervalLength, 2.0f);
    EXPECT_EQ(state.Sample[1], 1e5f);  // the number ends where "x" begins
  }
}

TEST(RunStart, EmptySampleStopsBeforeTheFileNameLineAndKeepsTheRange) {
  testing::TempDir dir;
  const std::pair<const char*, Lines> cases[] = {
      {"", {"Загружено 0 элементов", text::kNoData}},
      {"0.5\n", {"Загружено 0 элементов", text::kNoData}},
      {"abc",
       {"Загружено 0 элементов", "Чтение файла остановлено в строке 1 на «abc»", text::kNoData}},
  };
  for (const auto& [contents, expectedLog] : cases) {
    AnalysisState state = testing::stateInMemory({}, 1, -4, 9);
    state.FileChanged = true;
    state.FileName = dir.write("empty.txt", contents);
    RecordedView view;
    EXPECT_EQ(ProcessFile(state, view, '.'), RunOutcome::NoData);
    EXPECT_EQ(view.log(), expectedLog) << contents;
    EXPECT_EQ(state.Xmin, -4.0f);
    EXPECT_EQ(state.Xmax, 9.0f);
  }
  AnalysisState inMemory = testing::stateInMemory({}, 1, 0, 1);
  RecordedView view;
  EXPECT_EQ(ProcessFile(inMemory, view, '.'), RunOutcome::NoData);
  EXPECT_EQ(view.log(), Lines{text::kNoData});
}

TEST(RunStart, AtMost200ValuesAreLoaded) {
  std::ostringstream text;
  text << "1";
  for (int i = 0; i < 250; ++i) text << ' ' << i % 10;
  AnalysisState state;
  EXPECT_EQ(runOnNewFile(state, "many.txt", text.str()).log().front(), "Загружено 200 элементов");
}

TEST(RunStart, RunWithoutPendingFileChangeUsesTheStateAsSet) {
  AnalysisState state = testing::stateInMemory({1, 2, 3, 4}, 0.5f, -1.25f, 7.5f);
  RecordedView view;
  ProcessFile(state, view, ',');
  EXPECT_EQ(firstLines(view, 5),
            (Lines{"Обрабатываю файл - sample.txt", "Длина интервала 0,5",
                   "Минимальный элемент равен -1,25", "Максимальный элемент равен 7,5",
                   "Число интервалов равно 18"}));
}

struct IntervalCase {
  const char* name;
  float xmin, xmax, h;
  std::string countLine;
  bool tooMany;
};

class IntervalCountTest : public ::testing::TestWithParam<IntervalCase> {};

TEST_P(IntervalCountTest, TruncatesTheQuotientAndStopsAboveTwenty) {
  const IntervalCase& c = GetParam();
  AnalysisState state = testing::stateInMemory({c.xmin, c.xmax}, c.h, c.xmin, c.xmax);
  RecordedView view;
  const RunOutcome outcome = ProcessFile(state, view, '.');
  ASSERT_GE(view.log().size(), 5u);
  EXPECT_EQ(view.log()[4], "Число интервалов равно " + c.countLine);
  if (c.tooMany) {
    EXPECT_EQ(outcome, RunOutcome::TooManyIntervals);
    EXPECT_EQ(view.log().back(), text::kTooManyIntervals);
    EXPECT_EQ(view.log().size(), 6u);
  } else {
    EXPECT_NE(outcome, RunOutcome::TooManyIntervals);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, IntervalCountTest,
    ::testing::Values(IntervalCase{"TwentyIsAnalysed", 0, 19.5f, 1, "20", false},
                      IntervalCase{"TwentyOneIsTooMany", 0, 20, 1, "21", true},
                      IntervalCase{"FloatTenthGivesTen", 1, 2, 0.1f, "10", false},
                      IntervalCase{"EqualBoundsGiveOne", 5, 5, 1, "1", false},
                      IntervalCase{"JustAboveThirtyTwoBits", 0, 4294967296.0f, 1, "4294967297",
                                   true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunStart, HugeIntervalCountIsWrittenAsAWholeNumber) {
  AnalysisState state = testing::stateInMemory({0, 1e30f}, 1e-10f, 0, 1e30f);
  RecordedView view;
  EXPECT_EQ(ProcessFile(state, view, '.'), RunOutcome::TooManyIntervals);
  ASSERT_EQ(view.log().size(), 6u);
  const std::string prefix = "Число интервалов равно ";
  const std::string count = view.log()[4].substr(prefix.size());
  EXPECT_EQ(view.log()[4].substr(0, prefix.size()), prefix);
  EXPECT_EQ(count.size(), 41u);  // about 1e40
  EXPECT_EQ(count.find_first_not_of("0123456789"), std::string::npos);
}

struct BadParameterCase {
  const char* name;
  float h, xmin, xmax;
  const char* line;
};

class BadParametersTest : public ::testing::TestWithParam<BadParameterCase> {};

TEST_P(BadParametersTest, StopsAfterTheMaximumLineWithTheReason) {
  const BadParameterCase& c = GetParam();
  AnalysisState state = testing::stateInMemory({1, 2, 3}, c.h, c.xmin, c.xmax);
  RecordedView view;
  EXPECT_EQ(ProcessFile(state, view, '.'), RunOutcome::BadParameters);
  ASSERT_EQ(view.log().size(), 5u);
  EXPECT_EQ(view.log()[4], c.line);
  EXPECT_TRUE(view.histogram().empty());
}

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Parameters, BadParametersTest,
    ::testing::Values(BadParameterCase{"ZeroLength", 0, 1, 3, text::kBadIntervalLength},
                      BadParameterCase{"NegativeLength", -1, 1, 3, text::kBadIntervalLength},
                      BadParameterCase{"NaNLength", kNaN, 1, 3, text::kBadIntervalLength},
                      BadParameterCase{"InfiniteLength", kInf, 1, 3, text::kBadIntervalLength},
                      BadParameterCase{"LengthCheckedFirst", 0, kNaN, -kInf,
                                       text::kBadIntervalLength},
                      BadParameterCase{"InfiniteMaximum", 1, 1, kInf, text::kBadRangeBounds},
                      BadParameterCase{"NaNMinimum", 1, kNaN, 3, text::kBadRangeBounds},
                      BadParameterCase{"MinimumAboveMaximum", 1, 3, 1, text::kBadRangeOrder}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunStart, NonFiniteNumbersAreWrittenInCapitals) {
  AnalysisState state = testing::stateInMemory({1, 2}, kNaN, -kInf, kInf);
  RecordedView view;
  ProcessFile(state, view, '.');
  EXPECT_EQ(firstLines(view, 4),
            (Lines{"Обрабатываю файл - sample.txt", "Длина интервала NAN",
                   "Минимальный элемент равен -INF", "Максимальный элемент равен INF"}));
}

}  // namespace
}  // namespace engine
