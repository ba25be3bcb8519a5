// What tarnek-cli hands the report module: plain texts, points and documents, in header-only
// types of the engine, so the module links no engine code.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/analysis_view.h"
#include "engine/document/text_document.h"

namespace cli {

struct ReportData {
  std::vector<std::string> logLines;
  std::vector<std::vector<std::string>> gridRows;  // row 0 the header, every row as wide
  std::int32_t columnCount = 0;
  std::vector<engine::RecordedPoint> histogram;
  std::vector<engine::RecordedPoint> curve;
  std::string sampleFileName;  // for the document's title
  // The worked solution, after the log; plain data (engine/document/text_document.h is only a
  // header).
  std::optional<engine::TextDocument> solution;
};

// What the module writes: the report as the window makes it, in either format, or the chart
// alone as the window exports it.
enum class ExportKind : std::int32_t { DocxReport, PdfReport, ChartPng, ChartSvg, ChartPdf };

}  // namespace cli

// The module's one entry point. Draws the chart offscreen at the window's size and puts the
// whole file `kind` asks for into `document`: the report (chart, grid and log, built through
// the report's automation steps) or the chart alone, starting the offscreen platform when no
// application exists. False, with the reason in `error`, when it could not be built.
extern "C" bool tarnekBuildExport(const cli::ReportData& data, cli::ExportKind kind,
                                  std::string& document, std::string& error);
