// Splitting reader input into tokens and reading the plain ones independently of the streams.
#pragma once

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/number_text.h"

namespace fuzz {

// White space as the classic locale has it.
inline bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline std::vector<std::string> splitTokens(const std::string& text) {
  std::vector<std::string> tokens;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && isSpace(text[i])) ++i;
    const size_t start = i;
    while (i < text.size() && !isSpace(text[i])) ++i;
    if (i > start) tokens.push_back(text.substr(start, i - start));
  }
  return tokens;
}

// A whole number: an optional sign and digits.
inline bool isPlainInteger(const std::string& token) {
  size_t i = token[0] == '+' || token[0] == '-' ? 1 : 0;
  if (i == token.size()) return false;
  for (; i < token.size(); ++i)
    if (!isDigit(token[i])) return false;
  return true;
}

// A real number with nothing a formatted read could stop inside: sign, digits with at most
// one ".", at least one digit, and an optional exponent with digits.
inline bool isPlainReal(const std::string& token) {
  size_t i = token[0] == '+' || token[0] == '-' ? 1 : 0;
  size_t digits = 0;
  bool point = false;
  for (; i < token.size() && token[i] != 'e' && token[i] != 'E'; ++i) {
    if (token[i] == '.' && !point) {
      point = true;
    } else if (isDigit(token[i])) {
      ++digits;
    } else {
      return false;
    }
  }
  if (digits == 0) return false;
  if (i == token.size()) return true;
  ++i;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
  if (i == token.size()) return false;
  for (; i < token.size(); ++i)
    if (!isDigit(token[i])) return false;
  return true;
}

// The float a plain real token stands for; false when it overflows a float.
inline bool plainFloat(const std::string& token, float& out) {
  out = std::strtof(token.c_str(), nullptr);
  return std::isfinite(out);
}

// The 32-bit integer a plain whole token stands for; false when it does not fit.
inline bool plainInteger(const std::string& token, int32_t& out) {
  errno = 0;
  const long long value = std::strtoll(token.c_str(), nullptr, 10);
  if (errno == ERANGE || value < INT32_MIN || value > INT32_MAX) return false;
  out = static_cast<int32_t>(value);
  return true;
}

}  // namespace fuzz
