// The one sentence under the page's chart that says how the run ended.
#pragma once

#include <string>
#include <vector>

#include "engine/run_result.h"

namespace web {

// With a verdict: whether normality is accepted, Xb against Xk with its degrees of freedom,
// and the p-value; otherwise the log's last line, which says why the run stopped.
std::string resultLine(const engine::RunResult& result, const std::vector<std::string>& log,
                       char decimalSeparator);

}  // namespace web
