#include "opponent/machine_opponent.h"

#include <cmath>
#include <cstdint>

#include "core/lines.h"

namespace crucirco {

int MachineOpponent::cellForDraw(double r)
{
    // nearbyint rounds in the current mode, which the program leaves at
    // round-to-nearest-even; std::round would send 0.5 to 1.
    return static_cast<int>(std::nearbyint(r * 8.0));
}

MoveResult MachineOpponent::MachineMoveRandom()
{
    for (;;) {
        if (pass_.letEventsRun() == PassResult::Stop)
            return MoveResult::Stopped;
        const int cell = cellForDraw(random_.draw());
        // The board and the count are read afresh after every pass: the
        // user may have played in the meantime.
        const bool empty = board_.isEmpty(cell);
        const bool full = fields_.MoveCount >= 9;
        if (empty || full) {
            if (!full)
                placeCross(cell);
            return MoveResult::Finished;
        }
    }
}

MoveResult MachineOpponent::MachineMoveMedium()
{
    if (completeTwoOf(Mark::Circle))
        return MoveResult::Finished;
    if (!isTrue(fields_.NoRandomFallback))
        return MachineMoveRandom();
    // Intended, not a slip: clearing the flag is how the maximum move learns that the chain placed
    // nothing (pinned by medium-flag-round-trip and the lab vectors' nrf=1 cases).
    fields_.NoRandomFallback = kFalse;
    return MoveResult::Finished;
}

MoveResult MachineOpponent::MachineMoveHigh()
{
    if (completeTwoOf(Mark::Cross))
        return MoveResult::Finished;
    return MachineMoveMedium();
}

MoveResult MachineOpponent::MachineMoveMaximum()
{
    VersusFields& f = fields_;
    // The machine's first mark of the game: the centre.
    if (f.MoveCount == 0) {
        placeCross(4);
        return MoveResult::Finished;
    }
    // The user began elsewhere.
    if (board_.isEmpty(4) && f.MoveCount == 1) {
        placeCross(4);
        return MoveResult::Finished;
    }
    // The reply to the user's first circle, with a plan for later.
    if (board_.holds(4, Mark::Cross) && f.MoveCount == 2) {
        for (const OpeningReply& reply : kOpeningReplies) {
            if (board_.holds(reply.circle, Mark::Circle) && board_.isEmpty(reply.target)) {
                placeCross(reply.target);
                f.PlannedCell = reply.plan;
                f.PlannedCellAlt = reply.planAlt;
                return MoveResult::Finished;
            }
        }
    }
    // Win or block; with NoRandomFallback set the chain stops before chance,
    // and the flag tells whether it placed a cross.
    f.NoRandomFallback = kTrue;
    MachineMoveHigh();
    // Intended: the flag, set here and cleared by the medium move, read back as "a cross was placed".
    if (isTrue(f.NoRandomFallback))
        return MoveResult::Finished;
    if (f.PlannedCell != kNoPlan && board_.isEmpty(f.PlannedCell)) {
        placeCross(f.PlannedCell);
        f.PlannedCell = kNoPlan;
        return MoveResult::Finished;
    }
    if (f.PlannedCell != kNoPlan && board_.isEmpty(f.PlannedCellAlt)) {
        placeCross(f.PlannedCellAlt);
        f.PlannedCell = kNoPlan;
        return MoveResult::Finished;
    }
    // Intended: with both planned cells taken the plan stays in force, for this game and the next
    // (maximum-keeps-its-plan); only loading the window clears it.
    return MachineMoveRandom();
}

bool MachineOpponent::completeTwoOf(Mark owner)
{
    // Rows and columns are walked cell by cell with a count and position
    // marks; the two diagonals are tested pair by pair. Intended: the two
    // ways come to a taken target differently (tested again at the next
    // cell; the end of the line) and always choose the same cell, as the
    // lab vectors pin; both stay as the game has them.
    for (std::size_t i = 0; i < 6; ++i) {
        if (completeByCount(kLines[i].cells, owner))
            return true;
    }
    return completeByPairs(kLines[6].cells, owner) || completeByPairs(kLines[7].cells, owner);
}

bool MachineOpponent::completeByCount(const std::array<int, 3>& cells, Mark owner)
{
    std::uint8_t count = 0;
    std::array<std::uint8_t, 3> marked{};
    for (std::size_t pos = 0; pos < 3; ++pos) {
        if (board_.holds(cells[pos], owner)) {
            marked[pos] = 1;
            ++count;
        }
        // Tested after every cell, so once the count is 2 a taken target is
        // simply tested again at the next cell.
        if (count == 2) {
            const int target = (marked[0] && marked[1])   ? cells[2]
                               : (marked[0] && marked[2]) ? cells[1]
                                                          : cells[0];
            if (board_.isEmpty(target)) {
                placeCross(target);
                return true;
            }
        }
    }
    return false;
}

bool MachineOpponent::completeByPairs(const std::array<int, 3>& cells, Mark owner)
{
    const auto both = [&](std::size_t a, std::size_t b) {
        return board_.holds(cells[a], owner) && board_.holds(cells[b], owner);
    };
    // Only the first pair that holds is tried; a taken target ends the line.
    int target;
    if (both(0, 1))
        target = cells[2];
    else if (both(0, 2))
        target = cells[1];
    else if (both(1, 2))
        target = cells[0];
    else
        return false;
    if (!board_.isEmpty(target))
        return false;
    placeCross(target);
    return true;
}

} // namespace crucirco
