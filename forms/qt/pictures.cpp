#include "forms/qt/pictures.h"

#include <QImageReader>
#include <QPixmap>

#include "forms/qt/accessibility.h"
#include "forms/qt/qt_text.h"

namespace crucirco {

namespace {

// One of the program's own pictures, all PNG, read by Qt's own PNG reader: left to find the
// reader itself, Qt would first load every image reader plugin it has, to ask each one.
QPixmap ownPicture(const QString& name)
{
    QImageReader reader(QStringLiteral(":/assets/") + name, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

void addLogo(QWidget* parent, const TwipRect& place)
{
    auto* logo = new PictureLabel(parent);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setGeometry(Twips::rect(place));
    logo->setPixmap(ownPicture(QStringLiteral("logo.png")));
    logo->setScaledContents(true);
    logo->setAccessibleName(QStringLiteral("Logotipo de Crucirco"));
}

QIcon windowIcon(const WindowRow& window)
{
    return QIcon(ownPicture(QStringLiteral("icons/") + toQString(window.icon) + QStringLiteral(".png")));
}

} // namespace crucirco
