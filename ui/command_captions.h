// The texts of the result commands: menu items, dialogs and the messages they give, UTF-8.
#pragma once

namespace ui::text {

inline constexpr const char* kEditMenu = "&Правка";

inline constexpr const char* kSaveReport = "&Сохранить отчёт…";
inline constexpr const char* kExportChart = "&Экспорт графика…";
inline constexpr const char* kPrintReport = "&Печать…";
inline constexpr const char* kCopyTable = "Копировать &таблицу";
inline constexpr const char* kCopyChart = "Копировать &график";
inline constexpr const char* kManual = "&Руководство";

inline constexpr const char* kSaveReportTitle = "Сохранить отчёт";
inline constexpr const char* kWordFilter = "Документ Word (*.docx)";
inline constexpr const char* kPdfFilter = "Документ PDF (*.pdf)";
inline constexpr const char* kExportChartTitle = "Экспорт графика";
inline constexpr const char* kPngFilter = "Рисунок PNG (*.png)";
inline constexpr const char* kSvgFilter = "Рисунок SVG (*.svg)";
inline constexpr const char* kChartPdfFilter = "Документ PDF, вектор (*.pdf)";
inline constexpr const char* kReportFileStem = "Отчёт";
inline constexpr const char* kChartFileStem = "График";

// %1 is the file's full path.
inline constexpr const char* kReportSaved = "Отчёт сохранён: %1";
inline constexpr const char* kChartSaved = "График сохранён: %1";
inline constexpr const char* kChartCopied = "Рисунок скопирован в буфер обмена";
inline constexpr const char* kTableCopied = "Таблица скопирована в буфер обмена";
inline constexpr const char* kReportPrinted = "Отчёт отправлен на печать: %1";

// %1 is the file's path, %2 the reason.
inline constexpr const char* kIsTheSample =
    "«%1» — файл выборки, которую анализирует программа; он оставлен как был. Выберите другое "
    "имя.";
inline constexpr const char* kIsTheTable =
    "«%1» — таблица критических точек, которую читает программа; она оставлена как была. "
    "Выберите другое имя.";
inline constexpr const char* kNotSaved = "Не удалось сохранить «%1»: %2";
inline constexpr const char* kNotPrinted = "Не удалось напечатать отчёт: %1";

inline constexpr const char* kManualTitle = "Руководство — Tarnek";
inline constexpr const char* kAboutTitle = "О программе Tarnek";

}  // namespace ui::text
