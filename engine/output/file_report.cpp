// What tarnek-cli prints for one analysed file: plain text or one JSON line.
#include "engine/output/file_report.h"

#include "engine/output/json_writer.h"
#include "engine/output/run_result_json.h"
#include "engine/output/text_table.h"

namespace engine {

namespace {

void appendStringArray(std::string& out, const std::vector<std::string>& texts) {
  out += '[';
  for (size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) out += ',';
    appendJsonString(out, texts[i]);
  }
  out += ']';
}

void appendPoints(std::string& out, const std::vector<engine::RecordedPoint>& points) {
  out += '[';
  for (size_t i = 0; i < points.size(); ++i) {
    if (i > 0) out += ',';
    out += '[';
    appendJsonNumber(out, points[i].x);
    out += ',';
    appendJsonNumber(out, points[i].y);
    out += ']';
  }
  out += ']';
}

}  // namespace

void appendPlainReport(std::string& out, const engine::RecordedView& view) {
  for (const std::string& line : view.log()) {
    out += line;
    out += '\n';
  }
  out += '\n';
  std::vector<std::vector<std::string>> rows;
  for (const auto& row : view.gridRows()) rows.emplace_back(row.begin(), row.end());
  appendTextTable(out, rows);
}

void appendJsonReport(std::string& out, const std::string& file,
                      const std::vector<std::string>& messages, const engine::RecordedView& view,
                      const engine::RunResult* result, const std::vector<std::string>* solution) {
  out += "{\"file\":";
  appendJsonString(out, file);
  out += ",\"messages\":";
  std::vector<std::string> allMessages = messages;
  allMessages.insert(allMessages.end(), view.messages().begin(), view.messages().end());
  appendStringArray(out, allMessages);
  out += ",\"log\":";
  appendStringArray(out, view.log());
  out += ",\"grid\":[";
  const auto rows = view.gridRows();
  for (size_t r = 0; r < rows.size(); ++r) {
    if (r > 0) out += ',';
    out += '[';
    for (size_t c = 0; c < rows[r].size(); ++c) {
      if (c > 0) out += ',';
      appendJsonString(out, rows[r][c]);
    }
    out += ']';
  }
  out += "],\"histogram\":";
  appendPoints(out, view.histogram());
  out += ",\"curve\":";
  appendPoints(out, view.curve());
  if (result) {
    out += ",\"result\":";
    appendResultJson(out, *result);
  }
  if (solution) {
    out += ",\"solution\":";
    appendStringArray(out, *solution);
  }
  out += "}\n";
}

}  // namespace engine
