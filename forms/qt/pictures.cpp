#include "forms/qt/pictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>

#include "forms/qt/accessibility.h"
#include "forms/qt/qt_text.h"

namespace crucirco {

namespace {

// One of the program's own pictures, each read by the reader Qt has built in for the format its
// name ends in (PNG, or for the logo PPM): left to find the reader itself, Qt would first load
// every image reader plugin it has, to ask each one. Each is read once, and kept in Qt's picture
// cache for the next window that shows it: the main menu's logo is the splash's.
QPixmap ownPicture(const QString& name)
{
    QPixmap picture;
    if (QPixmapCache::find(name, &picture))
        return picture;
    QImageReader reader(QStringLiteral(":/assets/") + name, QFileInfo(name).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    picture = QPixmap::fromImage(reader.read());
    QPixmapCache::insert(name, picture);
    return picture;
}

} // namespace

void addLogo(QWidget* parent, const TwipRect& place)
{
    auto* logo = new PictureLabel(parent);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setGeometry(Twips::rect(place));
    logo->setPixmap(ownPicture(QStringLiteral("logo.ppm")));
    logo->setScaledContents(true);
    logo->setAccessibleName(QStringLiteral("Logotipo de Crucirco"));
}

QIcon windowIcon(const WindowRow& window)
{
    return QIcon(ownPicture(QStringLiteral("icons/") + toQString(window.icon) + QStringLiteral(".png")));
}

} // namespace crucirco
