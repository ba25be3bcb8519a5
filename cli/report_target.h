// Where tarnek-cli --docx may write its report, and writing it there safely.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "files/replace_file.h"

namespace cli {

using files::namesAnInput;

// Replaces `target` with `document` whole (files::replaceFile); false, with
// the system's reason on `err`, when nothing was written.
bool saveReport(const std::string& target, const std::string& document, std::ostream& err);

}  // namespace cli
