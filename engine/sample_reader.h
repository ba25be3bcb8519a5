// Reading a sample file: the interval length, then up to 200 values.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>

#include "engine/analysis_state.h"
#include "engine/read_stop.h"

namespace engine {

// What one reading of a sample did.
struct SampleRead {
  bool intervalLengthRead = false;  // false: IntervalLength kept its previous value
  int32_t count = 0;                // values stored, as SampleCount now holds
  // Set when a read failed at text that is not a number, at a number out of
  // the float range or at one of more than 1,000 characters; empty when the
  // reading ended at the end of the file (blanks included) or because 200
  // values were stored.
  std::optional<ReadStop> stop;
  // True when another number follows the 200th value: the file holds more
  // values than were read. Text that is not a number there does not count.
  bool truncated = false;
};

// Reads from a stream in the classic locale, after a UTF-8 byte order mark
// at its start: the first number into state.IntervalLength (kept as it was
// when it cannot be read), then values into state.Sample until a read fails
// or 200 are stored; after the 200th value only one more number is read, to
// tell whether there are more. Sets SampleCount to the number stored; slots
// above it keep their previous content. An overflowing number, or one longer
// than 1,000 characters, ends the reading like any other bad token. The
// stop's token is taken again from where its read began, so a stream that
// cannot seek back shows only what that read left of it.
SampleRead readSample(std::istream& in, AnalysisState& state);

}  // namespace engine
