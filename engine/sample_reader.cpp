// Reading a sample file: the interval length, then up to 200 values.
#include "engine/sample_reader.h"

#include <limits>

#include "engine/classic_stream.h"

namespace engine {

namespace {

// White space as the classic locale has it; it separates the numbers.
bool isBlank(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The numbers of a sample file one at a time, with the line each starts on.
class SampleTokens {
 public:
  enum class Step { Read, End, Failed };

  explicit SampleTokens(std::istream& in) : in_(in) {}

  // Reads the next number into `out` (untouched unless Read). Failed keeps
  // where and at what text the read failed, for stop().
  Step next(float& out) {
    skipBlanks();
    if (in_.peek() == std::char_traits<char>::eof()) return Step::End;
    const std::streampos start = in_.tellg();
    if (readFloat(in_, out)) return Step::Read;
    stop_ = ReadStop{line_, stopText(tokenFrom(start))};
    return Step::Failed;
  }

  const std::optional<ReadStop>& stop() const { return stop_; }

 private:
  // Blanks are skipped here rather than by the read, so that line breaks can be counted;
  // a number never holds one. "\r\n" counts once, as its "\n".
  void skipBlanks() {
    for (int c = in_.peek(); isBlank(c); c = in_.peek()) {
      if (c == '\n' && line_ < std::numeric_limits<int32_t>::max()) ++line_;
      in_.get();
    }
  }

  // The failed token's first bytes up to the next blank, read again from `start`.
  std::string tokenFrom(std::streampos start) {
    in_.clear();
    if (start != std::streampos(-1)) in_.seekg(start);
    std::string token;
    for (int c = in_.get(); c != std::char_traits<char>::eof() && !isBlank(c); c = in_.get()) {
      token += static_cast<char>(c);
      if (token.size() == kStopTokenBytes) break;
    }
    return token;
  }

  std::istream& in_;
  int32_t line_ = 1;
  std::optional<ReadStop> stop_;
};

}  // namespace

SampleRead readSample(std::istream& in, AnalysisState& state) {
  useClassicLocale(in);
  skipByteOrderMark(in);
  SampleTokens tokens(in);
  SampleRead result;
  float length = 0.0f;
  if (tokens.next(length) == SampleTokens::Step::Read) {
    state.IntervalLength = length;
    result.intervalLengthRead = true;
    float value = 0.0f;
    while (result.count < kMaxSampleCount && tokens.next(value) == SampleTokens::Step::Read)
      state.Sample[static_cast<size_t>(result.count++)] = value;
  }
  state.SampleCount = result.count;
  result.stop = tokens.stop();
  // Whatever follows a full sample is only looked at: a bad token there is no stop.
  float extra = 0.0f;
  result.truncated =
      result.count == kMaxSampleCount && tokens.next(extra) == SampleTokens::Step::Read;
  return result;
}

}  // namespace engine
