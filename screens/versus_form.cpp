#include "screens/versus_form.h"

namespace crucirco {

// The random move's pass through the event loop, during a machine turn. The
// user may do anything meanwhile; the turn stops at once when its window went
// away, when the program is ending, or when the user's circle has won.
class VersusForm::TurnPass final : public EventPass
{
public:
    explicit TurnPass(VersusForm& screen)
        : screen_(screen)
    {
    }

    PassResult letEventsRun() override
    {
        // Between passes nothing else runs: a window gone or loaded afresh shows in the pass it happened in.
        const Resumed resumed =
            screen_.reenter([](Reentry& nested) { nested.events.processPendingEvents(); });
        return resumed.goOn() && !screen_.circleWonInTurn_ ? PassResult::Continue : PassResult::Stop;
    }

private:
    VersusForm& screen_;
};

VersusForm::VersusForm(const Services& services)
    : GameForm(kWindow, Window::TwoPlayer, services.navigator, services.reentry)
    , random_(services.random)
    , clock_(services.clock)
{
}

void VersusForm::resetControls()
{
    GameForm::resetControls();
    difficulty_ = Difficulty::Medium;
    userStarts_ = false;
    timerEnabled_ = true;
}

void VersusForm::Form_Load()
{
    random_.reseed(clock_.secondsSinceMidnight());
    fields.PlannedCell = kNoPlan;
}

void VersusForm::setTimerEnabled(bool enabled)
{
    timerEnabled_ = enabled;
    refreshView();
}

void VersusForm::lbl_Click(int index)
{
    if (!active() || refusedAfterWin(fields.GameOver))
        return;
    if (!lbl_.isEmpty(index)) {
        refuseMove(index);
        return;
    }
    placeMark(index, Mark::Circle);
    fields.MoveCount = raisedCount(fields.MoveCount);
    // A win ends the game in the form-level fields, even where its window went while the box was open.
    if (CheckOutcome(true).won) {
        fields.GameOver = kTrue;
        // A machine turn still pending from an earlier click must not play
        // on the won board, nor one running right now.
        circleWonInTurn_ = turnInProgress_;
        setTimerEnabled(false);
        return;
    }
    setTimerEnabled(true);
}

MoveResult VersusForm::playMachineMove(MachineOpponent& opponent)
{
    switch (difficulty_) {
    case Difficulty::Low:
        return opponent.MachineMoveRandom();
    case Difficulty::Medium:
        return opponent.MachineMoveMedium();
    case Difficulty::High:
        return opponent.MachineMoveHigh();
    case Difficulty::Maximum:
        break;
    }
    return opponent.MachineMoveMaximum();
}

void VersusForm::Timer1_Timer()
{
    // Timer events keep coming inside the nested event loops of a machine
    // turn (its win box, the random move's passes); the turn in progress
    // decides what the timer does next.
    if (!active() || !timerEnabled_ || turnInProgress_)
        return;
    struct TurnScope
    {
        VersusForm& screen;
        explicit TurnScope(VersusForm& s)
            : screen(s)
        {
            screen.turnInProgress_ = true;
            screen.circleWonInTurn_ = false;
        }
        ~TurnScope() { screen.turnInProgress_ = false; }
    } scope(*this);

    fields.NoRandomFallback = kFalse;
    TurnPass pass(*this);
    MachineOpponent opponent(lbl_, fields, random_, pass);
    if (playMachineMove(opponent) == MoveResult::Stopped)
        return;
    const std::optional<int> cross = opponent.crossPlaced();
    if (cross)
        showPlaced(*cross);
    const Outcome outcome = CheckOutcome(cross.has_value());
    // The turn counts in the form-level fields whatever became of the window; the timer is the window's.
    fields.MoveCount = raisedCount(fields.MoveCount);
    if (outcome.resumed.windowStayed())
        setTimerEnabled(false);
}

void VersusForm::cmdReiniciar_Click()
{
    if (!active())
        return;
    fields.GameOver = kFalse;
    fields.MoveCount = 0;
    // Intended: the maximum move's plan is kept into the new game (maximum-keeps-its-plan).
    timerEnabled_ = !userStarts_;
    refreshView();
    clearBoard();
}

void VersusForm::Option_Click(Difficulty difficulty)
{
    if (!active())
        return;
    difficulty_ = difficulty;
    refreshView();
}

void VersusForm::Check1_Click(bool checked)
{
    if (!active())
        return;
    userStarts_ = checked;
    refreshView();
}

} // namespace crucirco
