// Where tarnek-cli's code finds the critical-point table inside the browser page: "exttable.txt"
// in the working folder when one is there, else the one built into the module.
#include <filesystem>
#include <system_error>

#include "platform/data_files.h"

namespace platform {

std::string criticalPointsPath() {
  std::error_code error;
  if (std::filesystem::is_regular_file(kTableFile, error)) return kTableFile;
  return "/shipped/exttable.txt";
}

}  // namespace platform
