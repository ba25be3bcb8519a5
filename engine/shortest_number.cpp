// Numbers as the shortest decimal text that reads back to the same value.
#include "engine/shortest_number.h"

#include <charconv>
#include <cmath>

namespace engine {

bool appendShortest(std::string& out, float value) {
  if (!std::isfinite(value)) return false;
  char buffer[24];  // the longest shortest form of a float is 15 characters
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
  return true;
}

}  // namespace engine
