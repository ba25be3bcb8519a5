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
inline constexpr const char* kApplyButton = "Применить";
inline constexpr const char* kCancelButton = "Отмена";

}  // namespace ui::text
