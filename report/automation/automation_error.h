// The error a failed automation call raises: which operation, and what came back.
#pragma once

#include <QString>
#include <stdexcept>

namespace report {

class AutomationError : public std::runtime_error {
 public:
  // operation is the automation name ("Tables.Add"); result says what failed.
  AutomationError(const QString& operation, const QString& result);

  const QString& operation() const { return operation_; }
  const QString& result() const { return result_; }
  // The text for the user, in Russian; what() holds the same text in UTF-8.
  QString message() const;

 private:
  QString operation_;
  QString result_;
};

}  // namespace report
