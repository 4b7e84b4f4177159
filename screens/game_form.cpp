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

bool GameForm::announceOutcome(Flag16& gameOver, bool markPlaced)
{
    const auto serial = loadSerial();
    const std::optional<Mark> winner =
        crucirco::announceOutcome(lbl_, gameOver, tallies_, [&](std::string_view message) {
            inform(message);
            return stillLoaded(serial);
        });
    if (winner && stillLoaded(serial))
        tell([&](GameView& view) { view.tallyRaised(*winner); });
    if (!winner && markPlaced && lbl_.markCount() == kCellCount)
        tell([](GameView& view) { view.boardFilled(); });
    return winner.has_value();
}

bool GameForm::refusedAfterWin(Flag16 gameOver)
{
    if (!isTrue(gameOver))
        return false;
    inform(texts::kPressRestart);
    return true;
}

void GameForm::inform(std::string_view text)
{
    boxes_.inform(texts::kAppTitle, text);
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

Answer GameForm::confirm(std::string_view text)
{
    return boxes_.confirm(texts::kAppTitle, text);
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
    const auto serial = loadSerial();
    if (confirm(texts::kConfirmToMenu) != Answer::Ok || !stillLoaded(serial) || navigator().ending())
        return;
    navigator().show(Window::MainMenu);
    navigator().unload(id());
}

void GameForm::mnuEnd_Click()
{
    if (!active())
        return;
    if (confirm(texts::kConfirmExit) != Answer::Ok || navigator().ending())
        return;
    boxes_.inform(texts::kVisitTitle, texts::kWebAddress);
    navigator().endProgram();
}

} // namespace crucirco
