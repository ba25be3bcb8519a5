// The data window's fixed texts: title, captions and messages, UTF-8.
#pragma once

namespace ui::text {

inline constexpr const char* kDataWindowTitle = "Данные";
// %1 is the name of the file loaded into the window.
inline constexpr const char* kDataWindowFileTitle = "Данные — %1";

// "&" marks the letter that Alt takes to each control.
inline constexpr const char* kOpenFileButton = "&Открыть файл…";
inline constexpr const char* kValuesMode = "&Выборка";
inline constexpr const char* kGroupedMode = "&Интервальный ряд";
inline constexpr const char* kDecimalLabel = "Десятичный &разделитель:";
inline constexpr const char* kDecimalAuto = "автоматически";
inline constexpr const char* kDecimalPoint = "точка";
inline constexpr const char* kDecimalComma = "запятая";
inline constexpr const char* kColumnLabel = "С&толбец:";
// %1 is the column's number, %2 its header.
inline constexpr const char* kColumnWithHeader = "%1 — %2";
inline constexpr const char* kFirstNumberLabel = "&Первое число:";
inline constexpr const char* kFirstAuto = "автоматически";
inline constexpr const char* kFirstValue = "значение";
inline constexpr const char* kFirstLength = "длина интервала";
inline constexpr const char* kInputHint =
    "Введите или вставьте значения: через пробел, табуляцию, «;» или по одному в строке; "
    "десятичный разделитель — точка или запятая.\n"
    "Интервальный ряд: строки «a b n», «a-b n», «[a; b) n» (границы и частота) "
    "или «x n» (середина и частота).";
inline constexpr const char* kRecognisedLabel = "Распознано:";
inline constexpr const char* kIntervalFieldLabel = "Длина интервала &h:";
inline constexpr const char* kSturgesButton = "По правилу Стёрд&жеса";
// %1 is the number of intervals h gives.
inline constexpr const char* kIntervalCount = "k = %1";
inline constexpr const char* kTooManyForAnalysis = "k = %1: больше 20 интервалов";
inline constexpr const char* kSaveAndOpen = "&Сохранить и открыть";
inline constexpr const char* kCloseButton = "&Закрыть";

// The summary of what was recognised.
inline constexpr const char* kValueCount = "Значений: %1";
// %1 is the column used, %2 how many there are.
inline constexpr const char* kColumnUsed = "столбец %1 из %2";
inline constexpr const char* kValueRange = "Наименьшее: %1, наибольшее: %2";
inline constexpr const char* kGroupedSummary = "Интервалов: %1, h = %2, n = %3";
// %1 and %2 are the edges, %3 the midpoint, %4 the frequency.
inline constexpr const char* kGroupedRow = "[%1; %2)  середина %3  частота %4";
inline constexpr const char* kSkippedHeading = "Пропущено строк: %1";
// %1 is the line, %2 what was not read, %3 why.
inline constexpr const char* kSkippedLine = "строка %1: «%2» — %3";

inline constexpr const char* kOpenDialogTitle = "Открыть данные";
inline constexpr const char* kOpenFilter = "Данные (*.txt *.csv *.tsv *.xlsx *.ods);;Все файлы (*)";
inline constexpr const char* kSaveDialogTitle = "Сохранить выборку";
inline constexpr const char* kSaveFilter = "Текстовые файлы (*.txt);;Все файлы (*)";
inline constexpr const char* kPastedName = "выборка.txt";
// %1 is the loaded file's base name.
inline constexpr const char* kSampleName = "%1-выборка.txt";

// %1 is the path, %2 the reason.
inline constexpr const char* kNotOpenedFile = "Не удалось открыть «%1»: %2";
inline constexpr const char* kNotSaved = "Не удалось сохранить «%1»: %2";
inline constexpr const char* kNothingToSave = "Нет данных для сохранения";
inline constexpr const char* kIntervalNotANumber =
    "Длина интервала h: «%1» не является правильным числом";
inline constexpr const char* kIntervalNotPositive =
    "Длина интервала должна быть положительным числом";
inline constexpr const char* kWouldReplaceSource =
    "Это исходная таблица: сохраните выборку в другой файл";

inline constexpr const char* kNotAWorkbook = "файл не является книгой .xlsx или .ods";
inline constexpr const char* kNoSheet = "в книге не найден первый лист";
inline constexpr const char* kBrokenSheet = "первый лист книги повреждён";
inline constexpr const char* kSheetTooLarge =
    "лист слишком велик: больше 100000 строк или 1000 столбцов";
inline constexpr const char* kFileNotOpened = "файл не открывается";
inline constexpr const char* kFileTooLarge = "файл больше 64 МБ";

}  // namespace ui::text
