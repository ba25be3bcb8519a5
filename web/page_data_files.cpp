// Where tarnek-cli's code finds the critical-point table inside the browser page: "exttable.txt"
// in the working folder when one is there, else the one built into the module.
#include <filesystem>
#include <system_error>

#include "ui/data_files.h"

namespace ui {

std::string criticalPointsPath() {
  std::error_code error;
  if (std::filesystem::is_regular_file(kTableFile, error)) return kTableFile;
  return "/shipped/exttable.txt";
}

}  // namespace ui
