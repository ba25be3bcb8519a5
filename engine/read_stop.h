// Where and at what text the reading of a sample file stopped before its end.
#pragma once

#include <cstdint>
#include <string>

namespace engine {

struct ReadStop {
  int32_t line = 0;  // 1-based line of the token that could not be read
  std::string text;  // that token as the log shows it: UTF-8, cut to 20 characters plus "…"
};

}  // namespace engine
