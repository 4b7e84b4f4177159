#include <gtest/gtest.h>

#include "core/lines.h"
#include "tests/opponent/doubles.h"

using namespace crucirco;
using namespace crucirco::test;

namespace {

// The empty cell of the first line, in line order, that holds exactly two
// `mark`s and an empty cell; -1 when there is none.
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

// The scripted random move takes cells 0, 1, 2, ... in turn: the first empty one.
int firstEmpty(const Board& board)
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (board.isEmpty(cell))
            return cell;
    }
    return -1;
}

// The maximum move's reply when it opened in the centre; -1 when none matches.
int openingReply(const Board& board)
{
    constexpr std::pair<int, int> kReplies[] = {{1, 3}, {3, 7}, {5, 1}, {7, 5}, {0, 8}, {2, 6}, {6, 2}, {8, 0}};
    for (auto [circle, target] : kReplies) {
        if (board.holds(circle, Mark::Circle) && board.isEmpty(target))
            return target;
    }
    return -1;
}

int crossLines(const Board& board)
{
    int lines = 0;
    for (const Line& line : kLines)
        lines += board.holds(line.cells[0], Mark::Cross) && board.holds(line.cells[1], Mark::Cross)
            && board.holds(line.cells[2], Mark::Cross);
    return lines;
}

enum Move { Random, Medium, MediumFlagSet, High, Maximum };

struct Played {
    int cell;
    VersusFields fields;
    bool completesOwnLine;
};

Played play(const Board& board, Move move)
{
    Game game("");
    game.board = board;
    game.fields.MoveCount = static_cast<std::uint8_t>(board.markCount());
    game.fields.NoRandomFallback = move == MediumFlagSet ? kTrue : kFalse;
    MachineOpponent& o = game.opponent;
    switch (move) {
    case Random: o.MachineMoveRandom(); break;
    case Medium:
    case MediumFlagSet: o.MachineMoveMedium(); break;
    case High: o.MachineMoveHigh(); break;
    case Maximum: o.MachineMoveMaximum(); break;
    }
    return {placedCross(board, game.board), game.fields, crossLines(game.board) > crossLines(board)};
}

} // namespace

// Every board of {X, O, empty}^9, MoveCount set to its marks, no plan in force.
TEST(MoveProperties, OverEveryBoard)
{
    int blocks = 0, wins = 0, ownLineByBlock = 0, ownLineByChance = 0;
    for (int code = 0; code < 19683; ++code) {
        Board board;
        for (int cell = 0, rest = code; cell < kCellCount; ++cell, rest /= 3)
            board.set(cell, static_cast<Mark>(rest % 3));
        const int marks = board.markCount();
        const int win = firstOpenLine(board, Mark::Cross);
        const int block = firstOpenLine(board, Mark::Circle);
        const int chance = firstEmpty(board);
        blocks += block >= 0;
        wins += win >= 0;
        SCOPED_TRACE(textOf(board));

        // Each move places one "X" on an empty cell when there is one (-2:
        // something else changed) and leaves every other field alone.
        const Played random = play(board, Random);
        EXPECT_EQ(random.cell, chance);
        const Played medium = play(board, Medium);
        EXPECT_EQ(medium.cell, block >= 0 ? block : chance);
        const Played high = play(board, High);
        EXPECT_EQ(high.cell, win >= 0 ? win : medium.cell);
        for (const Played& p : {random, medium, high}) {
            VersusFields unchanged;
            unchanged.MoveCount = static_cast<std::uint8_t>(marks);
            unchanged.PlannedCell = kNoPlan;
            EXPECT_EQ(p.fields, unchanged);
        }

        // With NoRandomFallback set the medium move places only on the
        // blocking cell: it completes a line of its own crosses only when
        // that cell completes it too.
        const Played flagged = play(board, MediumFlagSet);
        EXPECT_EQ(flagged.cell, block);
        EXPECT_EQ(flagged.fields.NoRandomFallback, block >= 0 ? kTrue : kFalse);
        if (flagged.completesOwnLine) {
            EXPECT_EQ(flagged.cell, block);
        }
        // Without it, such a line is completed by the block or by chance.
        if (medium.completesOwnLine) {
            EXPECT_TRUE(medium.cell == block || (block < 0 && medium.cell == chance));
            ownLineByBlock += block >= 0;
            ownLineByChance += block < 0;
        }

        int expected = win >= 0 ? win : block >= 0 ? block : chance;
        if (marks == 0 || (marks == 1 && board.isEmpty(4)))
            expected = 4;
        else if (marks == 2 && board.holds(4, Mark::Cross) && openingReply(board) >= 0)
            expected = openingReply(board);
        EXPECT_EQ(play(board, Maximum).cell, expected);

        if (::testing::Test::HasFailure())
            return;
    }
    // The boards reach every branch.
    EXPECT_GT(blocks, 0);
    EXPECT_GT(wins, 0);
    EXPECT_GT(ownLineByBlock, 0);
    EXPECT_GT(ownLineByChance, 0);
}
