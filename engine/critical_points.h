// Loading the table of chi-square critical points.
#pragma once

#include <istream>
#include <string>

#include "engine/analysis_state.h"
#include "engine/analysis_view.h"

namespace engine {

enum class TableLoad { Loaded, NotOpened, BadFormat };

// Reads 30 records "d c1 .. c6" (d = 1..30 in order) from a stream in the
// classic locale, after a UTF-8 byte order mark at its start. Stops at the first record whose
// number is missing or out of sequence and returns BadFormat; values read before that point stay in
// the table, everything after it stays 0. Nothing after the 30th record is read.
TableLoad readCriticalPoints(std::istream& in, CriticalPointTable& table);

// Opens `path` (a readable regular file only) and reads it as above into a zeroed table. A failure
// shows one of the two table messages through view.showMessage.
TableLoad loadCriticalPoints(const std::string& path, CriticalPointTable& table,
                             AnalysisView& view);

}  // namespace engine
