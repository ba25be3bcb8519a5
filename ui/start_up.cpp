// Creating the program's two windows in their start-up order.
#include "ui/start_up.h"

#include "ui/options/opt_form.h"

namespace ui {

std::unique_ptr<TMainForm> startUp(const std::optional<std::string>& sampleArgument) {
  auto mainForm = std::make_unique<TMainForm>(nullptr, sampleArgument);
  new TOptForm(*mainForm);
  return mainForm;
}

}  // namespace ui
