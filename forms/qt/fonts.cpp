#include "forms/qt/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QtEndian>
#include <cmath>

namespace crucirco::fonts {

namespace {

QByteArray withWindowsMetrics(QByteArray face)
{
    // The windows were laid out with each face's Windows ascent and descent:
    // a line as high as the two, the first baseline the ascent below the
    // top. Qt takes a face's typographic ascent and descent instead when the
    // face sets the flag that asks for them (bit 7 of the OS/2 table's
    // fsSelection), and the sizes of its bitmap strikes when it has any (the
    // EBLC table). The copy lacks both: the flag is cleared and the strikes'
    // tables are renamed out of sight; the outlines it is drawn from stay.
    //
    // The table directory: the number of tables at byte 4, and from byte 12
    // a record of 16 bytes for each, its tag first and its offset at byte 8.
    // A face cut short is left as it is.
    const QByteArray count = face.mid(0x4, 0x2);
    if (count.size() != 0x2)
        return face;
    const qsizetype end = 0xC + 0x10 * qFromBigEndian<quint16>(count.constData());
    for (qsizetype at = 0xC; at != end; at += 0x10) {
        const QByteArray record = face.mid(at, 0x10);
        if (record.size() != 0x10)
            return face;
        const QByteArray tag = record.left(0x4);
        const qsizetype offset = qFromBigEndian<quint32>(record.constData() + 0x8);
        if (tag == "OS/2" && face.mid(offset, 0x40).size() == 0x40)
            face[offset + 0x3F] = static_cast<char>(face[offset + 0x3F] & ~0x80);
        else if (tag == "EBLC" || tag == "EBDT")
            face[at] = 'x';
    }
    return face;
}

} // namespace

void registerSubstitutes()
{
    // Where the machine has a face of the same name and style (fontconfig
    // knows Comic Neue everywhere, and Tahoma where Wine's fonts are among
    // the system's), the font list keeps whichever of the two it was given
    // last. Until it is filled, a copy added here is listed among the
    // system's faces in fontconfig's own order, which differs from one
    // release to the next; so the list is filled first and each copy
    // replaces the installed face.
    QFontDatabase::families();
    for (const QByteArray& face : remeasuredFaces())
        QFontDatabase::addApplicationFontFromData(withWindowsMetrics(face));
    // The classic window font is drawn from bitmaps, which Qt does not
    // draw on Windows and which fall apart on screens that scale; its
    // closest outline relative is Tahoma.
    QFont::insertSubstitutions(kWindowDefault,
                               {kTahoma, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    insertSubstitutions();
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
