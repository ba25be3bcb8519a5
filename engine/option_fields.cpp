// The options dialog's fields: how they show a number, how they read one, and Apply's two modes.
#include "engine/option_fields.h"

#include <charconv>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

#include "engine/number_format.h"
#include "engine/stored.h"
#include "engine/utf8_text.h"

namespace engine {

namespace {

constexpr std::string_view kNotANumber = "«%1» не является правильным числом";
constexpr std::string_view kNumberOutOfRange = "Число «%1» вне допустимого диапазона";
constexpr char32_t kMinusSign = 0x2212;

// The code points of valid UTF-8; empty for text that holds a broken sequence.
std::optional<std::u32string> codePoints(std::string_view text) {
  std::u32string result;
  size_t pos = 0;
  while (pos < text.size()) {
    const Utf8Step step = nextUtf8(text, pos);
    if (!step.valid) return std::nullopt;
    const auto lead = static_cast<unsigned char>(text[pos]);
    char32_t point = step.length == 1   ? lead
                     : step.length == 2 ? lead & 0x1Fu
                     : step.length == 3 ? lead & 0x0Fu
                                        : lead & 0x07u;
    for (size_t i = 1; i < step.length; ++i)
      point = (point << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3Fu);
    result += point;
    pos += step.length;
  }
  return result;
}

// White space as the toolkit's conversion trims it: the Unicode spaces, tabs and line breaks.
bool isSpace(char32_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool equalsIgnoringCase(std::string_view text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c =
        text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
    if (c != lower[i]) return false;
  }
  return true;
}

// The trimmed text in ASCII with U+2212 as '-'; empty when any other character is left.
std::optional<std::string> asciiNumberText(std::string_view text) {
  const std::optional<std::u32string> points = codePoints(text);
  if (!points) return std::nullopt;
  size_t first = 0;
  size_t last = points->size();
  while (first < last && isSpace((*points)[first])) ++first;
  while (last > first && isSpace((*points)[last - 1])) --last;
  std::string ascii;
  for (size_t i = first; i < last; ++i) {
    const char32_t c = (*points)[i];
    if (c == kMinusSign) {
      ascii += '-';
    } else if (c < 0x80) {
      ascii += static_cast<char>(c);
    } else {
      return std::nullopt;
    }
  }
  return ascii;
}

// The number in `text` (sign, digits around one separator, exponent), rewritten with '.' for
// the conversion; empty when it is anything else. `nonZero` tells whether a digit is not 0.
std::optional<std::string> plainNumber(std::string_view text, char separator, bool& nonZero) {
  std::string plain;
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') plain += '-';
    ++i;
  }
  size_t digits = 0;
  nonZero = false;
  auto takeDigits = [&] {
    size_t taken = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++taken) {
      nonZero = nonZero || text[i] != '0';
      plain += text[i];
    }
    return taken;
  };
  digits += takeDigits();
  if (i < text.size() && text[i] == separator) {
    plain += '.';
    ++i;
    digits += takeDigits();
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    const bool mantissaNonZero = nonZero;
    if (takeDigits() == 0) return std::nullopt;
    nonZero = mantissaNonZero;
  }
  if (i != text.size()) return std::nullopt;
  return plain;
}

std::string withText(std::string_view pattern, std::string_view text) {
  std::string message(pattern);
  const size_t marker = message.find("%1");
  message.replace(marker, 2, text);
  return message;
}

}  // namespace

std::string fieldText(float value, char decimalSeparator) {
  return formatFixed(value, kFieldPrecision, kFieldDecimals, decimalSeparator);
}

std::optional<double> readDecimalNumber(std::string_view text, char decimalSeparator) {
  const std::optional<std::string> ascii = asciiNumberText(text);
  if (!ascii) return std::nullopt;
  std::string_view rest = *ascii;
  const bool negative = !rest.empty() && rest.front() == '-';
  const bool signedText = !rest.empty() && (rest.front() == '-' || rest.front() == '+');
  if (signedText) rest.remove_prefix(1);
  if (equalsIgnoringCase(rest, "inf"))
    return negative ? -std::numeric_limits<double>::infinity()
                    : std::numeric_limits<double>::infinity();
  if (!signedText && equalsIgnoringCase(rest, "nan"))
    return std::numeric_limits<double>::quiet_NaN();

  bool nonZero = false;
  const std::optional<std::string> plain = plainNumber(*ascii, decimalSeparator, nonZero);
  if (!plain) return std::nullopt;
  double value = 0.0;
  const char* end = plain->data() + plain->size();
  const auto [stop, error] = std::from_chars(plain->data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  if (nonZero && value == 0.0) return std::nullopt;
  return value;
}

std::string FieldError::message() const {
  return withText(problem == FieldProblem::OutOfRange ? kNumberOutOfRange : kNotANumber, text);
}

FieldNumber readFieldNumber(std::string_view text, char decimalSeparator) {
  FieldNumber number;
  const std::optional<double> value = readDecimalNumber(text, decimalSeparator);
  if (!value || !std::isfinite(*value)) {
    number.problem = FieldProblem::NotANumber;
  } else if (std::abs(*value) > static_cast<double>(std::numeric_limits<float>::max())) {
    number.problem = FieldProblem::OutOfRange;
  } else {
    number.value = stored(*value);
  }
  return number;
}

ApplyResult applyOptionFields(AnalysisState& state, OptionFields& fields, char decimalSeparator,
                              const std::function<void()>& run) {
  ApplyResult result;
  if (state.FileChanged) {
    state.FileName = fields.fileName;
    run();
    fields.intervalLength = fieldText(state.IntervalLength, decimalSeparator);
    fields.xmin = fieldText(state.Xmin, decimalSeparator);
    fields.xmax = fieldText(state.Xmax, decimalSeparator);
    result.fileMode = true;
    return result;
  }
  // Each field is stored as soon as it is read: an error keeps the ones before it.
  for (auto [text, target] :
       {std::pair{&fields.intervalLength, &state.IntervalLength},
        std::pair{&fields.xmin, &state.Xmin}, std::pair{&fields.xmax, &state.Xmax}}) {
    const FieldNumber number = readFieldNumber(*text, decimalSeparator);
    if (number.problem) {
      result.error = FieldError{*number.problem, *text};
      return result;
    }
    *target = number.value;
  }
  run();
  return result;
}

}  // namespace engine
