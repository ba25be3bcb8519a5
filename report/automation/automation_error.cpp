// The error a failed automation call raises.
#include "report/automation/automation_error.h"

namespace report {

namespace {

QString composeMessage(const QString& operation, const QString& result) {
  return QStringLiteral("Операция «%1» не выполнена: %2").arg(operation, result);
}

}  // namespace

AutomationError::AutomationError(const QString& operation, const QString& result)
    : std::runtime_error(composeMessage(operation, result).toStdString()),
      operation_(operation),
      result_(result) {}

QString AutomationError::message() const { return composeMessage(operation_, result_); }

}  // namespace report
