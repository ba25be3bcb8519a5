// A run's outcome as one sentence, for the line that keeps the verdict in view.
#pragma once

#include <string>

#include "engine/run_result.h"

namespace engine {

// How the sentence should look beside the others: a verdict either way, or none.
enum class ResultTone { Accepted, Rejected, NoVerdict };

ResultTone resultTone(RunOutcome outcome);

// With a verdict: the verdict in words (and a mark, so colour is not needed to tell them
// apart), Xb against Xk, the degrees of freedom, α and the p-value to 4 significant digits.
// Without a critical point: α, the degrees of freedom, the p-value and `tablePath`, where the
// table was looked for. Otherwise the reason in a few words. Numbers as the log writes them.
std::string resultSentence(const RunResult& result, char decimalSeparator,
                           const std::string& tablePath);

}  // namespace engine
