// The windows' fixed texts: captions, titles, menu items and messages, UTF-8.
#pragma once

namespace ui::text {

inline constexpr const char* kMainWindowTitle = "Математическая статистика";
inline constexpr const char* kChartTitle = "Группированный статистический ряд";
inline constexpr const char* kOptionButton = "Настройки";
inline constexpr const char* kExitButton = "Выход";
inline constexpr const char* kCopyPicture = "скопировать рисунок в буфер обмена";
inline constexpr const char* kWordReport = "создать документ Word";
inline constexpr const char* kHistogramTitle = "Series";
inline constexpr const char* kCurveTitle = "Gauss";

inline constexpr const char* kOptionsTitle = "Опции";
inline constexpr const char* kFileNameLabel = "Имя файла";
inline constexpr const char* kIntervalLabel = "Размер интервала";
inline constexpr const char* kXminLabel = "Xmin";
inline constexpr const char* kXmaxLabel = "Xmax";
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

// %1 is the text of the field as typed.
inline constexpr const char* kNotANumber = "«%1» не является правильным числом";
inline constexpr const char* kNumberOutOfRange = "Число «%1» вне допустимого диапазона";

// What a screen reader calls the line under the log that keeps the verdict in view.
inline constexpr const char* kResultLineName = "Результат проверки";

}  // namespace ui::text
