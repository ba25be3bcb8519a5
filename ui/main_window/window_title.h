// The main window's title: the program's, then the sample file in use.
#pragma once

#include <QString>
#include <string>

namespace ui {

// "Математическая статистика — Input.txt": the file's name without its
// folder; "(пример)" after it when it is the installed example.
QString mainWindowTitle(const std::string& fileName, const std::string& installedExample);

}  // namespace ui
