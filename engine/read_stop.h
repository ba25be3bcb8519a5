// Where and at what text the reading of a sample file stopped before its end.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

struct ReadStop {
  int32_t line = 0;  // 1-based line of the token that could not be read
  std::string text;  // that token as the log shows it: UTF-8, cut to 20 characters plus "…"
};

// The most characters of a token the log shows before it cuts it with "…".
inline constexpr size_t kStopTextCharacters = 20;
// Bytes enough to hold one character more than that, however it is encoded.
inline constexpr size_t kStopTokenBytes = (kStopTextCharacters + 1) * 4;

// The token's bytes as the log shows them: decoded as UTF-8, each broken
// sequence one U+FFFD, and cut after 20 characters with "…" when more follow.
std::string stopText(std::string_view token);

// "Чтение файла остановлено в строке L на «T»".
std::string readStopLine(const ReadStop& stop);

}  // namespace engine
