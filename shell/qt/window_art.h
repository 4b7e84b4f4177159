#pragma once

#include <QIcon>
#include <QPixmap>

#include "screens/platform.h"

class QLabel;

namespace crucirco {

// The logo shown by the splash and the main menu.
QPixmap logoPixmap();

// Each window's icon.
QIcon windowIcon(Window window);

// A label marked to size itself to its text takes its text's size; one
// aligned to the right keeps its right edge, any other its left edge.
void fitToText(QLabel* label);

} // namespace crucirco
