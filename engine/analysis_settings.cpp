// The values, texts and names of the three settings of the test and the estimates.
#include "engine/analysis_settings.h"

namespace engine {

double levelValue(SignificanceLevel level) {
  switch (level) {
    case SignificanceLevel::FivePercent:
      return 0.05;
    case SignificanceLevel::TwoAndAHalfPercent:
      return 0.025;
    case SignificanceLevel::OnePercent:
      return 0.01;
  }
  return 0.05;
}

const char* levelText(SignificanceLevel level) {
  switch (level) {
    case SignificanceLevel::FivePercent:
      return "0.05";
    case SignificanceLevel::TwoAndAHalfPercent:
      return "0.025";
    case SignificanceLevel::OnePercent:
      return "0.01";
  }
  return "0.05";
}

int32_t levelColumn(SignificanceLevel level) {
  // The table's columns hold the upper points for α = 0.01, 0.025 and 0.05 first.
  switch (level) {
    case SignificanceLevel::FivePercent:
      return 3;
    case SignificanceLevel::TwoAndAHalfPercent:
      return 2;
    case SignificanceLevel::OnePercent:
      return 1;
  }
  return 3;
}

double reliabilityValue(Reliability reliability) {
  switch (reliability) {
    case Reliability::NinetyFive:
      return 0.95;
    case Reliability::NinetyNine:
      return 0.99;
    case Reliability::NinetyNinePointNine:
      return 0.999;
  }
  return 0.95;
}

const char* reliabilityText(Reliability reliability) {
  switch (reliability) {
    case Reliability::NinetyFive:
      return "0.95";
    case Reliability::NinetyNine:
      return "0.99";
    case Reliability::NinetyNinePointNine:
      return "0.999";
  }
  return "0.95";
}

const char* coefficientSourceName(CoefficientSource source) {
  return source == CoefficientSource::Sample ? "sample" : "method";
}

std::optional<SignificanceLevel> levelOf(double value) {
  for (const SignificanceLevel level : kSignificanceLevels)
    if (levelValue(level) == value) return level;
  return std::nullopt;
}

std::optional<Reliability> reliabilityOf(double value) {
  for (const Reliability reliability : kReliabilities)
    if (reliabilityValue(reliability) == value) return reliability;
  return std::nullopt;
}

std::optional<CoefficientSource> coefficientSourceOf(const std::string& name) {
  for (const CoefficientSource source : kCoefficientSources)
    if (name == coefficientSourceName(source)) return source;
  return std::nullopt;
}

}  // namespace engine
