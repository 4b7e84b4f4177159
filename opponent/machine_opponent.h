#pragma once

#include <array>
#include <optional>

#include "core/board.h"
#include "opponent/event_pass.h"
#include "opponent/random_source.h"
#include "opponent/versus_fields.h"

namespace crucirco {

enum class MoveResult {
    Finished, // the move ran to its end (with or without placing a cross)
    Stopped, // the event pass asked the move to stop: nothing was placed
};

// The machine's four ways of placing its cross, working on the versus-machine
// game: its board and its form-level fields. Each places at most one "X", on a
// cell that it has just found empty; none of them runs the outcome check,
// counts the turn or looks at GameOver.
class MachineOpponent
{
public:
    MachineOpponent(Board& board, VersusFields& fields, RandomSource& random, EventPass& pass)
        : board_(board)
        , fields_(fields)
        , random_(random)
        , pass_(pass)
    {
    }

    // "Dificultad baja": a random empty cell; nothing once MoveCount is 9 or more.
    MoveResult MachineMoveRandom();
    // "Dificultad media": blocks a line of two circles, else the random move
    // (or, with NoRandomFallback set, nothing, clearing the flag).
    MoveResult MachineMoveMedium();
    // "Dificultad alta": completes a line of two crosses, else the medium move.
    MoveResult MachineMoveHigh();
    // "Dificultad máxima": its opening, the high move's chain, its plan, chance.
    MoveResult MachineMoveMaximum();

    // The cell a draw r in [0, 1) points at: r × 8 rounded to the nearest
    // whole number, ties to the even one, so cells 0 and 8 get half the
    // chance of the others.
    static int cellForDraw(double r);

    // The cell on which the move put its cross, if it put one.
    std::optional<int> crossPlaced() const { return crossPlaced_; }

    // The machine's reply to the user's first circle after it opened in the
    // centre, and the plan it keeps for a later turn.
    struct OpeningReply
    {
        int circle;
        int target;
        std::uint8_t plan;
        std::uint8_t planAlt;
    };
    static constexpr std::array<OpeningReply, 8> kOpeningReplies{{
        {.circle = 1, .target = 3, .plan = 0, .planAlt = 6},
        {.circle = 3, .target = 7, .plan = 6, .planAlt = 8},
        {.circle = 5, .target = 1, .plan = 0, .planAlt = 2},
        {.circle = 7, .target = 5, .plan = 2, .planAlt = 8},
        {.circle = 0, .target = 8, .plan = 6, .planAlt = 2},
        {.circle = 2, .target = 6, .plan = 7, .planAlt = 3},
        {.circle = 6, .target = 2, .plan = 1, .planAlt = 5},
        {.circle = 8, .target = 0, .plan = 6, .planAlt = 2},
    }};

private:
    // The rules shared by the high move (owner = cross) and the medium move
    // (owner = circle): the first line, in line order, holding two of the
    // owner's marks and an empty third cell gets the cross. True when placed.
    bool completeTwoOf(Mark owner);
    bool completeByCount(const std::array<int, 3>& cells, Mark owner);
    bool completeByPairs(const std::array<int, 3>& cells, Mark owner);
    void placeCross(int cell)
    {
        board_.set(cell, Mark::Cross);
        crossPlaced_ = cell;
    }

    Board& board_;
    VersusFields& fields_;
    RandomSource& random_;
    EventPass& pass_;
    std::optional<int> crossPlaced_;
};

} // namespace crucirco
