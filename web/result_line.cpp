// The one sentence under the page's chart that says how the run ended.
#include "web/result_line.h"

#include "cli/p_value.h"
#include "engine/number_format.h"

namespace web {

std::string resultLine(const engine::RunResult& result, const std::vector<std::string>& log,
                       char decimalSeparator) {
  const bool verdict = result.statistic && result.critical && result.degreesOfFreedom &&
                       (result.outcome == engine::RunOutcome::Accepted ||
                        result.outcome == engine::RunOutcome::Rejected);
  if (!verdict) return log.empty() ? std::string() : log.back();
  const bool accepted = result.outcome == engine::RunOutcome::Accepted;
  std::string line = accepted ? "Гипотеза о нормальном распределении принята: Xb = "
                              : "Гипотеза о нормальном распределении отвергнута: Xb = ";
  line += engine::formatGeneral(*result.statistic, 5, 2, decimalSeparator);
  line += accepted ? " < " : " > ";
  line += "Xk(" + engine::formatInteger(*result.degreesOfFreedom) +
          ") = " + engine::formatGeneral(*result.critical, 4, 2, decimalSeparator);
  if (const auto p = cli::upperTailProbability(*result.statistic, *result.degreesOfFreedom))
    line += ", p = " + engine::formatGeneral(*p, 3, 2, decimalSeparator);
  return line;
}

}  // namespace web
