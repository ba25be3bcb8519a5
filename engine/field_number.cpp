// Reading a number typed into a field, with "." or "," as its decimal separator.
#include "engine/field_number.h"

#include "engine/data_number.h"

namespace engine {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

FieldNumber parseFieldNumber(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  // A field is read as one field of pasted data is, both separators allowed.
  const DataNumber number = parseDataNumber(text, DecimalSeparators{true, true});
  switch (number.kind) {
    case DataNumber::Kind::Number:
      return {FieldNumber::Status::Ok, number.value};
    case DataNumber::Kind::OutOfRange:
      return {FieldNumber::Status::OutOfRange, 0.0f};
    case DataNumber::Kind::NotANumber:
      break;
  }
  return {};
}

}  // namespace engine
