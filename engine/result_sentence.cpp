// A run's outcome as one sentence, for the line that keeps the verdict in view.
#include "engine/result_sentence.h"

#include <cmath>

#include "engine/number_format.h"
#include "engine/texts.h"

namespace engine {

namespace {

std::string fiveDigits(double value, char separator) {
  return formatGeneral(value, 5, 2, separator);
}

std::string pValueText(const RunResult& result, char separator) {
  const std::optional<double> p = pValue(result);
  return formatGeneral(p.value_or(std::nan("")), 4, 2, separator);
}

std::string degreesOfFreedomText(const RunResult& result) {
  return formatInteger(result.degreesOfFreedom.value_or(0));
}

std::string verdict(const RunResult& result, bool accepted, char separator) {
  return (accepted ? text::kResultAccepted : text::kResultRejected) +
         fiveDigits(result.statistic.value_or(0.0f), separator) +
         (accepted ? text::kResultBelow : text::kResultNotBelow) +
         fiveDigits(result.critical.value_or(0.0f), separator) + text::kResultDegreesOfFreedom +
         degreesOfFreedomText(result) + text::kResultLevel + levelText(result.alpha) +
         text::kResultPValue + pValueText(result, separator);
}

}  // namespace

ResultTone resultTone(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::Accepted:
      return ResultTone::Accepted;
    case RunOutcome::Rejected:
      return ResultTone::Rejected;
    default:
      return ResultTone::NoVerdict;
  }
}

std::string resultSentence(const RunResult& result, char decimalSeparator,
                           const std::string& tablePath) {
  switch (result.outcome) {
    case RunOutcome::Accepted:
      return verdict(result, true, decimalSeparator);
    case RunOutcome::Rejected:
      return verdict(result, false, decimalSeparator);
    case RunOutcome::NoCriticalPoint:
      return text::kResultNoCriticalPoint + std::string(levelText(result.alpha)) +
             text::kResultNoPointDegrees + degreesOfFreedomText(result) + text::kResultPValue +
             pValueText(result, decimalSeparator) + text::kResultTableDamaged + tablePath;
    case RunOutcome::TooFewIntervals:
      return text::kResultTooFewPrefix + formatInteger(result.groups.value_or(0)) +
             text::kResultTooFewSuffix;
    case RunOutcome::DegenerateSpread:
      return text::kResultNoSpread;
    case RunOutcome::TooManyIntervals:
      return text::kResultTooManyIntervals;
    case RunOutcome::BadParameters:
      return text::kResultBadParameters;
    case RunOutcome::NoData:
      return text::kResultNoData;
    case RunOutcome::FileNotOpened:
      return text::kResultFileNotOpened;
  }
  return text::kResultFileNotOpened;
}

}  // namespace engine
