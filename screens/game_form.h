#pragma once

#include <string_view>

#include "core/board.h"
#include "core/flags.h"
#include "core/tally.h"
#include "forms/form.h"

namespace crucirco {

// What the two game screens have in common: a board of nine cell labels, the
// two win tallies, the button that opens the other game screen and the menu
// ("&Jugar de nuevo", "&Menú principal", "&Salir", "Acerca...").
class GameForm : public Form
{
public:
    GameForm(Window id, Window other, Navigator& navigator, MessageBoxes& boxes)
        : Form(id, navigator)
        , other_(other)
        , boxes_(boxes)
    {
    }

    // The controls; meaningful while the window is loaded.
    const Board& board() const { return lbl_; }
    const Tallies& tallies() const { return tallies_; }
    // Puts marks on the board directly, as a developer's tool may.
    void setBoard(const Board& board);

    virtual void lbl_Click(int index) = 0;
    virtual void cmdReiniciar_Click() = 0;
    void mnuAgain_Click() { cmdReiniciar_Click(); }
    void Command1_Click();
    void mnuPPal_Click();
    void mnuEnd_Click();
    void mnuAbout_Click();

protected:
    void resetControls() override;

    // Once a game is won, a click on a cell only reminds the user to start a
    // new one; true when that is what happened.
    bool refusedAfterWin(Flag16 gameOver);
    // The outcome check with its effects; true when a line was complete.
    bool announceOutcome(Flag16& gameOver);
    // A box with OK alone and the program's title, the window brought up to
    // date first so that the box never hides a mark not yet drawn.
    void inform(std::string_view text);
    // A question with OK and Cancel, asked from a menu, when the window shows
    // every change already.
    Answer confirm(std::string_view text);

    Board lbl_;
    Tallies tallies_;

private:
    Window other_;
    MessageBoxes& boxes_;
};

} // namespace crucirco
