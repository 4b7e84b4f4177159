#include "screens/game_form.h"

#include "screens/outcome_effects.h"
#include "screens/texts.h"

namespace crucirco {

void GameForm::setBoard(const Board& board)
{
    lbl_ = board;
    refreshView();
}

void GameForm::resetControls()
{
    lbl_.clear();
    tallies_ = Tallies{};
}

GameForm::Outcome GameForm::announceOutcome(Flag16& gameOver, bool markPlaced)
{
    // Without a win no box opens, and nothing can have changed.
    Resumed resumed(true, false);
    const std::optional<Mark> winner =
        crucirco::announceOutcome(lbl_, gameOver, tallies_, [&](std::string_view message) {
            resumed = inform(message);
            return resumed.windowStayed();
        });
    // The tally is raised on the window the win was made in, even as the program ends.
    if (winner && resumed.windowStayed())
        tell([&](GameView& view) { view.tallyRaised(*winner); });
    if (!winner && markPlaced && lbl_.markCount() == kCellCount)
        tell([](GameView& view) { view.boardFilled(); });
    return {winner.has_value(), resumed};
}

bool GameForm::refusedAfterWin(Flag16 gameOver)
{
    if (!isTrue(gameOver))
        return false;
    // The click does nothing more, whatever became of the window.
    static_cast<void>(inform(texts::kPressRestart));
    return true;
}

Resumed GameForm::inform(std::string_view text)
{
    return reenter([&](Reentry& nested) { nested.boxes.inform(texts::kAppTitle, text); });
}

void GameForm::placeMark(int cell, Mark mark)
{
    lbl_.set(cell, mark);
    showPlaced(cell);
}

void GameForm::showPlaced(int cell)
{
    tell([&](GameView& view) { view.markPlaced(cell, lbl_.at(cell)); });
}

void GameForm::refuseMove(int cell)
{
    tell([&](GameView& view) { view.moveRefused(cell, lbl_.at(cell)); });
}

void GameForm::clearBoard()
{
    lbl_.clear();
    tell([](GameView& view) { view.boardCleared(); });
}

Answered GameForm::confirm(std::string_view text)
{
    Answer answer = Answer::Cancel;
    const Resumed resumed =
        reenter([&](Reentry& nested) { answer = nested.boxes.confirm(texts::kAppTitle, text); });
    return {answer, resumed};
}

void GameForm::Command1_Click()
{
    if (active())
        navigator().show(other_);
}

void GameForm::mnuAbout_Click()
{
    if (active())
        navigator().show(Window::About);
}

void GameForm::mnuPPal_Click()
{
    if (!active())
        return;
    const Answered asked = confirm(texts::kConfirmToMenu);
    if (asked.answer() != Answer::Ok || !asked.goOn())
        return;
    navigator().show(Window::MainMenu);
    navigator().unload(id());
}

void GameForm::mnuEnd_Click()
{
    if (!active())
        return;
    // Leaving was asked for in this window: it ends the program even where
    // the window has gone meanwhile, and so does the farewell box.
    const Answered asked = confirm(texts::kConfirmExit);
    if (asked.answer() != Answer::Ok || asked.programEnding())
        return;
    static_cast<void>(
        reenter([](Reentry& nested) { nested.boxes.inform(texts::kVisitTitle, texts::kWebAddress); }));
    navigator().endProgram();
}

} // namespace crucirco
