// A run's numbers as the "result" object of tarnek-cli's JSON.
#pragma once

#include <string>

#include "engine/run_result.h"

namespace engine {

// Appends {"outcome", "n", "h", "xmin", "xmax", "intervals", "groups", "df", "mean",
// "sd", "statistic", "critical", "p_value", "mean_interval", "sd_interval", "table",
// "stopped_at", "truncated", "alpha", "gamma", "coefficients", "t", "q"}: numbers as JSON
// numbers, stored floats in their shortest form, null for what the run did not reach (and for a
// non-finite value). The p-value is the chi-square upper tail at the statistic, present with a
// verdict and where the table had no critical point; "truncated" is true or false; t and q are
// the rounded coefficients used.
void appendResultJson(std::string& out, const engine::RunResult& result);

}  // namespace engine
