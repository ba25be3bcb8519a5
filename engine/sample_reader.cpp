// Reading a sample file: the interval length, then up to 200 values.
#include "sample_reader.h"

#include "classic_stream.h"

namespace engine {

void readSample(std::istream& in, AnalysisState& state) {
  useClassicLocale(in);
  int32_t count = 0;
  if (readFloat(in, state.IntervalLength)) {
    while (count < kMaxSampleCount && readFloat(in, state.Sample[static_cast<size_t>(count)]))
      ++count;
  }
  state.SampleCount = count;
}

}  // namespace engine
