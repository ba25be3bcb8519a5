// The order in which Tab visits a window's controls.
#pragma once

#include <QWidget>
#include <initializer_list>

namespace ui {

// Tab goes from each widget to the next one listed; Qt takes the order two widgets at a time.
inline void setTabChain(std::initializer_list<QWidget*> widgets) {
  for (auto widget = widgets.begin(); widget + 1 < widgets.end(); ++widget)
    QWidget::setTabOrder(*widget, *(widget + 1));
}

}  // namespace ui
