// Reading values typed, pasted or imported in the shapes students have them.
#include "engine/data_reader.h"

namespace engine {

std::string skipReasonText(SkipReason reason) {
  switch (reason) {
    case SkipReason::NoNumber:
      return "нет чисел";
    case SkipReason::NotANumber:
      return "не число";
    case SkipReason::EmptyCell:
      return "пустая ячейка";
    case SkipReason::OutOfRange:
      return "число вне допустимого диапазона";
    case SkipReason::NotGroupedRow:
      return "не строка интервального ряда";
  }
  return {};
}

DataRead readData(std::string_view, const DataReadOptions&) {
  DataRead read;
  read.messages.push_back({DataMessageCode::NoNumbers, 0, {}});
  return read;
}

DataRead readData(const std::vector<std::vector<std::string>>&, const DataReadOptions&) {
  DataRead read;
  read.messages.push_back({DataMessageCode::NoNumbers, 0, {}});
  return read;
}

}  // namespace engine
