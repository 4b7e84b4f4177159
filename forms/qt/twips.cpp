#include "forms/qt/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace crucirco {

double Twips::logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

int Twips::toPixels(int twips)
{
    return static_cast<int>(std::lround(twips * logicalDpi() / kPerInch));
}

} // namespace crucirco
