// Lists of forms and windows that are each wrong in one place; the build
// must stop at the check that guards the pairing.

#include "shell/program.h"

#if defined(CRUCIRCO_FORMS_OUT_OF_ORDER)

// The versus-machine form listed at the main menu's row.
template struct crucirco::FormClasses<crucirco::SplashForm, crucirco::VersusForm, crucirco::MainMenuForm,
                                      crucirco::TwoPlayerForm, crucirco::AboutForm>;

#elif defined(CRUCIRCO_WINDOWS_SWAPPED)

#include "screens/qt/two_player_window.h"
#include "screens/qt/versus_window.h"
#include "shell/qt/about_window.h"
#include "shell/qt/main_menu_window.h"
#include "shell/qt/qt_window_host.h"
#include "shell/qt/splash_window.h"

// The two game windows each at the other's form.
template class crucirco::WindowClasses<crucirco::SplashWindow, crucirco::MainMenuWindow,
                                       crucirco::TwoPlayerWindow, crucirco::VersusWindow,
                                       crucirco::AboutWindow>;

#endif
