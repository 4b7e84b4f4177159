#include "forms/qt/fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace crucirco::fonts {

QList<QByteArray> remeasuredFaces()
{
    // Windows has every face the layouts name but IceAgeD: the game carries
    // its stand-in, in the fonts folder beside the program.
    QList<QByteArray> faces;
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& name :
         folder.entryList({QStringLiteral("*.otf"), QStringLiteral("*.ttf")}, QDir::Files)) {
        QFile face(folder.filePath(name));
        if (face.open(QIODevice::ReadOnly))
            faces.append(face.readAll());
    }
    return faces;
}

} // namespace crucirco::fonts
