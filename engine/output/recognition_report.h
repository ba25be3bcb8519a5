// What the data window and tarnek-cli --to-sample say they recognised in pasted data.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/data_reader.h"

namespace engine {

// The interval length to write and where it came from.
struct ChosenLength {
  float length = 1.0f;
  int32_t intervals = 1;  // k it gives the analysis
  enum class Source { Option, Data, Sturges } source = Source::Sturges;
};

// `intervalLength` (tarnek-cli's --h), else the length the data held (a grouped series', or a
// sample file's first number), else Sturges' rule over the values.
ChosenLength chooseLength(const DataRead& read, std::optional<float> intervalLength);

// What was recognised, skipped and found, one line each, as the data window lists it.
std::string recognitionReport(const DataRead& read, const ChosenLength* length);

}  // namespace engine
