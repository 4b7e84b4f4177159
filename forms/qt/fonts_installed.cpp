#include "forms/qt/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStandardPaths>
#include <QStringList>
#include <sys/mman.h>
#include <unistd.h>

namespace crucirco::fonts {

namespace {

// The faces measured the wrong way for the layouts, by where a release
// installs them under its data folders: Wine's stand-in for Tahoma (in Wine's
// own folder; in newer releases among the system's fonts too) and the
// stand-in for IceAgeD. (Wine's classic window font is left out: it is drawn
// from bitmaps and falls apart on screens that scale.)
const QStringList kRemeasuredFaces[] = {
    {QStringLiteral("fonts/truetype/wine/tahoma.ttf"), QStringLiteral("wine/fonts/tahoma.ttf")},
    {QStringLiteral("fonts/truetype/wine/tahomabd.ttf"), QStringLiteral("wine/fonts/tahomabd.ttf")},
    {QStringLiteral("fonts/opentype/comic-neue/ComicNeue-Regular.otf")},
};

} // namespace

QList<QByteArray> remeasuredFaces()
{
    QList<QByteArray> faces;
    for (const QStringList& places : kRemeasuredFaces)
        for (const QString& place : places) {
            QFile face(QStandardPaths::locate(QStandardPaths::GenericDataLocation, place));
            if (face.open(QIODevice::ReadOnly)) {
                faces.append(face.readAll());
                break;
            }
        }
    return faces;
}

int addKept(const QByteArray& face)
{
    // Given the bytes, Qt and FreeType keep all of the copy in the heap for good. Given a file,
    // FreeType maps it and reads in only what it draws from: the copy goes into a file in memory,
    // open while the program runs and named by its descriptor. Where no such file can be made, the
    // bytes are given (no descriptor writes nothing; a file that took only part of the copy stays
    // open, one descriptor once).
    const int file = memfd_create("crucirco-face", MFD_CLOEXEC);
    if (write(file, face.constData(), face.size()) == face.size())
        return QFontDatabase::addApplicationFont(QStringLiteral("/proc/self/fd/%1").arg(file));
    return QFontDatabase::addApplicationFontFromData(face);
}

void insertSubstitutions()
{
    // Fontconfig stands in for Arial, Times New Roman and Verdana with
    // Liberation Sans, Liberation Serif and DejaVu Sans, which the game
    // depends on; it knows no relative of IceAgeD.
    QFont::insertSubstitutions(kIceAged, {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Serif")});
}

} // namespace crucirco::fonts
