#pragma once

#include "opponent/machine_opponent.h"
#include "opponent/versus_fields.h"
#include "screens/game_form.h"

namespace crucirco {

enum class Difficulty { Low = 1, Medium = 2, High = 3, Maximum = 4 };

// frmVSMaquina: the user's circle against the machine's cross.
class VersusForm final : public GameForm
{
public:
    static constexpr Window kWindow = Window::VersusMachine;

    struct Services
    {
        Navigator& navigator;
        const Reentry& reentry;
        RandomSource& random;
        const Clock& clock;
    };
    explicit VersusForm(const Services& services);

    // Form-level fields: they outlive the window.
    VersusFields fields;

    // The rest of the controls.
    Difficulty difficulty() const { return difficulty_; }
    bool userStarts() const { return userStarts_; }
    bool timerEnabled() const { return timerEnabled_; }

    void lbl_Click(int index) override;
    void Timer1_Timer();
    void cmdReiniciar_Click() override;
    void Option_Click(Difficulty difficulty);
    void Check1_Click(bool checked);

protected:
    void resetControls() override;
    void Form_Load() override;

private:
    class TurnPass;

    Outcome CheckOutcome(bool markPlaced) { return announceOutcome(fields.GameOver, markPlaced); }
    MoveResult playMachineMove(MachineOpponent& opponent);
    void setTimerEnabled(bool enabled);

    RandomSource& random_;
    const Clock& clock_;

    Difficulty difficulty_ = Difficulty::Medium;
    bool userStarts_ = false;
    bool timerEnabled_ = true;

    bool turnInProgress_ = false;
    bool circleWonInTurn_ = false;
};

} // namespace crucirco
