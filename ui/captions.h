// The windows' fixed texts: captions, titles, menu items and messages, UTF-8.
#pragma once

#include "engine/texts.h"

namespace ui::text {

inline constexpr const char* kMainWindowTitle = "Математическая статистика";
// After the installed example's name in the title.
inline constexpr const char* kExampleMark = " (пример)";
inline constexpr const char* kChartTitle = "Группированный статистический ряд";
inline constexpr const char* kOptionButton = "Настройки";
inline constexpr const char* kExitButton = "Выход";
inline constexpr const char* kCopyPicture = "скопировать рисунок в буфер обмена";
inline constexpr const char* kWordReport = "создать документ Word";
inline constexpr const char* kHistogramTitle = "Series";
inline constexpr const char* kCurveTitle = "Gauss";

inline constexpr const char* kFileMenu = "&Файл";
inline constexpr const char* kOpenItem = "&Открыть…";
inline constexpr const char* kDataItem = "&Данные…";
inline constexpr const char* kExitItem = "В&ыход";
inline constexpr const char* kAnalysisMenu = "&Анализ";
inline constexpr const char* kSettingsItem = "&Настройки…";
inline constexpr const char* kHelpMenu = "&Справка";
inline constexpr const char* kAboutItem = "&О программе";
// %1 is the version.
inline constexpr const char* kAboutText =
    "Tarnek %1\n\n"
    "Математическая статистика: группированный статистический ряд, гистограмма, "
    "проверка гипотезы о нормальном распределении по критерию Пирсона, "
    "доверительные интервалы.\n\n"
    "Свободная программа: GNU General Public License версии 3 или более поздней.";

// %1 is the path of a recent file that is no longer there.
inline constexpr const char* kRecentFileGone = "Файл «%1» не найден";

// The notice above the chart; %1 is the file's name.
inline constexpr const char* kNoticeHeading = "Проверьте данные файла «%1»:";
inline constexpr const char* kOpenInDataWindow = "Открыть в окне данных";
// After the line where reading stopped; %1 is the number of values analysed.
inline constexpr const char* kValuesAnalysed = ", проанализировано значений: %1";
// After the line of more than 200 values; %1 is the line of the 201st value, %2 its text.
inline constexpr const char* kFirstUnread = " (201-е значение — в строке %1: «%2»)";

inline constexpr const char* kOptionsTitle = "Опции";
inline constexpr const char* kFileNameLabel = "Имя файла";
inline constexpr const char* kIntervalLabel = engine::text::kIntervalLabel;
inline constexpr const char* kXminLabel = engine::text::kXminLabel;
inline constexpr const char* kXmaxLabel = engine::text::kXmaxLabel;
inline constexpr const char* kCheckGroup = "Проверка и оценки";
inline constexpr const char* kLevelLabel = "Уровень значимости α";
inline constexpr const char* kReliabilityLabel = "Надёжность γ";
inline constexpr const char* kCoefficientsLabel = "Коэффициенты t и q";
inline constexpr const char* kCoefficientsMethod = "для n = 100, как в методике";
inline constexpr const char* kCoefficientsSample = "для объёма выборки";
inline constexpr const char* kApplyButton = "Применить";
inline constexpr const char* kCancelButton = "Отмена";

inline constexpr const char* kSolutionTitle = "Ход решения";
inline constexpr const char* kShowSolution = "Ход решения";
inline constexpr const char* kSolutionInReport = "Ход решения в отчёте";

// What a screen reader calls the line under the log that keeps the verdict in view.
inline constexpr const char* kResultLineName = "Результат проверки";

}  // namespace ui::text
