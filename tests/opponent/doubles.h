#pragma once

#include <functional>
#include <string>
#include <vector>

#include "opponent/machine_opponent.h"
#include "tests/core/board_text.h"

namespace crucirco::test {

// The draw that the random move turns into `cell`.
constexpr double drawFor(int cell) { return cell == 8 ? 0.99 : cell / 8.0; }

// Gives its script round and round (by default cells 0 to 8 in turn), noting
// each draw in `log` as 'd'.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> script = {0, 1 / 8., 2 / 8., 3 / 8., 4 / 8., 5 / 8., 6 / 8., 7 / 8., .99})
        : script_(std::move(script)) {}
    double draw() override
    {
        if (log)
            *log += 'd';
        return script_[static_cast<std::size_t>(draws++) % script_.size()];
    }
    void reseed(std::uint32_t) override {}

    int draws = 0;
    std::string* log = nullptr;

private:
    std::vector<double> script_;
};

// Notes each pass in `log` as 'p', runs `meanwhile` (what the user does
// during the pass) and answers Stop on pass number `stopAt`.
class ScriptedPass final : public EventPass {
public:
    PassResult letEventsRun() override
    {
        ++passes;
        if (log)
            *log += 'p';
        if (meanwhile)
            meanwhile(passes);
        return passes == stopAt ? PassResult::Stop : PassResult::Continue;
    }

    int passes = 0, stopAt = 0;
    std::string* log = nullptr;
    std::function<void(int)> meanwhile;
};

// A versus-machine game: the board, MoveCount set to its marks, no plan.
struct Game {
    explicit Game(const char* text)
        : board(boardFrom(text))
    {
        fields.MoveCount = static_cast<std::uint8_t>(board.markCount());
        fields.PlannedCell = kNoPlan;
    }
    Game(const Game&) = delete;

    Board board;
    VersusFields fields;
    ScriptedRandom random;
    ScriptedPass pass;
    MachineOpponent opponent{board, fields, random, pass};
};

// The one cell that went from empty to "X"; -1 when nothing changed, -2 when
// anything else changed.
inline int placedCross(const Board& before, const Board& after)
{
    int placed = -1;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (before.at(cell) == after.at(cell))
            continue;
        if (placed != -1 || !before.isEmpty(cell) || !after.holds(cell, Mark::Cross))
            return -2;
        placed = cell;
    }
    return placed;
}

} // namespace crucirco::test
