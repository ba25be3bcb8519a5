// The error of a dialog field whose text is not a number.
#pragma once

#include <QString>
#include <stdexcept>

namespace ui {

class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(const QString& message)
      : std::runtime_error(message.toUtf8().toStdString()) {}
};

}  // namespace ui
