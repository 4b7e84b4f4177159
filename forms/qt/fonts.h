#pragma once

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QString>

namespace crucirco::fonts {

// Faces the layouts name, whatever the machine has installed.
inline const QString kWindowDefault = QStringLiteral("MS Sans Serif");
inline const QString kTahoma = QStringLiteral("Tahoma");
inline const QString kArial = QStringLiteral("Arial");
inline const QString kVerdana = QStringLiteral("Verdana");
inline const QString kTimesNewRoman = QStringLiteral("Times New Roman");
inline const QString kIceAged = QStringLiteral("IceAgeD");

// Registers, once, the installed faces that stand in for those the layouts
// name and the machine lacks: faces with the same metrics where there are
// any, so that every text keeps fitting its control, each measured by its
// Windows ascent and descent.
void registerSubstitutes();

// The files of the stand-ins that are measured the wrong way for the layouts,
// which registerSubstitutes registers remeasured: found where the system
// installs them, or on Windows the faces the game carries beside it.
QList<QByteArray> remeasuredFaces();
// Registers a remeasured copy, which the game keeps while it runs: on Windows from its bytes,
// elsewhere from a file in memory that the font engine maps. Gives Qt's number for it, or -1.
int addKept(const QByteArray& face);
// Names the faces that stand in for those the layouts name where the system
// lacks them, the classic window font's aside.
void insertSubstitutions();

// A face of the layout at a point size (fractions allowed: 15.75, 8.25).
QFont face(const QString& family, double points, bool bold = false);

// The height of a line of text in a font as Windows measures it, in pixels
// at the given device pixel ratio: its ascent and its descent, each rounded
// to whole device pixels. (The faces are registered so that Qt's own ascent
// and descent are the Windows ones; registerSubstitutes.)
qreal linePitch(const QFont& font, qreal devicePixelRatio);

// The font every window starts with, as the layouts assume.
inline QFont windowDefault()
{
    return face(kWindowDefault, 8.25);
}

} // namespace crucirco::fonts
