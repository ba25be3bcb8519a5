// What reading pasted or imported data found worth telling the user.
#include "engine/data_message.h"

namespace engine {

bool isBlocking(DataMessageCode code) {
  switch (code) {
    case DataMessageCode::NoNumbers:
    case DataMessageCode::TooManyValues:
    case DataMessageCode::TooManyIntervals:
    case DataMessageCode::NoFrequencies:
    case DataMessageCode::NoSuchColumn:
    case DataMessageCode::SingleMidpoint:
    case DataMessageCode::NotExact:
    case DataMessageCode::UnequalWidths:
    case DataMessageCode::FractionalFrequency:
    case DataMessageCode::NegativeFrequency:
    case DataMessageCode::ReversedEdges:
    case DataMessageCode::IntervalGap:
      return true;
    case DataMessageCode::FewValues:
    case DataMessageCode::FirstTakenAsLength:
    case DataMessageCode::MixedDecimal:
    case DataMessageCode::CommaSeparatesFields:
    case DataMessageCode::IndexColumnSkipped:
    case DataMessageCode::EmptyEdgeDropped:
      return false;
  }
  return true;
}

namespace {

std::string sentence(const DataMessage& message) {
  const std::string& d = message.detail;
  switch (message.code) {
    case DataMessageCode::NoNumbers:
      return "Не найдено ни одного числа";
    case DataMessageCode::TooManyValues:
      return "Значений " + d +
             ", а программа обрабатывает не больше 200: сократите выборку, лишние значения не "
             "отбрасываются";
    case DataMessageCode::TooManyIntervals:
      return "Интервалов " + d + ", а программа обрабатывает не больше 20";
    case DataMessageCode::NoFrequencies:
      return "Все частоты равны нулю";
    case DataMessageCode::NoSuchColumn:
      return "Столбца " + d + " нет ни в одной строке";
    case DataMessageCode::SingleMidpoint:
      return "По одной середине интервала нельзя узнать его длину: дайте границы интервала";
    case DataMessageCode::NotExact:
      return "Интервалы слишком узки для таких значений: программа не прочтёт ряд точно";
    case DataMessageCode::UnequalWidths:
      return "длина интервала " + d + " не равна длине первого интервала";
    case DataMessageCode::FractionalFrequency:
      return "частота «" + d + "» не целое число";
    case DataMessageCode::NegativeFrequency:
      return "частота «" + d + "» отрицательна";
    case DataMessageCode::ReversedEdges:
      return "правая граница интервала не больше левой";
    case DataMessageCode::IntervalGap:
      return "интервал начинается не там, где кончился предыдущий";
    case DataMessageCode::FewValues:
      return "Значений " + d + ": для проверки гипотезы нужно хотя бы 2";
    case DataMessageCode::FirstTakenAsLength:
      return "первое число " + d + " стоит отдельно и принято за длину интервала";
    case DataMessageCode::MixedDecimal:
      return "в числе «" + d + "» десятичный разделитель не такой, как в остальных";
    case DataMessageCode::CommaSeparatesFields:
      return "запятая прочитана как разделитель полей, десятичный разделитель — точка";
    case DataMessageCode::IndexColumnSkipped:
      return "Столбец " + d + " похож на номера 1, 2, 3, … и пропущен";
    case DataMessageCode::EmptyEdgeDropped:
      return "пустой крайний интервал отброшен";
  }
  return {};
}

}  // namespace

std::string dataMessageText(const DataMessage& message) {
  std::string text = sentence(message);
  if (message.line <= 0) return text;
  return "Строка " + std::to_string(message.line) + ": " + text;
}

}  // namespace engine
