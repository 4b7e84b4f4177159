#pragma once

#include <QIcon>

#include "forms/qt/twips.h"
#include "forms/windows.h"

class QWidget;

namespace crucirco {

// The program's pictures, compiled in as resources (assets/CMakeLists.txt).

// The logo the splash and the main menu show, placed on its parent; a
// picture to screen readers, named as one.
void addLogo(QWidget* parent, const TwipRect& place);

// The icon in a window's title bar, named by its row of the window table.
QIcon windowIcon(const WindowRow& window);

} // namespace crucirco
