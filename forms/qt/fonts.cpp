#include "forms/qt/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <QtEndian>
#include <cmath>

namespace crucirco::fonts {

namespace {

// Wine ships a face with Tahoma's metrics; fontconfig does not know its
// folder, so it is added to the program's own font list. (Wine's classic
// window font is left out: it is drawn from bitmaps and falls apart on
// screens that scale.) The stand-in for IceAgeD is installed, but is
// measured the wrong way for the layouts, like Tahoma (withWindowsMetrics).
const char* const kRemeasuredFaces[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
    "/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf",
};

QByteArray withWindowsMetrics(QByteArray face)
{
    // The windows were laid out with each face's Windows ascent and descent:
    // a line as high as the two, the first baseline the ascent below the
    // top. Qt takes a face's typographic ascent and descent instead when the
    // face sets the flag that asks for them (bit 7 of the OS/2 table's
    // fsSelection), and the sizes of its bitmap strikes when it has any (the
    // EBLC table). The copy lacks both: the flag is cleared and the strikes'
    // tables are renamed out of sight; the outlines it is drawn from stay.
    if (face.size() < 12)
        return face;
    const int tables = qFromBigEndian<quint16>(face.constData() + 4);
    for (int i = 0; i < tables && 12 + 16 * (i + 1) <= face.size(); ++i) {
        const qsizetype record = 12 + 16 * i;
        const QByteArrayView tag(face.constData() + record, 4);
        const qsizetype offset = qFromBigEndian<quint32>(face.constData() + record + 8);
        if (tag == "OS/2" && offset + 64 <= face.size())
            face[offset + 63] = static_cast<char>(face[offset + 63] & ~0x80);
        else if (tag == "EBLC" || tag == "EBDT")
            face[record] = 'x';
    }
    return face;
}

} // namespace

void registerSubstitutes()
{
    for (const char* file : kRemeasuredFaces) {
        QFile face(QString::fromLatin1(file));
        if (face.open(QIODevice::ReadOnly))
            QFontDatabase::addApplicationFontFromData(withWindowsMetrics(face.readAll()));
    }
    // Fontconfig stands in for Arial, Times New Roman and Verdana with
    // Liberation Sans, Liberation Serif and DejaVu Sans, which the game
    // depends on; it knows no relative of these two. The classic window
    // font's closest outline relative is Tahoma.
    QFont::insertSubstitutions(kWindowDefault,
                               {kTahoma, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kIceAged, {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Serif")});
}

qreal linePitch(const QFont& font, qreal devicePixelRatio)
{
    const QFontMetricsF metrics(font);
    return (std::round(metrics.ascent() * devicePixelRatio)
            + std::round(metrics.descent() * devicePixelRatio))
           / devicePixelRatio;
}

QFont face(const QString& family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace crucirco::fonts
