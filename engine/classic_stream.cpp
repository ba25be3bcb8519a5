// Reading one number from a stream as formatted input in the classic locale does, at most
// 1,000 characters of it, converted by from_chars.
#include "engine/classic_stream.h"

#include <algorithm>
#include <charconv>
#include <ios>
#include <system_error>
#include <type_traits>

namespace engine {

namespace {

using Traits = std::char_traits<char>;

bool isDigit(int c) { return c >= '0' && c <= '9'; }

// The characters of one number, taken from the stream buffer one at a time.
class Gathered {
 public:
  explicit Gathered(std::streambuf& buffer) : buffer_(buffer) {}

  // The next character, not taken; eof at the end of the input.
  int peek() {
    const int c = buffer_.sgetc();
    if (Traits::eq_int_type(c, Traits::eof())) atEnd_ = true;
    return c;
  }
  // Takes the character peek() gave; false, taking nothing, when the number would get too long.
  bool take(int c) {
    if (size_ == kMaxNumberCharacters) {
      tooLong_ = true;
      return false;
    }
    text_[size_++] = Traits::to_char_type(c);
    buffer_.sbumpc();
    return true;
  }

  const char* begin() const { return text_; }
  const char* end() const { return text_ + size_; }
  bool atEnd() const { return atEnd_; }
  bool tooLong() const { return tooLong_; }

 private:
  std::streambuf& buffer_;
  char text_[kMaxNumberCharacters];
  size_t size_ = 0;
  bool atEnd_ = false;
  bool tooLong_ = false;
};

bool isSign(int c) { return c == '+' || c == '-'; }

// What the classic locale's formatted input takes for a float: a sign, digits with at most one
// point, then after a digit at most one exponent mark with an optional sign, and digits. It
// stops at the first character that cannot go on, leaving it to be read.
void gatherFloat(Gathered& number) {
  int c = number.peek();
  if (isSign(c) && !number.take(c)) return;
  bool mantissa = false;
  bool point = false;
  bool exponent = false;
  for (c = number.peek(); !number.atEnd(); c = number.peek()) {
    if (isDigit(c)) {
      if (!number.take(c)) return;
      mantissa = true;
    } else if (c == '.' && !point && !exponent) {
      if (!number.take(c)) return;
      point = true;
    } else if ((c == 'e' || c == 'E') && !exponent && mantissa) {
      if (!number.take(c)) return;
      exponent = true;
      c = number.peek();
      if (isSign(c) && !number.take(c)) return;
    } else {
      return;
    }
  }
}

// A whole number in base 10: a sign and digits.
void gatherInteger(Gathered& number) {
  int c = number.peek();
  if (isSign(c) && !number.take(c)) return;
  for (c = number.peek(); isDigit(c); c = number.peek())
    if (!number.take(c)) return;
}

// Whether a number beyond the float's range lies below it (its magnitude under 1) rather than
// above: from the place of its first digit that is not zero and its exponent, which may be of
// any length.
bool belowOne(const char* first, const char* last) {
  const char* p = first;
  if (p != last && isSign(*p)) ++p;
  long lead = 0;
  long whole = 0;
  for (; p != last && isDigit(*p); ++p)
    if (whole > 0 || *p != '0') ++whole;
  if (whole > 0) {
    lead = whole - 1;
  } else if (p != last && *p == '.') {
    long zeros = 0;
    for (++p; p != last && *p == '0'; ++p) ++zeros;
    lead = -(zeros + 1);
  }
  while (p != last && *p != 'e' && *p != 'E') ++p;
  if (p == last) return lead < 0;
  ++p;
  const bool negative = p != last && *p == '-';
  if (p != last && isSign(*p)) ++p;
  constexpr long kFar = 1000000000;
  long exponent = 0;
  for (; p != last; ++p) exponent = std::min(kFar, exponent * 10 + (*p - '0'));
  return lead + (negative ? -exponent : exponent) < 0;
}

// The conversion of the characters gathered, as libstdc++'s formatted input in the classic
// locale converts them, done with from_chars so that no platform's stream decides the value. A
// whole number that does not fit fails, as does a float above the range; a float below it reads
// as the nearest subnormal or a signed zero.
template <typename Value>
bool convert(const Gathered& number, Value& value) {
  const char* first = number.begin();
  const char* const last = number.end();
  if (first != last && *first == '+') ++first;
  Value converted{};
  const auto [stop, error] = std::from_chars(first, last, converted);
  if constexpr (std::is_floating_point_v<Value>) {
    if (error == std::errc::result_out_of_range && stop == last && belowOne(first, last)) {
      value = *first == '-' ? -0.0f : 0.0f;
      return true;
    }
  }
  if (error != std::errc() || stop != last) return false;
  value = converted;
  return true;
}

// Gathers, converts and sets the stream's state as formatted input would.
template <typename Value>
bool readNumber(std::istream& in, Value& value, void (*gather)(Gathered&)) {
  const std::istream::sentry blanksSkipped(in);
  if (!blanksSkipped) return false;
  Gathered number(*in.rdbuf());
  gather(number);
  const bool read = !number.tooLong() && convert(number, value);
  std::ios_base::iostate state = std::ios_base::goodbit;
  if (number.atEnd()) state |= std::ios_base::eofbit;
  if (!read) state |= std::ios_base::failbit;
  if (state != std::ios_base::goodbit) in.setstate(state);
  return read;
}

}  // namespace

bool readFloat(std::istream& in, float& out) {
  float value = 0.0f;
  if (!readNumber(in, value, gatherFloat)) return false;
  out = value;
  return true;
}

bool readInteger(std::istream& in, int32_t& out) {
  int32_t value = 0;
  if (!readNumber(in, value, gatherInteger)) return false;
  out = value;
  return true;
}

}  // namespace engine
