#pragma once

#include <string_view>

#include "core/board.h"
#include "core/flags.h"
#include "core/tally.h"
#include "forms/form.h"
#include "screens/game_view.h"

namespace crucirco {

// What the two game screens have in common: a board of nine cell labels, the
// two win tallies, the button that opens the other game screen and the menu
// ("&Jugar de nuevo", "&Menú principal", "&Salir", "Acerca...").
class GameForm : public Form
{
public:
    GameForm(Window id, Window other, Navigator& navigator, const Reentry& reentry)
        : Form(id, navigator, reentry)
        , other_(other)
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
    // The outcome check with its effects: whether a line was complete, and
    // what became of the window while its box was open. After a mark placed,
    // a board it filled without a line is told too.
    struct [[nodiscard]] Outcome
    {
        bool won;
        Resumed resumed;
    };
    Outcome announceOutcome(Flag16& gameOver, bool markPlaced);
    // A box with OK alone and the program's title.
    Resumed inform(std::string_view text);
    // A question with OK and Cancel, asked from a menu.
    Answered confirm(std::string_view text);

    // The changes of the board, each told to the window as it is made.
    void placeMark(int cell, Mark mark);
    // A mark put on the board by someone else: the machine's cross.
    void showPlaced(int cell);
    void refuseMove(int cell);
    void clearBoard();

    Board lbl_;
    Tallies tallies_;

private:
    // Tells the window of a change, when the window is one that listens.
    template<class Change>
    void tell(Change&& change)
    {
        if (auto* view = dynamic_cast<GameView*>(this->view()))
            change(*view);
    }

    Window other_;
};

} // namespace crucirco
