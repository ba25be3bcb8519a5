// The text of a token where reading stopped, and the log line that names it.
#include "engine/read_stop.h"

#include "engine/number_format.h"
#include "engine/texts.h"
#include "engine/utf8_text.h"

namespace engine {

std::string stopText(std::string_view token) {
  static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
  static constexpr std::string_view kEllipsis = "\xE2\x80\xA6";
  std::string text;
  size_t characters = 0;
  for (size_t pos = 0; pos < token.size(); ++characters) {
    if (characters == kStopTextCharacters) {
      text += kEllipsis;
      break;
    }
    const Utf8Step step = nextUtf8(token, pos);
    if (step.valid) {
      text.append(token, pos, step.length);
    } else {
      text += kReplacement;
    }
    pos += step.length;
  }
  return text;
}

std::string readStopLine(const ReadStop& stop) {
  return text::kReadStoppedPrefix + formatInteger(stop.line) + text::kReadStoppedMiddle +
         stop.text + text::kReadStoppedSuffix;
}

}  // namespace engine
