// The two JSON values tarnek-cli writes by hand: strings and numbers.
#include "engine/output/json_writer.h"

#include <charconv>
#include <cmath>

#include "engine/utf8_text.h"

namespace engine {

void appendJsonString(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
  out += '"';
  size_t pos = 0;
  while (pos < text.size()) {
    const engine::Utf8Step step = engine::nextUtf8(text, pos);
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (!step.valid) {
      out += kReplacement;
    } else if (byte == '"' || byte == '\\') {
      out += '\\';
      out += static_cast<char>(byte);
    } else if (byte < 0x20 || byte == 0x7F) {
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    } else {
      out.append(text, pos, step.length);
    }
    pos += step.length;
  }
  out += '"';
}

void appendJsonNumber(std::string& out, double value) {
  if (!std::isfinite(value)) {
    out += "null";
    return;
  }
  char buffer[32];  // the longest shortest form of a double is 24 characters
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

}  // namespace engine
