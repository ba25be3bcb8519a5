// The three choices of the test and the estimates: significance level, reliability, coefficients.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace engine {

// The levels the critical-point table has a column for.
enum class SignificanceLevel { FivePercent, TwoAndAHalfPercent, OnePercent };
// The reliabilities of the confidence intervals.
enum class Reliability { NinetyFive, NinetyNine, NinetyNinePointNine };
// Where t and q come from: a sample of 100, as the method's tables give them, or the sample's size.
enum class CoefficientSource { Method, Sample };

inline constexpr SignificanceLevel kSignificanceLevels[] = {SignificanceLevel::FivePercent,
                                                            SignificanceLevel::TwoAndAHalfPercent,
                                                            SignificanceLevel::OnePercent};
inline constexpr Reliability kReliabilities[] = {Reliability::NinetyFive, Reliability::NinetyNine,
                                                 Reliability::NinetyNinePointNine};
inline constexpr CoefficientSource kCoefficientSources[] = {CoefficientSource::Method,
                                                            CoefficientSource::Sample};

// The sample size the method's coefficients belong to.
inline constexpr int32_t kMethodSampleSize = 100;

// α as a number (0.05, 0.025, 0.01) and in its shortest text with "." whatever the locale.
double levelValue(SignificanceLevel level);
const char* levelText(SignificanceLevel level);
// The column of the critical-point table that holds the points for α: 3, 2 or 1.
int32_t levelColumn(SignificanceLevel level);

// γ as a number (0.95, 0.99, 0.999) and in its shortest text with ".".
double reliabilityValue(Reliability reliability);
const char* reliabilityText(Reliability reliability);

// "method" or "sample", the names tarnek-cli and its JSON use.
const char* coefficientSourceName(CoefficientSource source);

// The setting whose value is exactly `value` (0.050 reads as 0.05), or nothing.
std::optional<SignificanceLevel> levelOf(double value);
std::optional<Reliability> reliabilityOf(double value);
std::optional<CoefficientSource> coefficientSourceOf(const std::string& name);

}  // namespace engine
