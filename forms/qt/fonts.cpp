#include "forms/qt/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace crucirco::fonts {

namespace {

// Wine ships a face with Tahoma's metrics; fontconfig does not know its
// folder, so it is added to the program's own font list. (Wine's classic
// window font is left out: it is drawn from bitmaps and falls apart on
// screens that scale.)
const char* const kWineFaces[] = {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"};

} // namespace

void registerSubstitutes()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const char* file : kWineFaces) {
        if (QFile::exists(QString::fromLatin1(file)))
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    }
    // The classic window font's closest outline relative is Tahoma.
    QFont::insertSubstitutions(kWindowDefault,
                               {kTahoma, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kTahoma, {QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kArial, {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kVerdana, {QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kTimesNewRoman,
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(kIceAged, {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Serif")});
}

QFont face(const QString& family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace crucirco::fonts
