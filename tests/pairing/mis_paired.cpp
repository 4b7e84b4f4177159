// Lists of forms and windows that are each wrong in one place, and a handler
// that forgets its window may have gone; the build must stop at the check
// that guards each.

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

#elif defined(CRUCIRCO_BOX_OUTCOME_DROPPED)

#include "screens/game_form.h"

// A click that clears the board after a box, whether or not its window is still there.
struct Careless final : crucirco::GameForm
{
    using GameForm::GameForm;
    void lbl_Click(int) override
    {
        inform("Casilla");
        lbl_.clear();
    }
    void cmdReiniciar_Click() override {}
};

#endif
