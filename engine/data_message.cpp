// What reading pasted or imported data found worth telling the user.
#include "engine/data_message.h"

namespace engine {

namespace {

struct MessageRow {
  DataMessageCode code;
  bool blocking;
  const char* sentence;  // "{}" stands for the message's detail
};

// One row a line, each sentence whole, so that a message the user quotes is found by its text.
// clang-format off
constexpr MessageRow kMessageRows[] = {
    {DataMessageCode::NoNumbers, true, "Не найдено ни одного числа"},
    {DataMessageCode::TooManyValues, true, "Значений {}, а программа обрабатывает не больше 200: сократите выборку, лишние значения не отбрасываются"},
    {DataMessageCode::TooManyIntervals, true, "Интервалов {}, а программа обрабатывает не больше 20"},
    {DataMessageCode::NoFrequencies, true, "Все частоты равны нулю"},
    {DataMessageCode::NoSuchColumn, true, "Столбца {} нет ни в одной строке"},
    {DataMessageCode::SingleMidpoint, true, "По одной середине интервала нельзя узнать его длину: дайте границы интервала"},
    {DataMessageCode::NotExact, true, "Интервалы слишком узки для таких значений: программа не прочтёт ряд точно"},
    {DataMessageCode::UnequalWidths, true, "длина интервала {} не равна длине первого интервала"},
    {DataMessageCode::FractionalFrequency, true, "частота «{}» не целое число"},
    {DataMessageCode::NegativeFrequency, true, "частота «{}» отрицательна"},
    {DataMessageCode::ReversedEdges, true, "правая граница интервала не больше левой"},
    {DataMessageCode::IntervalGap, true, "интервал начинается не там, где кончился предыдущий"},
    {DataMessageCode::FewValues, false, "Значений {}: для проверки гипотезы нужно хотя бы 2"},
    {DataMessageCode::FirstTakenAsLength, false, "первое число {} стоит отдельно и принято за длину интервала"},
    {DataMessageCode::MixedDecimal, false, "в числе «{}» десятичный разделитель не такой, как в остальных"},
    {DataMessageCode::CommaSeparatesFields, false, "запятая прочитана как разделитель полей, десятичный разделитель — точка"},
    {DataMessageCode::IndexColumnSkipped, false, "Столбец {} похож на номера 1, 2, 3, … и пропущен"},
    {DataMessageCode::EmptyEdgeDropped, false, "пустой крайний интервал отброшен"},
};
// clang-format on

// The row of `code`, or none for a value outside the enumeration.
const MessageRow* rowOf(DataMessageCode code) {
  for (const MessageRow& row : kMessageRows)
    if (row.code == code) return &row;
  return nullptr;
}

std::string sentence(const DataMessage& message) {
  const MessageRow* row = rowOf(message.code);
  if (!row) return {};
  std::string text = row->sentence;
  const size_t detail = text.find("{}");
  if (detail != std::string::npos) text.replace(detail, 2, message.detail);
  return text;
}

}  // namespace

bool isBlocking(DataMessageCode code) {
  const MessageRow* row = rowOf(code);
  return !row || row->blocking;
}

std::string dataMessageText(const DataMessage& message) {
  std::string text = sentence(message);
  if (message.line <= 0) return text;
  return "Строка " + std::to_string(message.line) + ": " + text;
}

}  // namespace engine
