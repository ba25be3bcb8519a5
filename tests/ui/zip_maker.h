// Building small ZIP containers in memory for the workbook readers' tests.
#pragma once

#include <QByteArray>
#include <map>
#include <string>

namespace ui_test {

// A ZIP archive holding each part under its name, deflated.
QByteArray zipOf(const std::map<std::string, std::string>& parts);

// An OpenDocument workbook whose spreadsheet holds `tables`, each a <table:table> element.
QByteArray ods(const std::string& tables);

}  // namespace ui_test
