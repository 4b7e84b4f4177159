#include "forms/qt/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace crucirco::fonts {

namespace {

QByteArray withWindowsMetrics(const QByteArray& face)
{
    // The windows were laid out with each face's Windows ascent and descent:
    // a line as high as the two, the first baseline the ascent below the
    // top. Qt takes a face's typographic ascent and descent instead when the
    // face sets the flag that asks for them (bit 7 of the OS/2 table's
    // fsSelection), and the sizes of its bitmap strikes when it has any (the
    // EBLC and EBDT tables). The copy lacks both: the flag is cleared and the
    // strikes are left out (a third of Tahoma, which the game then does not
    // keep in memory); the outlines it is drawn from stay.
    //
    // The table directory: the number of tables at byte 4, and from byte 12
    // a record of 16 bytes for each, its tag first, its offset at byte 8 and
    // its length at byte 12. A face cut short is left as it is.
    const QByteArray count = face.mid(0x4, 0x2);
    if (count.size() != 0x2)
        return face;
    QList<QByteArray> records;
    QList<QByteArray> tables;
    for (int i = 0; i != qFromBigEndian<quint16>(count.constData()); ++i) {
        const QByteArray record = face.mid(0xC + 0x10 * i, 0x10);
        if (record.size() != 0x10)
            return face;
        const QByteArray tag = record.left(0x4);
        const quint32 length = qFromBigEndian<quint32>(record.constData() + 0xC);
        QByteArray table = face.mid(qFromBigEndian<quint32>(record.constData() + 0x8), length);
        if (table.size() != length)
            return face;
        if (tag == "EBLC" || tag == "EBDT")
            continue;
        if (tag == "OS/2" && !table.mid(0x3F, 0x1).isEmpty())
            table[0x3F] = static_cast<char>(table[0x3F] & ~0x80);
        records.append(record);
        tables.append(table);
    }
    // The kept tables one after the other, each from a multiple of four bytes, written into a copy
    // made at its final size, since the game keeps it for good.
    quint32 at = 0xC + 0x10 * records.size();
    for (int i = 0; i != records.size(); ++i) {
        qToBigEndian<quint32>(at, records[i].data() + 0x8);
        at += (tables[i].size() + 0x3) & ~0x3;
    }
    QByteArray copy(at, '\0');
    const auto put = [&copy](quint32 where, const QByteArray& bytes) {
        std::copy(bytes.begin(), bytes.end(), copy.begin() + where);
    };
    put(0x0, face.left(0xC));
    qToBigEndian<quint16>(records.size(), copy.data() + 0x4);
    for (int i = 0; i != records.size(); ++i) {
        put(0xC + 0x10 * i, records[i]);
        put(qFromBigEndian<quint32>(records[i].constData() + 0x8), tables[i]);
    }
    return copy;
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
        addKept(withWindowsMetrics(face));
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
