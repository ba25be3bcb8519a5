// Справка → О программе: the version, the licence and the libraries the program runs on.
#pragma once

#include <QString>

namespace ui {

// "Tarnek VERSION", what it does, its licence and the libraries with their versions.
QString aboutText();

}  // namespace ui
