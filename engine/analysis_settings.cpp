// The values, texts and names of the three settings of the test and the estimates.
#include "engine/analysis_settings.h"

#include <cstddef>

namespace engine {

namespace {

// A setting with its value, its text and, for α, its column of the critical-point table.
struct LevelRow {
  SignificanceLevel setting;
  double value;
  const char* text;
  int32_t column;  // the table holds the upper points for α = 0.01, 0.025 and 0.05 first
};

struct ReliabilityRow {
  Reliability setting;
  double value;
  const char* text;
};

constexpr LevelRow kLevelRows[] = {
    {SignificanceLevel::FivePercent, 0.05, "0.05", 3},
    {SignificanceLevel::TwoAndAHalfPercent, 0.025, "0.025", 2},
    {SignificanceLevel::OnePercent, 0.01, "0.01", 1},
};

constexpr ReliabilityRow kReliabilityRows[] = {
    {Reliability::NinetyFive, 0.95, "0.95"},
    {Reliability::NinetyNine, 0.99, "0.99"},
    {Reliability::NinetyNinePointNine, 0.999, "0.999"},
};

// The row of `setting`; the first row, the default, for a value outside the enumeration.
template <typename Row, size_t Count, typename Setting>
const Row& rowOf(const Row (&rows)[Count], Setting setting) {
  for (const Row& row : rows)
    if (row.setting == setting) return row;
  return rows[0];
}

}  // namespace

double levelValue(SignificanceLevel level) { return rowOf(kLevelRows, level).value; }

const char* levelText(SignificanceLevel level) { return rowOf(kLevelRows, level).text; }

int32_t levelColumn(SignificanceLevel level) { return rowOf(kLevelRows, level).column; }

double reliabilityValue(Reliability reliability) {
  return rowOf(kReliabilityRows, reliability).value;
}

const char* reliabilityText(Reliability reliability) {
  return rowOf(kReliabilityRows, reliability).text;
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
