// The two JSON values tarnek-cli writes by hand: strings and numbers.
// Not QJsonDocument: its QJsonObject sorts keys, and the output keeps its documented key order.
#pragma once

#include <string>
#include <string_view>

namespace engine {

// Appends text as a quoted JSON string: '"', '\' and control characters
// escaped, broken UTF-8 replaced by U+FFFD, so any bytes give valid JSON.
void appendJsonString(std::string& out, std::string_view text);

// Appends the shortest decimal that reads back as the same double; null for
// infinities and NaN, which JSON cannot hold.
void appendJsonNumber(std::string& out, double value);

}  // namespace engine
