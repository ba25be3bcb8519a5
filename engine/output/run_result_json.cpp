// A run's numbers as the "result" object of tarnek-cli's JSON.
#include "engine/output/run_result_json.h"

#include "engine/output/json_writer.h"
#include "engine/shortest_number.h"

namespace engine {

namespace {

void appendNull(std::string& out) { out += "null"; }

void appendFloat(std::string& out, float value) {
  if (!engine::appendShortest(out, value)) appendNull(out);
}

void appendValue(std::string& out, const std::optional<float>& value) {
  if (value)
    appendFloat(out, *value);
  else
    appendNull(out);
}

void appendValue(std::string& out, const std::optional<double>& value) {
  if (value)
    appendJsonNumber(out, *value);
  else
    appendNull(out);
}

void appendValue(std::string& out, const std::optional<int32_t>& value) {
  if (value)
    out += std::to_string(*value);
  else
    appendNull(out);
}

template <typename Number>
void appendPair(std::string& out, const std::optional<std::array<Number, 2>>& pair) {
  if (!pair) {
    appendNull(out);
    return;
  }
  out += '[';
  appendValue(out, std::optional<Number>((*pair)[0]));
  out += ',';
  appendValue(out, std::optional<Number>((*pair)[1]));
  out += ']';
}

void appendTable(std::string& out, const engine::RunResult& result) {
  if (result.tableColumns == 0) {
    appendNull(out);
    return;
  }
  out += '[';
  for (size_t row = 0; row < result.table.size(); ++row) {
    if (row > 0) out += ',';
    out += '[';
    for (int32_t column = 0; column < engine::kTableColumns; ++column) {
      if (column > 0) out += ',';
      if (column < result.tableColumns)
        appendFloat(out, result.table[row][static_cast<size_t>(column)]);
      else
        appendNull(out);  // a column the run did not compute
    }
    out += ']';
  }
  out += ']';
}

void appendStop(std::string& out, const std::optional<engine::ReadStop>& stop) {
  if (!stop) {
    appendNull(out);
    return;
  }
  out += "{\"line\":" + std::to_string(stop->line) + ",\"text\":";
  appendJsonString(out, stop->text);
  out += '}';
}

struct OutcomeRow {
  engine::RunOutcome outcome;
  const char* name;
};

constexpr OutcomeRow kOutcomeRows[] = {
    {engine::RunOutcome::FileNotOpened, "open_failed"},
    {engine::RunOutcome::NoData, "no_data"},
    {engine::RunOutcome::BadParameters, "bad_parameters"},
    {engine::RunOutcome::TooManyIntervals, "too_many_intervals"},
    {engine::RunOutcome::DegenerateSpread, "no_spread"},
    {engine::RunOutcome::TooFewIntervals, "too_few_groups"},
    {engine::RunOutcome::NoCriticalPoint, "no_critical_point"},
    {engine::RunOutcome::Rejected, "rejected"},
    {engine::RunOutcome::Accepted, "accepted"},
};

// The JSON name of an outcome: "accepted", "rejected", "too_few_groups", ...; the first row's for
// a value outside the enumeration.
const char* outcomeName(engine::RunOutcome outcome) {
  for (const OutcomeRow& row : kOutcomeRows)
    if (row.outcome == outcome) return row.name;
  return kOutcomeRows[0].name;
}

}  // namespace

void appendResultJson(std::string& out, const engine::RunResult& result) {
  out += "{\"outcome\":\"";
  out += outcomeName(result.outcome);
  out += "\",\"n\":";
  appendValue(out, result.n);
  out += ",\"h\":";
  appendValue(out, result.h);
  out += ",\"xmin\":";
  appendValue(out, result.xmin);
  out += ",\"xmax\":";
  appendValue(out, result.xmax);
  out += ",\"intervals\":";
  appendValue(out, result.intervals);
  out += ",\"groups\":";
  appendValue(out, result.groups);
  out += ",\"df\":";
  appendValue(out, result.degreesOfFreedom);
  out += ",\"mean\":";
  appendValue(out, result.mean);
  out += ",\"sd\":";
  appendValue(out, result.deviation);
  out += ",\"statistic\":";
  appendValue(out, result.statistic);
  out += ",\"critical\":";
  appendValue(out, result.critical);
  out += ",\"p_value\":";
  appendValue(out, engine::pValue(result));
  out += ",\"mean_interval\":";
  appendPair(out, result.meanInterval);
  out += ",\"sd_interval\":";
  appendPair(out, result.deviationInterval);
  out += ",\"table\":";
  appendTable(out, result);
  out += ",\"stopped_at\":";
  appendStop(out, result.stoppedAt);
  out += ",\"truncated\":";
  out += result.truncated ? "true" : "false";
  // The settings come after what older readers know.
  out += ",\"alpha\":";
  appendJsonNumber(out, engine::levelValue(result.alpha));
  out += ",\"gamma\":";
  appendJsonNumber(out, engine::reliabilityValue(result.gamma));
  out += ",\"coefficients\":\"";
  out += engine::coefficientSourceName(result.coefficients);
  out += "\",\"t\":";
  appendValue(out, result.t);
  out += ",\"q\":";
  appendValue(out, result.q);
  out += '}';
}

}  // namespace engine
