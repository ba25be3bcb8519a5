// Merging small expected frequencies and Pearson's chi-square test.
#include <cmath>
#include <vector>

#include "engine/analysis_run.h"
#include "engine/stored.h"
#include "engine/texts.h"

namespace engine {

namespace {

// A run of adjacent intervals whose frequencies are pooled.
struct Group {
  IntervalGroup pooled;

  void add(const GroupTable& table, int32_t interval) {
    if (pooled.first == 0) pooled.first = interval;
    pooled.last = interval;
    pooled.frequency += table(kFrequency, interval);
    pooled.expected += table(kExpectedFrequency, interval);
  }
};

// Stores a group's contribution n_g² / n'_g in `row`; an empty expectation stores nothing.
IntervalGroup storeContribution(GroupTable& table, int32_t row, Group group) {
  IntervalGroup& pooled = group.pooled;
  pooled.row = row;
  pooled.contributes = pooled.expected != 0.0;
  if (pooled.contributes)
    table(kContribution, row) = stored(pooled.frequency * pooled.frequency / pooled.expected);
  return pooled;
}

void markSmallExpectations(AnalysisRun& run) {
  for (int32_t i = 1; i <= run.intervals; ++i) {
    if (run.table(kExpectedFrequency, i) < 5.0f) {
      run.view.appendLog(text::kMergedPrefix + formatInteger(i) + text::kMergedSuffix);
      run.MergedWithNext[static_cast<size_t>(i)] = true;
      run.result.markedIntervals.push_back(i);
    }
  }
}

// Forms the groups, fills the contribution column and returns the number of groups.
int32_t groupIntervals(AnalysisRun& run) {
  GroupTable& table = run.table;
  std::vector<IntervalGroup>& groups = run.result.intervalGroups;
  const int32_t k = run.intervals;
  int32_t lastPairStart = 0;  // first interval of the most recent pair, 0 when none
  int32_t i = 1;
  while (i < k) {
    Group group;
    group.add(table, i);
    if (run.MergedWithNext[static_cast<size_t>(i)]) {
      lastPairStart = i;
      ++i;
      group.add(table, i);
    }
    groups.push_back(storeContribution(table, i, group));
    ++i;
  }
  if (i > k) return static_cast<int32_t>(groups.size());  // the pass ended on the pair k - 1, k

  // The last interval has no next neighbour: a marked one joins the group before it.
  if (run.MergedWithNext[static_cast<size_t>(k)] && k >= 2) {
    Group group;
    // A pair (k - 2, k - 1) stays whole: a group of three. Row 0 is the header, never a pair.
    if (lastPairStart > 0 && lastPairStart == k - 2) group.add(table, k - 2);
    group.add(table, k - 1);
    group.add(table, k);
    // The group ending at k - 1 that the pass formed now takes in interval k.
    groups.back() = storeContribution(table, k - 1, group);
    return static_cast<int32_t>(groups.size());
  }
  Group group;
  group.add(table, k);
  groups.push_back(storeContribution(table, k, group));
  return static_cast<int32_t>(groups.size());
}

void fillGrid(AnalysisRun& run) {
  run.view.setGridRowCount(run.intervals + 2);
  for (int32_t row = 0; row <= run.intervals; ++row)
    for (int32_t column = 0; column < kTableColumns; ++column)
      run.view.setGridCell(column, row, run.fourDigits(run.table(column, row)));
}

}  // namespace

bool testNormality(AnalysisRun& run, RunOutcome& outcome) {
  AnalysisView& view = run.view;
  markSmallExpectations(run);
  const int32_t groups = groupIntervals(run);
  if (groups != run.intervals) view.appendLog(text::kNewIntervalCount + formatInteger(groups));

  float contributions = 0.0f;
  for (int32_t i = 1; i <= run.intervals; ++i)
    contributions = stored(static_cast<double>(contributions) + run.table(kContribution, i));
  run.result.contributionSum = contributions;
  const float statistic = stored(static_cast<double>(contributions) - run.state.SampleCount);
  view.setGridCell(kContribution, run.intervals + 1, run.fourDigits(statistic));
  fillGrid(run);

  const int32_t degreesOfFreedom = groups - 3;
  run.result.groups = groups;
  run.result.degreesOfFreedom = degreesOfFreedom;
  run.result.statistic = statistic;
  if (degreesOfFreedom < 1) {
    view.appendLog(text::kTooFewPrefix + formatInteger(groups) + text::kTooFewSuffix);
    outcome = RunOutcome::TooFewIntervals;
    return false;
  }
  const SignificanceLevel level = run.state.Alpha;
  // The level is named only when it is not the one every textbook problem starts from.
  if (level != SignificanceLevel::FivePercent)
    view.appendLog(text::kSignificanceLevel + std::string(levelText(level)));
  const float critical = run.state.CriticalPoints.at(degreesOfFreedom, levelColumn(level));
  // A missing table or row reads as 0, a damaged one as anything: no verdict against either.
  if (!(std::isfinite(critical) && critical > 0.0f)) {
    view.appendLog(text::kNoCriticalPointPrefix + formatInteger(degreesOfFreedom) +
                   text::kNoCriticalPointSuffix);
    outcome = RunOutcome::NoCriticalPoint;
    return false;
  }
  run.result.critical = critical;
  const bool accepted = statistic < critical;
  view.appendLog(text::kVerdictPrefix + run.fiveDigits(statistic) +
                 (accepted ? text::kAcceptedMiddle : text::kRejectedMiddle) +
                 formatInteger(groups) + text::kDegreesOfFreedom + run.fiveDigits(critical) +
                 (accepted ? text::kAccepted : text::kRejected));
  outcome = accepted ? RunOutcome::Accepted : RunOutcome::Rejected;
  return accepted;
}

}  // namespace engine
