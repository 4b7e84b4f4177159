#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <tuple>

#include "core/board_text.h"
#include "core/lines.h"
#include "opponent/machine_opponent.h"

using namespace crucirco;

namespace {

using Move = MoveResult (MachineOpponent::*)();

// Chance made plain: the draws point at cells 0, 1, 2, ... 8 in turn, so the
// random move takes the first empty cell. The passes count themselves and
// answer Stop after 20: a move still drawing then would go round for ever.
struct Scripted final : RandomSource, EventPass
{
    double draw() override
    {
        const int cell = draws++ % 9;
        return cell == 8 ? 0.99 : cell / 8.0;
    }
    void reseed(std::uint32_t) override {}
    PassResult letEventsRun() override { return ++passes > 20 ? PassResult::Stop : PassResult::Continue; }
    int draws = 0, passes = 0;
};

// A versus-machine game: the board, MoveCount counting its marks, no plan.
struct Game
{
    explicit Game(const Board& start)
        : board(start)
    {
        fields.MoveCount = static_cast<std::uint8_t>(board.markCount());
        fields.PlannedCell = kNoPlan;
    }
    // The one cell that went from empty to "X"; -1 when nothing changed, -2
    // when anything else did.
    int play(Move move)
    {
        const Board before = board;
        EXPECT_EQ((opponent.*move)(), MoveResult::Finished);
        int placed = -1;
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (before.at(cell) != board.at(cell))
                placed = placed == -1 && before.isEmpty(cell) && board.holds(cell, Mark::Cross) ? cell : -2;
        }
        return placed;
    }

    Board board;
    VersusFields fields;
    Scripted chance;
    MachineOpponent opponent{board, fields, chance, chance};
};

// The empty cell of the first line, in line order, that holds two `mark`s
// and an empty cell; -1 when there is none.
int firstOpenLine(const Board& board, Mark mark)
{
    for (const Line& line : kLines) {
        int count = 0, empty = -1;
        for (int cell : line.cells) {
            count += board.holds(cell, mark);
            empty = board.isEmpty(cell) ? cell : empty;
        }
        if (count == 2 && empty >= 0)
            return empty;
    }
    return -1;
}

// The maximum move's reply to the user's first circle after it opened in the
// centre, and the two cells that it plans to take later.
struct Reply
{
    int circle, target;
    std::uint8_t plan, planAlt;
};
constexpr Reply kReplies[] = {{1, 3, 0, 6}, {3, 7, 6, 8}, {5, 1, 0, 2}, {7, 5, 2, 8},
                              {0, 8, 6, 2}, {2, 6, 7, 3}, {6, 2, 1, 5}, {8, 0, 6, 2}};

} // namespace

// Every board of {X, O, empty}^9 with MoveCount counting its marks: each move
// places one "X" on the cell that its rules give, or none, touches no other
// cell and changes no field but as the rules say.
TEST(Moves, OverEveryBoard)
{
    for (int code = 0; code < 19683; ++code) {
        Board board;
        for (int cell = 0, rest = code; cell < kCellCount; ++cell, rest /= 3)
            board.set(cell, static_cast<Mark>(rest % 3));
        SCOPED_TRACE(boardText(board));
        const int marks = board.markCount();
        const int win = firstOpenLine(board, Mark::Cross), block = firstOpenLine(board, Mark::Circle);
        int chance = -1; // the first empty cell
        for (int cell = kCellCount - 1; cell >= 0; --cell)
            chance = board.isEmpty(cell) ? cell : chance;
        const int rule = win >= 0 ? win : block;

        // NoRandomFallback set (to 1: any non-zero value is True) stops the
        // chain before the random move and is cleared when nothing was placed.
        const std::tuple<Move, Flag16, int> cases[] = {
            {&MachineOpponent::MachineMoveRandom, kFalse, chance},
            {&MachineOpponent::MachineMoveMedium, kFalse, block >= 0 ? block : chance},
            {&MachineOpponent::MachineMoveHigh, kFalse, rule >= 0 ? rule : chance},
            {&MachineOpponent::MachineMoveMedium, 1, block},
            {&MachineOpponent::MachineMoveHigh, 1, rule},
        };
        for (const auto& [move, flag, expected] : cases) {
            Game game(board);
            game.fields.NoRandomFallback = flag;
            VersusFields after = game.fields;
            after.NoRandomFallback = expected < 0 ? kFalse : flag;
            EXPECT_EQ(game.play(move), expected);
            EXPECT_EQ(game.fields, after);
            EXPECT_EQ(game.chance.passes, game.chance.draws) << "a pass before every draw";
        }

        // The maximum move, with a plan in force on nine boards out of ten.
        Game game(board);
        VersusFields& f = game.fields;
        f.PlannedCell = code % 10 == 9 ? kNoPlan : static_cast<std::uint8_t>(code % 10);
        f.PlannedCellAlt = static_cast<std::uint8_t>(code / 10 % 9);
        VersusFields after = f;
        const Reply* reply = std::find_if(std::begin(kReplies), std::end(kReplies), [&](const Reply& r) {
            return board.holds(r.circle, Mark::Circle) && board.isEmpty(r.target);
        });
        int expected = chance;
        if (marks == 0 || (marks == 1 && board.isEmpty(4))) {
            expected = 4;
        } else if (marks == 2 && board.holds(4, Mark::Cross) && reply != std::end(kReplies)) {
            expected = reply->target;
            after.PlannedCell = reply->plan;
            after.PlannedCellAlt = reply->planAlt;
        } else {
            after.NoRandomFallback = rule >= 0 ? kTrue : kFalse;
            if (rule >= 0)
                expected = rule;
            else if (f.PlannedCell != kNoPlan
                     && (board.isEmpty(f.PlannedCell) || board.isEmpty(f.PlannedCellAlt))) {
                expected = board.isEmpty(f.PlannedCell) ? f.PlannedCell : f.PlannedCellAlt;
                after.PlannedCell = kNoPlan;
            }
        }
        EXPECT_EQ(game.play(&MachineOpponent::MachineMoveMaximum), expected);
        EXPECT_EQ(f, after);
        if (::testing::Test::HasFailure())
            return;
    }
}

TEST(SeededRandom, DrawsSpanZeroToOneAndRepeatAfterAReseed)
{
    SeededRandom random(7);
    const double first = random.draw();
    double lowest = first, highest = first;
    for (int i = 0; i < 100000; ++i) {
        const double r = random.draw();
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_TRUE(lowest >= 0 && lowest < 1e-3 && highest > 1 - 1e-3 && highest < 1)
        << lowest << ' ' << highest;
    random.reseed(7);
    EXPECT_EQ(random.draw(), first);
}
