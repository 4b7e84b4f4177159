#include "assets/pictures.h"

#include <QString>

namespace crucirco::pictures {

namespace {

// A 32 pixel icon at `path`, and its 16 pixel drawing beside it as <name>-16.png.
QIcon twoSizeIcon(const char *path)
{
    const QString large = QString::fromLatin1(path);
    QString small = large;
    small.insert(small.size() - static_cast<int>(sizeof(".png") - 1), QStringLiteral("-16"));
    QIcon icon;
    icon.addFile(large, QSize(32, 32));
    icon.addFile(small, QSize(16, 16));
    return icon;
}

} // namespace

QImage logo()
{
    return QImage(QString::fromLatin1(logoPath));
}

QIcon versusIcon()
{
    return twoSizeIcon(versusIconPath);
}

QIcon twoPlayerIcon()
{
    return twoSizeIcon(twoPlayerIconPath);
}

QIcon aboutIcon()
{
    return twoSizeIcon(aboutIconPath);
}

QIcon applicationIcon()
{
    QIcon icon;
    icon.addFile(QString::fromLatin1(appIconPath), QSize(48, 48));
    icon.addFile(QString::fromLatin1(appIconScalablePath));
    return icon;
}

} // namespace crucirco::pictures
