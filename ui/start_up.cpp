// Creating the program's two windows in their start-up order.
#include "start_up.h"

#include "opt_form.h"

namespace ui {

std::unique_ptr<TMainForm> startUp() {
  auto mainForm = std::make_unique<TMainForm>();
  new TOptForm(*mainForm);
  return mainForm;
}

}  // namespace ui
