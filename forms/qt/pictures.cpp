#include "forms/qt/pictures.h"

#include <QPixmap>

#include "forms/qt/accessibility.h"
#include "forms/qt/qt_text.h"

namespace crucirco {

void addLogo(QWidget* parent, const TwipRect& place)
{
    auto* logo = new PictureLabel(parent);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setGeometry(Twips::rect(place));
    logo->setPixmap(QPixmap(QStringLiteral(":/assets/logo.jpg")));
    logo->setScaledContents(true);
    logo->setAccessibleName(QStringLiteral("Logotipo de Crucirco"));
}

QIcon windowIcon(const WindowRow& window)
{
    return QIcon(QStringLiteral(":/assets/icons/") + toQString(window.icon) + QStringLiteral(".png"));
}

} // namespace crucirco
