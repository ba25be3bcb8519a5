// Runs of the engine worked into their solution, on the shipped table: what the solution's tests
// start from.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/critical_points.h"
#include "engine/document/document_plain_text.h"
#include "engine/process_file.h"
#include "engine/recorded_view.h"
#include "engine/solution.h"
#include "tests/engine/test_files.h"

namespace engine::testing {

// The shipped data/exttable.txt, every column of it.
inline CriticalPointTable shippedTable() {
  CriticalPointTable table;
  RecordedView messages;
  if (loadCriticalPoints(TARNEK_DATA_DIR "/exttable.txt", table, messages) != TableLoad::Loaded)
    ADD_FAILURE() << "the shipped table did not load";
  return table;
}

struct SolvedRun {
  RecordedView view;
  RunResult result;
  std::string text;  // the solution as plain text
};

inline SolvedRun solve(AnalysisState& state, char separator = '.') {
  SolvedRun solved;
  ProcessFile(state, solved.view, separator, solved.result);
  solved.text = plainDocument(buildSolution(solved.result, separator));
  return solved;
}

// n values of a normal distribution.
inline std::vector<float> normalValues(int n, double mean, double deviation,
                                       std::mt19937& generator) {
  std::normal_distribution<double> normal(mean, deviation);
  std::vector<float> values;
  for (int i = 0; i < n; ++i) values.push_back(static_cast<float>(normal(generator)));
  return values;
}

inline AnalysisState loadedState(const std::vector<float>& values, float h) {
  float low = values.front(), high = values.front();
  for (float v : values) low = std::min(low, v), high = std::max(high, v);
  AnalysisState state = stateInMemory(values, h, low, high);
  state.CriticalPoints = shippedTable();
  return state;
}

}  // namespace engine::testing
