#include "screens/qt/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace crucirco::fonts {

namespace {

// Wine ships faces with the metrics of Tahoma and of the classic window
// font; fontconfig does not know their folder, so they are added to the
// program's own font list.
const char* const kWineFaces[] = {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf",
                                  "/usr/share/wine/fonts/ms_sans_serif.ttf"};

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
    QFont::insertSubstitutions(kWindowDefault, {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kTahoma, {QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kArial, {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kVerdana, {QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kTimesNewRoman, {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
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
