// The floating-point <charconv> functions that emscripten 3.1.6's libc++ leaves out, so that the
// engine and tarnek-cli's JSON code build for the browser unchanged. The web build includes this
// header before every source; elsewhere the standard library's own functions are used.
#pragma once

#include <charconv>
#include <system_error>

namespace web {

// As std::to_chars(first, last, value): the shortest decimal that reads back as the same value,
// the closest to it among those, in fixed or scientific notation, whichever is shorter (fixed
// on a tie); an integer written in fixed notation is written exactly. "inf", "-inf", "nan".
std::to_chars_result shortestChars(char* first, char* last, float value);
std::to_chars_result shortestChars(char* first, char* last, double value);

// As std::from_chars(first, last, value) in the general format: an optional "-", digits with an
// optional ".", an optional exponent; or "inf", "infinity", "nan", "nan(...)" in any case. No
// leading blank, "+" or hexadecimal. A value beyond the range, or a number that is not zero but
// rounds to zero, is result_out_of_range and leaves `value` as it was.
std::from_chars_result decimalFromChars(const char* first, const char* last, double& value);
std::from_chars_result decimalFromChars(const char* first, const char* last, float& value);

}  // namespace web

#if defined(__EMSCRIPTEN__)
namespace std {
inline to_chars_result to_chars(char* first, char* last, float value) {
  return web::shortestChars(first, last, value);
}
inline to_chars_result to_chars(char* first, char* last, double value) {
  return web::shortestChars(first, last, value);
}
inline from_chars_result from_chars(const char* first, const char* last, double& value) {
  return web::decimalFromChars(first, last, value);
}
inline from_chars_result from_chars(const char* first, const char* last, float& value) {
  return web::decimalFromChars(first, last, value);
}
}  // namespace std
#endif
