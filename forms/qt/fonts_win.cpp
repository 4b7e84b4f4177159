#include "forms/qt/fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>

namespace crucirco::fonts {

QList<QByteArray> remeasuredFaces()
{
    // The faces the game carries, in the fonts folder beside the program.
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

int addKept(const QByteArray& face)
{
    return QFontDatabase::addApplicationFontFromData(face);
}

void insertSubstitutions()
{
    // Windows has every face the layouts name but IceAgeD; the game carries
    // a stand-in for that one, and for those a system without them (Wine)
    // lacks: the same that fontconfig gives on Linux.
    QFont::insertSubstitutions(kArial, {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(kTimesNewRoman, {QStringLiteral("Liberation Serif")});
    QFont::insertSubstitutions(kVerdana, {QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kIceAged, {QStringLiteral("Comic Neue")});
}

} // namespace crucirco::fonts
