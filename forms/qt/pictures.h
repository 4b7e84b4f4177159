#pragma once

#include <QIcon>
#include <QPixmap>

#include "forms/windows.h"

namespace crucirco {

// The program's pictures, compiled in as resources (assets/CMakeLists.txt).

// The logo shown by the splash and the main menu.
QPixmap logoPixmap();

// The icon in a window's title bar, named by its row of the window table.
QIcon windowIcon(const WindowRow& window);

} // namespace crucirco
