// Reading a float or a whole number from a stream as formatted input does in the classic locale.
#include "engine/classic_stream.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace engine {

namespace {

using Traits = std::char_traits<char>;

bool isDigit(int c) { return c >= '0' && c <= '9'; }

// The characters of one number as the stream's extraction takes them, consumed from `in`.
class NumberScan {
 public:
  explicit NumberScan(std::istream& in) : buffer_(*in.rdbuf()), c_(buffer_.sgetc()) {}

  bool atEnd() const { return Traits::eq_int_type(c_, Traits::eof()); }
  int current() const { return c_; }
  void take() {
    text_ += static_cast<char>(c_);
    skip();
  }
  void skip() {
    buffer_.sbumpc();
    c_ = buffer_.sgetc();
  }
  std::string& text() { return text_; }

 private:
  std::streambuf& buffer_;
  int c_;
  std::string text_;
};

// What a float's extraction consumes: a sign, leading zeros (kept as one), digits, one '.'
// before any exponent, and 'e' or 'E' with a sign once a digit was seen.
void scanFloat(NumberScan& scan, bool& digits, bool& exponentDigits) {
  if (!scan.atEnd() && (scan.current() == '+' || scan.current() == '-')) scan.take();
  while (!scan.atEnd() && scan.current() == '0') {
    if (!digits) {
      scan.take();
      digits = true;
    } else {
      scan.skip();
    }
  }
  bool point = false;
  bool exponent = false;
  while (!scan.atEnd()) {
    const int c = scan.current();
    if (isDigit(c)) {
      scan.take();
      digits = true;
      exponentDigits = exponentDigits || exponent;
    } else if (c == '.' && !point && !exponent) {
      scan.take();
      point = true;
    } else if ((c == 'e' || c == 'E') && !exponent && digits) {
      scan.skip();
      scan.text() += 'e';
      exponent = true;
      if (!scan.atEnd() && (scan.current() == '+' || scan.current() == '-')) scan.take();
    } else {
      break;
    }
  }
  // Without a digit after it, an exponent leaves a text that is not a number.
  if (exponent && !exponentDigits) digits = false;
}

// Whether a number out of the float's range lies below it (its magnitude under 1) rather than
// above: from the place of its first digit that is not zero and its exponent, which may be of
// any length.
bool belowOne(const std::string& text) {
  long lead = 0;
  size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
  long whole = 0;
  for (; i < text.size() && isDigit(text[i]); ++i)
    if (whole > 0 || text[i] != '0') ++whole;
  if (whole > 0) {
    lead = whole - 1;
  } else if (i < text.size() && text[i] == '.') {
    long zeros = 0;
    for (++i; i < text.size() && text[i] == '0'; ++i) ++zeros;
    lead = -(zeros + 1);
  }
  const size_t e = text.find('e');
  if (e == std::string::npos) return lead < 0;
  size_t j = e + 1;
  const bool negative = j < text.size() && text[j] == '-';
  if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
  long exponent = 0;
  constexpr long kFar = 1000000000;
  for (; j < text.size(); ++j) exponent = std::min(kFar, exponent * 10 + (text[j] - '0'));
  return lead + (negative ? -exponent : exponent) < 0;
}

}  // namespace

bool readFloat(std::istream& in, float& out) {
  const std::istream::sentry ready(in);
  if (!ready) return false;
  NumberScan scan(in);
  bool digits = false;
  bool exponentDigits = false;
  scanFloat(scan, digits, exponentDigits);
  if (scan.atEnd()) in.setstate(std::ios_base::eofbit);
  std::string& text = scan.text();
  if (!digits) {
    in.setstate(std::ios_base::failbit);
    return false;
  }
  const size_t start = !text.empty() && text[0] == '+' ? 1 : 0;
  float value = 0.0f;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range && belowOne(text)) {
    // Below the range it reads as zero, as the C library's conversion gives it.
    value = text[0] == '-' ? -0.0f : 0.0f;
  } else if (error != std::errc() || end != text.data() + text.size()) {
    in.setstate(std::ios_base::failbit);
    return false;
  }
  out = value;
  return true;
}

bool readInteger(std::istream& in, int32_t& out) {
  const std::istream::sentry ready(in);
  if (!ready) return false;
  NumberScan scan(in);
  if (!scan.atEnd() && (scan.current() == '+' || scan.current() == '-')) scan.take();
  bool digits = false;
  while (!scan.atEnd() && isDigit(scan.current())) {
    scan.take();
    digits = true;
  }
  if (scan.atEnd()) in.setstate(std::ios_base::eofbit);
  const std::string& text = scan.text();
  const size_t start = !text.empty() && text[0] == '+' ? 1 : 0;
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
  if (!digits || error != std::errc() || end != text.data() + text.size()) {
    in.setstate(std::ios_base::failbit);
    return false;
  }
  out = value;
  return true;
}

}  // namespace engine
