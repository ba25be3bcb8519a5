// The program's fixed texts: log lines and message boxes, UTF-8.
#pragma once

namespace engine::text {

inline constexpr const char* kTableNotOpened = "Не смог загрузить таблицу крит точек";
inline constexpr const char* kTableBadFormat = "Не правильный формат таблицы";

inline constexpr const char* kFileNotOpened = "Не смог открыть входной файл";
inline constexpr const char* kLoadedPrefix = "Загружено ";
inline constexpr const char* kLoadedSuffix = " элементов";
inline constexpr const char* kMoreValuesThanRead =
    "В файле больше 200 значений, обработаны первые 200";
inline constexpr const char* kReadStoppedPrefix = "Чтение файла остановлено в строке ";
inline constexpr const char* kReadStoppedMiddle = " на «";
inline constexpr const char* kReadStoppedSuffix = "»";
inline constexpr const char* kNoData = "Нет данных для обработки";
inline constexpr const char* kProcessingFile = "Обрабатываю файл - ";
inline constexpr const char* kIntervalLength = "Длина интервала ";
inline constexpr const char* kMinimum = "Минимальный элемент равен ";
inline constexpr const char* kMaximum = "Максимальный элемент равен ";
inline constexpr const char* kBadIntervalLength =
    "Длина интервала должна быть положительным числом";
inline constexpr const char* kBadRangeBounds = "Границы диапазона должны быть конечными числами";
inline constexpr const char* kBadRangeOrder = "Xmin должен быть не больше Xmax";
inline constexpr const char* kIntervalCount = "Число интервалов равно ";
inline constexpr const char* kTooManyIntervals = "Слишком много интервалов";
inline constexpr const char* kOutOfRangePrefix = "Значений вне диапазона: ";
inline constexpr const char* kOutOfRangeSuffix = ", они отнесены к крайним интервалам";
inline constexpr const char* kDegenerateSpread =
    "Разброс выборки равен нулю или не определён: проверка гипотезы невозможна";

inline constexpr const char* kMergedPrefix = "Значение npi для интервала ";
inline constexpr const char* kMergedSuffix = " меньше 5. Интервал объединен с соседним";
inline constexpr const char* kNewIntervalCount = "Новое число интервалов равно ";
inline constexpr const char* kTooFewPrefix = "Число интервалов после объединения ";
inline constexpr const char* kTooFewSuffix = " меньше 4: проверка гипотезы невозможна";
inline constexpr const char* kNoCriticalPointPrefix = "Нет критической точки для ";
inline constexpr const char* kNoCriticalPointSuffix =
    " степеней свободы: проверка гипотезы невозможна";
inline constexpr const char* kSignificanceLevel = "Уровень значимости α = ";
inline constexpr const char* kVerdictPrefix = "Xb = ";
inline constexpr const char* kRejectedMiddle = " больше чем Xk(";
inline constexpr const char* kAcceptedMiddle = " меньше чем Xk(";
inline constexpr const char* kDegreesOfFreedom = "-3)= ";
inline constexpr const char* kRejected = ". Гипотеза о нормальном распределении отвергнута.";
inline constexpr const char* kAccepted = ". Гипотеза о нормальном распределении принята.";

inline constexpr const char* kEstimatesMean = "m=px=";
inline constexpr const char* kEstimatesDeviation = "   b=S=";
inline constexpr const char* kIntervalsHeadingPrefix = "Доверительные интервалы для надёжности = ";
inline constexpr const char* kIntervalsHeadingMiddle = " и при n=";
inline constexpr const char* kIntervalsHeadingSuffix = " имеют вид:";
inline constexpr const char* kMeanInterval = " < m < ";
inline constexpr const char* kDeviationInterval = " < b < ";

// The result line that keeps a run's verdict in view, outside the log.
inline constexpr const char* kResultAccepted = "✓ Гипотеза о нормальности принята: Xb = ";
inline constexpr const char* kResultRejected = "✗ Гипотеза о нормальности отвергнута: Xb = ";
inline constexpr const char* kResultBelow = " < Xk = ";
inline constexpr const char* kResultNotBelow = " ≥ Xk = ";
inline constexpr const char* kResultDegreesOfFreedom = " (степеней свободы: ";
inline constexpr const char* kResultLevel = ", α = ";
inline constexpr const char* kResultPValue = "), p = ";
inline constexpr const char* kResultNoCriticalPoint = "⚠ Нет критической точки (α = ";
inline constexpr const char* kResultNoPointDegrees = ", степеней свободы: ";
inline constexpr const char* kResultTableDamaged = ". Таблица не найдена или повреждена: ";
inline constexpr const char* kResultTooFewPrefix =
    "Проверка невозможна: число интервалов после объединения ";
inline constexpr const char* kResultTooFewSuffix = " меньше 4";
inline constexpr const char* kResultNoSpread =
    "Проверка невозможна: разброс выборки равен нулю или не определён";
inline constexpr const char* kResultTooManyIntervals =
    "Проверка не проводилась: интервалов больше 20";
inline constexpr const char* kResultBadParameters =
    "Проверка не проводилась: длина интервала или границы диапазона неверны";
inline constexpr const char* kResultNoData = "Проверка не проводилась: в файле нет данных";
inline constexpr const char* kResultFileNotOpened =
    "Проверка не проводилась: входной файл не открылся";

// The options dialog's numeric fields, by their labels.
inline constexpr const char* kIntervalLabel = "Размер интервала";
inline constexpr const char* kXminLabel = "Xmin";
inline constexpr const char* kXmaxLabel = "Xmax";
// A field's text that Apply cannot store; %1 is the text as typed.
inline constexpr const char* kNotANumber = "«%1» не является правильным числом";
inline constexpr const char* kNumberOutOfRange = "Число «%1» вне допустимого диапазона";

}  // namespace engine::text
