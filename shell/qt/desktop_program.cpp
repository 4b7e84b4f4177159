#include "shell/qt/desktop_program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "crucirco/version.h"
#include "forms/qt/accessibility.h"
#include "forms/qt/classic_style.h"
#include "forms/qt/fonts.h"
#include "forms/qt/pictures.h"
#include "forms/qt/qt_text.h"

namespace crucirco {

void prepareApplication(QApplication& app)
{
    // The X window class is the program's file name, Crucirco, as the
    // desktop entry expects; a Wayland compositor matches the entry by this.
    QGuiApplication::setDesktopFileName(toQString(version::kApplicationId));
    QApplication::setWindowIcon(windowIcon(rowOf(Window::MainMenu)));

    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    fonts::registerSubstitutes();
    QApplication::setStyle(new ClassicStyle);
    // A pull-down menu is a window of its own, which does not take the face
    // of the window whose menu bar opens it.
    QApplication::setFont(fonts::windowDefault(), "QMenu");
    installAccessibility();
}

DesktopProgram::DesktopProgram(MessageBoxes& boxes)
    : store_(makeSystemStore())
    , host_(gate_)
    , program_(Program::Services{boxes, events_, clock_, random_, *store_, launcher_}, host_)
{
    host_.bind(program_);
}

} // namespace crucirco
