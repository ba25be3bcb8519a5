// The shapes of every log line a run can write: the program's fixed texts with number slots.
#pragma once

#include <string>
#include <vector>

#include "engine/analysis_settings.h"
#include "engine/texts.h"
#include "fuzz/number_text.h"

namespace fuzz {

// Slot marks inside a shape; the texts themselves never contain control characters.
inline constexpr char kFiveDigits = '\x01';  // general format, precision 5
inline constexpr char kFourDigits = '\x02';  // general format, precision 4
inline constexpr char kWhole = '\x03';       // a whole number

namespace shape {
namespace t = engine::text;
inline const std::string kFive(1, kFiveDigits), kFour(1, kFourDigits), kInteger(1, kWhole);
inline const std::string kTooFew = t::kTooFewPrefix + kInteger + t::kTooFewSuffix;
inline const std::string kRejectedVerdict = t::kVerdictPrefix + kFive + t::kRejectedMiddle +
                                            kInteger + t::kDegreesOfFreedom + kFive + t::kRejected;
inline const std::string kAcceptedVerdict = t::kVerdictPrefix + kFive + t::kAcceptedMiddle +
                                            kInteger + t::kDegreesOfFreedom + kFive + t::kAccepted;
inline const std::string kEstimates = t::kEstimatesMean + kFive + t::kEstimatesDeviation + kFive;
inline const std::string kMeanInterval = kFour + t::kMeanInterval + kFour;
inline const std::string kDeviationInterval = kFour + t::kDeviationInterval + kFour;
inline const std::string kNoCriticalPoint =
    t::kNoCriticalPointPrefix + kInteger + t::kNoCriticalPointSuffix;

// The intervals' heading for one reliability, the sample size in its slot.
inline std::string intervalsHeading(engine::Reliability gamma) {
  return t::kIntervalsHeadingPrefix + std::string(engine::reliabilityText(gamma)) +
         t::kIntervalsHeadingMiddle + kInteger + t::kIntervalsHeadingSuffix;
}
inline std::string levelLine(engine::SignificanceLevel alpha) {
  return t::kSignificanceLevel + std::string(engine::levelText(alpha));
}
}  // namespace shape

inline const std::vector<std::string>& logShapes() {
  namespace t = engine::text;
  using shape::kFive;
  using shape::kInteger;
  static const std::vector<std::string> shapes = [] {
    std::vector<std::string> all = {
        t::kFileNotOpened,
        t::kLoadedPrefix + kInteger + t::kLoadedSuffix,
        t::kNoData,
        t::kIntervalLength + kFive,
        t::kMinimum + kFive,
        t::kMaximum + kFive,
        t::kBadIntervalLength,
        t::kBadRangeBounds,
        t::kBadRangeOrder,
        t::kIntervalCount + kInteger,
        t::kTooManyIntervals,
        t::kOutOfRangePrefix + kInteger + t::kOutOfRangeSuffix,
        t::kDegenerateSpread,
        t::kMergedPrefix + kInteger + t::kMergedSuffix,
        t::kNewIntervalCount + kInteger,
        shape::kTooFew,
        shape::kRejectedVerdict,
        shape::kAcceptedVerdict,
        shape::kEstimates,
        shape::kMeanInterval,
        shape::kDeviationInterval,
        shape::kNoCriticalPoint,
    };
    for (const engine::Reliability gamma : engine::kReliabilities)
      all.push_back(shape::intervalsHeading(gamma));
    for (const engine::SignificanceLevel alpha : engine::kSignificanceLevels)
      if (alpha != engine::SignificanceLevel::FivePercent) all.push_back(shape::levelLine(alpha));
    return all;
  }();
  return shapes;
}

// True when `line` is `shape` with a number of the right kind in every slot.
inline bool matchesShape(const std::string& line, const std::string& shape, char separator) {
  size_t at = 0;
  for (const char piece : shape) {
    if (piece == kFiveDigits || piece == kFourDigits) {
      at = scanGeneral(line, at, separator, piece == kFiveDigits ? 5 : 4, 2);
    } else if (piece == kWhole) {
      at = scanInteger(line, at);
    } else if (at < line.size() && line[at] == piece) {
      ++at;
    } else {
      at = std::string::npos;
    }
    if (at == std::string::npos) return false;
  }
  return at == line.size();
}

// The line "Обрабатываю файл - " + name is the only one with free text in it.
inline bool isLogLine(const std::string& line, char separator, const std::string& fileName) {
  if (line == engine::text::kProcessingFile + fileName) return true;
  for (const std::string& shape : logShapes())
    if (matchesShape(line, shape, separator)) return true;
  return false;
}

}  // namespace fuzz
