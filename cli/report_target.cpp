// Where tarnek-cli --docx may write its report, and writing it there safely.
#include "cli/report_target.h"

namespace cli {

bool saveReport(const std::string& target, const std::string& document, std::ostream& err) {
  std::string reason;
  if (files::replaceFile(target, document, reason)) return true;
  err << "tarnek-cli: cannot write the report to " << target << ": " << reason << '\n';
  return false;
}

}  // namespace cli
