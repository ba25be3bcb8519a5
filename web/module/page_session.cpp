// The browser page's window: the analysis state, its runs, the options dialog's Apply and
// Cancel, and samples opened from the page, over the page's own folder of files.
#include "web/module/page_session.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "engine/critical_points.h"
#include "engine/data_reader.h"
#include "engine/data_text.h"
#include "engine/document/page_layout.h"
#include "engine/document/text_width.h"
#include "engine/output/csv_table.h"
#include "engine/output/file_report.h"
#include "engine/output/json_writer.h"
#include "engine/output/recognition_report.h"
#include "engine/process_file.h"
#include "engine/result_sentence.h"
#include "engine/sample_writer.h"

namespace web {

namespace fs = std::filesystem;

namespace {

constexpr const char* kExampleName = "Input.txt";

void writeFile(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What is left of a name a browser gives: no folder part, never empty or a folder's name.
std::string plainName(const std::string& name) {
  std::string base = fs::path(name).filename().string();
  if (base.empty() || base == "." || base == "..") return kPastedSampleName;
  return base;
}

std::vector<int32_t> reportColumnWidths(const std::vector<engine::RecordedView::Row>& rows) {
  std::vector<int32_t> widest(engine::kTableColumns, 0);
  for (const auto& row : rows) {
    for (size_t column = 0; column < row.size(); ++column) {
      const std::string& text = row[column];
      // Each line of a cell is measured on its own.
      for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        widest[column] =
            std::max(widest[column],
                     engine::lineWidthTwips(std::string_view(text).substr(start, end - start),
                                            engine::kNormalFontHalfPoints));
        start = end + 1;
      }
    }
  }
  return engine::fitColumnWidths(widest, engine::kTextWidthTwips);
}

void appendField(std::string& out, const char* key, const std::string& value) {
  out += '"';
  out += key;
  out += "\":";
  engine::appendJsonString(out, value);
}

}  // namespace

PageSession::PageSession(const std::string& folder, const std::string& tablePath,
                         const std::string& examplePath, char decimalSeparator)
    : folder_(folder), tablePath_(tablePath), separator_(decimalSeparator) {
  std::error_code error;
  fs::create_directories(folder_, error);
  fs::current_path(folder_, error);
  writeFile(fs::path(folder_) / kExampleName, readFile(examplePath));
  engine::RecordedView tableView;
  engine::loadCriticalPoints(tablePath, state_.CriticalPoints, tableView);
  tableMessages_ = tableView.messages();
  state_.FileName = kExampleName;
  run();
  // The dialog is filled from the first run, which leaves it in numbers mode.
  engine::showState(state_, fields_, separator_);
  state_.FileChanged = false;
}

void PageSession::run() { engine::ProcessFile(state_, view_, separator_, result_); }

std::optional<std::string> PageSession::apply(const engine::OptionFields& typed) {
  fields_.fileName = typed.fileName;
  fields_.intervalLength.text = typed.intervalLength.text;
  fields_.xmin.text = typed.xmin.text;
  fields_.xmax.text = typed.xmax.text;
  fields_.alpha = typed.alpha;
  fields_.gamma = typed.gamma;
  fields_.coefficients = typed.coefficients;
  const engine::ApplyResult result =
      engine::applyOptionFields(state_, fields_, separator_, [this] { run(); });
  fieldsChanged_ = result.fileMode;
  return result.error;
}

void PageSession::nameChanged() { state_.FileChanged = true; }

void PageSession::cancel() {
  state_.FileChanged = false;
  fieldsChanged_ = false;
}

void PageSession::openSample(const std::string& name, const std::string& text) {
  const std::string saved = plainName(name);
  writeFile(fs::path(folder_) / saved, text);
  engine::OptionFields fields = fields_;
  fields.fileName = saved;
  state_.FileChanged = true;
  apply(fields);
}

PageSession::PasteReply PageSession::paste(const std::string& bytes) {
  const engine::DataRead read = engine::readData(engine::decodeDataText(bytes).text, {});
  PasteReply reply;
  if (!read.usable) {
    reply.report = engine::recognitionReport(read, nullptr);
    for (const engine::DataMessage& message : read.messages)
      if (engine::isBlocking(message.code)) return reply;
    reply.report += "Нет данных для анализа\n";
    return reply;
  }
  const engine::ChosenLength length = engine::chooseLength(read, std::nullopt);
  reply.report = engine::recognitionReport(read, &length);
  openSample(kPastedSampleName, engine::savedSampleText(read, length.length));
  reply.opened = true;
  return reply;
}

void PageSession::setDecimalSeparator(char separator) {
  separator_ = separator;
  engine::showNumbers(state_, fields_, separator_);
  fieldsChanged_ = true;
  // A file that could not be opened left one line without numbers; a rerun would show the
  // older sample instead.
  if (result_.outcome == engine::RunOutcome::FileNotOpened) return;
  // The sample in memory is shown again; nothing is read from the fields or the file.
  const bool fileChanged = state_.FileChanged;
  state_.FileChanged = false;
  run();
  state_.FileChanged = fileChanged;
}

std::string PageSession::viewJson() const {
  std::string out = "{\"report\":";
  std::string report;
  engine::appendJsonReport(report, state_.FileName, tableMessages_, view_, &result_);
  if (!report.empty() && report.back() == '\n') report.pop_back();
  out += report;
  out += ",\"labels\":[";
  for (size_t i = 0; i < view_.histogram().size(); ++i) {
    if (i > 0) out += ',';
    engine::appendJsonString(out, view_.histogram()[i].label);
  }
  out += "],\"fields\":{";
  appendField(out, "fileName", fields_.fileName);
  out += ',';
  appendField(out, "h", fields_.intervalLength.text);
  out += ',';
  appendField(out, "xmin", fields_.xmin.text);
  out += ',';
  appendField(out, "xmax", fields_.xmax.text);
  out += ",\"alpha\":" + std::to_string(static_cast<int>(fields_.alpha));
  out += ",\"gamma\":" + std::to_string(static_cast<int>(fields_.gamma));
  out += ",\"coefficients\":" + std::to_string(static_cast<int>(fields_.coefficients));
  out += "},\"fieldsChanged\":";
  out += fieldsChanged_ ? "true" : "false";
  out += ",\"columnWidths\":[";
  const std::vector<int32_t> widths = reportColumnWidths(view_.gridRows());
  for (size_t i = 0; i < widths.size(); ++i) {
    if (i > 0) out += ',';
    out += std::to_string(widths[i]);
  }
  out += "],\"resultLine\":";
  engine::appendJsonString(out, engine::resultSentence(result_, separator_, tablePath_));
  out += ",\"resultTone\":";
  const engine::ResultTone tone = engine::resultTone(result_.outcome);
  out += tone == engine::ResultTone::Accepted   ? "\"accepted\""
         : tone == engine::ResultTone::Rejected ? "\"rejected\""
                                                : "\"none\"";
  out += ",\"separator\":";
  engine::appendJsonString(out, std::string(1, separator_));
  out += '}';
  return out;
}

std::string PageSession::gridText() const {
  std::string text;
  for (const auto& row : view_.gridRows()) {
    for (size_t column = 0; column < row.size(); ++column) {
      if (column > 0) text += '\t';
      text += row[column];
    }
    text += '\n';
  }
  return text;
}

std::string PageSession::csvText() const {
  std::string text;
  engine::appendCsvTable(text, result_);
  return text;
}

}  // namespace web
