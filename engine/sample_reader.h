// Reading a sample file: the interval length, then up to 200 values.
#pragma once

#include <istream>

#include "analysis_state.h"

namespace engine {

// Reads from a stream in the classic locale: the first number into
// state.IntervalLength (kept as it was when it cannot be read), then values
// into state.Sample until a read fails or 200 are stored. Sets SampleCount
// to the number stored; slots above it keep their previous content. An
// overflowing number ends the reading like any other bad token.
void readSample(std::istream& in, AnalysisState& state);

}  // namespace engine
