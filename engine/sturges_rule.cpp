// Proposing an interval length for a sample by Sturges' rule.
#include "engine/sturges_rule.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/stored.h"

namespace engine {

namespace {

// x > 0 rounded up to 2 significant digits, through its decimal text so that
// 1.4 is the float nearest 1.4 and not 14 · 0.1.
double roundUpTwoDigits(double x) {
  int exponent = static_cast<int>(std::floor(std::log10(x))) - 1;
  double scaled = x / std::pow(10.0, exponent);
  // log10 may land one off near a power of ten; the mantissa must be 10..99.
  if (scaled >= 100.0) {
    ++exponent;
    scaled /= 10.0;
  } else if (scaled < 10.0) {
    --exponent;
    scaled *= 10.0;
  }
  // A quotient a hair above a whole number is that number, not the next one.
  long digits = static_cast<long>(std::ceil(scaled * (1.0 - 1e-12)));
  if (digits >= 100) {
    digits = 10;
    ++exponent;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%lde%d", digits, exponent);
  return std::strtod(text, nullptr);
}

}  // namespace

int32_t intervalCount(float min, float max, float length) {
  if (!(std::isfinite(length) && length > 0.0f) || !std::isfinite(min) || !std::isfinite(max) ||
      min > max)
    return 0;
  const double quotient = (static_cast<double>(max) - min) / length + 1.0;
  if (quotient >= 2147483647.0) return 2147483647;
  return static_cast<int32_t>(quotient);
}

IntervalProposal sturgesInterval(const std::vector<float>& values) {
  IntervalProposal proposal;
  if (values.size() < 2) return proposal;
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  const double range = static_cast<double>(*high) - *low;
  if (!(range > 0.0) || !std::isfinite(range)) return proposal;
  const double k = 1.0 + 3.322 * std::log10(static_cast<double>(values.size()));
  const float length = stored(roundUpTwoDigits(range / k));
  if (!(std::isfinite(length) && length > 0.0f)) return proposal;
  proposal.length = length;
  proposal.intervals = intervalCount(*low, *high, length);
  return proposal;
}

}  // namespace engine
