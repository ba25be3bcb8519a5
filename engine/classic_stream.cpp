// Reading one number from a stream as formatted input in the classic locale does, at most
// 1,000 characters of it.
#include "engine/classic_stream.h"

#include <ios>
#include <limits>

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

// The standard conversion of formatted input, run on the characters already gathered, so that
// every value, rounding and overflow is the stream's own.
class Conversion : public std::num_get<char, const char*> {};

template <typename Value>
bool convert(std::istream& in, const Gathered& number, Value& value) {
  static const Conversion conversion;
  std::ios_base::iostate state = std::ios_base::goodbit;
  const char* const stop = conversion.get(number.begin(), number.end(), in, state, value);
  return !(state & std::ios_base::failbit) && stop == number.end();
}

// Gathers, converts and sets the stream's state as formatted input would.
template <typename Value>
bool readNumber(std::istream& in, Value& value, void (*gather)(Gathered&)) {
  const std::istream::sentry blanksSkipped(in);
  if (!blanksSkipped) return false;
  Gathered number(*in.rdbuf());
  gather(number);
  const bool read = !number.tooLong() && convert(in, number, value);
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
  long value = 0;
  if (!readNumber(in, value, gatherInteger)) return false;
  // As `in >> int` has it: a long that does not fit fails.
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) {
    in.setstate(std::ios_base::failbit);
    return false;
  }
  out = static_cast<int32_t>(value);
  return true;
}

}  // namespace engine
