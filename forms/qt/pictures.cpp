#include "forms/qt/pictures.h"

#include "forms/qt/qt_text.h"

namespace crucirco {

QPixmap logoPixmap()
{
    return QPixmap(QStringLiteral(":/assets/logo.jpg"));
}

QIcon windowIcon(const WindowRow& window)
{
    return QIcon(QStringLiteral(":/assets/icons/") + toQString(window.icon) + QStringLiteral(".png"));
}

} // namespace crucirco
