#include <gtest/gtest.h>

#include <ostream>

#include "tests/opponent/doubles.h"

using namespace crucirco;
using namespace crucirco::test;

namespace {

// The rules shared by the high move (two crosses) and the medium move (two
// circles), in checking order: two cells of one line and the target between.
struct Rule {
    int a, b, target;
};
constexpr Rule kRules[24] = {
    {0, 1, 2}, {0, 2, 1}, {1, 2, 0}, {3, 4, 5}, {3, 5, 4}, {4, 5, 3}, {6, 7, 8}, {6, 8, 7},
    {7, 8, 6}, {0, 3, 6}, {0, 6, 3}, {3, 6, 0}, {1, 4, 7}, {1, 7, 4}, {4, 7, 1}, {2, 5, 8},
    {2, 8, 5}, {5, 8, 2}, {0, 4, 8}, {0, 8, 4}, {4, 8, 0}, {2, 4, 6}, {2, 6, 4}, {4, 6, 2},
};

bool applies(const Board& board, const Rule& r, Mark owner)
{
    return board.holds(r.a, owner) && board.holds(r.b, owner) && board.isEmpty(r.target);
}

int firstRule(const Board& board, Mark owner)
{
    for (int i = 0; i < 24; ++i) {
        if (applies(board, kRules[i], owner))
            return i;
    }
    return -1;
}

// Puts `mark` on the cells unless one already holds another mark.
bool put(Board& board, std::initializer_list<int> cells, Mark mark)
{
    for (int cell : cells) {
        if (!board.isEmpty(cell) && !board.holds(cell, mark))
            return false;
        board.set(cell, mark);
    }
    return true;
}

struct Level {
    const char* name;
    Mark owner;
    MoveResult (MachineOpponent::*move)();
};
// Names the level in test listings instead of dumping its bytes.
void PrintTo(const Level& level, std::ostream* out) { *out << level.name; }

const Level kHigh{"High", Mark::Cross, &MachineOpponent::MachineMoveHigh};
const Level kMedium{"Medium", Mark::Circle, &MachineOpponent::MachineMoveMedium};

class RuleTable : public ::testing::TestWithParam<std::tuple<Level, int>> {};

} // namespace

// Each rule alone, then beside each other rule that can be open with it while
// it stays the first that applies. NoRandomFallback is set (to 1: any
// non-zero value is True), so a move that found no rule would place nothing.
TEST_P(RuleTable, FirstApplicableRuleWins)
{
    const auto& [level, i] = GetParam();
    const Mark other = level.owner == Mark::Cross ? Mark::Circle : Mark::Cross;
    const Rule& rule = kRules[i];
    Board base;
    put(base, {rule.a, rule.b}, level.owner);

    std::vector<Board> boards{base};
    for (const Rule& r : kRules) {
        // Earlier rules that open with rule r get their target taken.
        Board both = base;
        if (!put(both, {r.a, r.b}, level.owner))
            continue;
        for (int k; (k = firstRule(both, level.owner)) >= 0 && k < i;)
            both.set(kRules[k].target, other);
        if (firstRule(both, level.owner) == i)
            boards.push_back(both);
    }
    int laterOpen = 0, passedOver = 0;
    for (const Board& board : boards) {
        Game game("");
        game.board = board;
        game.fields.NoRandomFallback = 1;
        (game.opponent.*level.move)();
        EXPECT_EQ(placedCross(board, game.board), rule.target) << textOf(board);
        EXPECT_EQ(game.fields.NoRandomFallback, 1) << "a placed cross leaves the flag as it was";
        for (int k = 0; k < 24; ++k) {
            const Rule& r = kRules[k];
            laterOpen += k > i && applies(board, r, level.owner);
            passedOver += k < i && board.holds(r.a, level.owner) && board.holds(r.b, level.owner);
        }
    }
    // The boards must really put the order to the test (after the last line
    // no other line can be open).
    if (i < 21) {
        EXPECT_GT(laterOpen, 0) << "no board with a later rule open as well";
    }
    if (i >= 3) {
        EXPECT_GT(passedOver, 0) << "no board with an earlier line's target taken";
    }
}

INSTANTIATE_TEST_SUITE_P(BothLevels, RuleTable,
                         ::testing::Combine(::testing::Values(kHigh, kMedium), ::testing::Range(0, 24)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "Rule"
                                 + std::to_string(std::get<1>(info.param) + 1);
                         });

// The chain with NoRandomFallback set: win, else block, else nothing.
TEST(FallThrough, NamedBoards)
{
    const std::tuple<const Level&, const char*, int> cases[] = {
        {kHigh, "XXO ... ...", -1},   // two crosses and a circle: passed over
        {kHigh, "XXX O.O ...", 4},    // so are three crosses; the block follows
        {kHigh, "OO. X.X ...", 4},    // a win before a block
        {kHigh, "X.. .O. ..X", -1},   // the diagonal's pair holds, its target is taken
        {kMedium, "X.. .O. OXO", 2},  // the same, then the anti-diagonal
        {kMedium, "XX. ... ...", -1}, // its own open line is not looked at
        {kMedium, "XOX XOO OXX", -1}, // full board
    };
    for (const auto& [level, text, expected] : cases) {
        Game game(text);
        game.fields.NoRandomFallback = kTrue;
        (game.opponent.*level.move)();
        EXPECT_EQ(placedCross(boardFrom(text), game.board), expected) << level.name << ' ' << text;
        EXPECT_EQ(game.fields.NoRandomFallback, expected >= 0 ? kTrue : kFalse) << text;
    }
}

TEST(FallThrough, AnyNonZeroFlagWithoutARuleIsClearedAndNothingPlaced)
{
    for (Flag16 flag : {Flag16(-1), Flag16(1), Flag16(INT16_MIN)}) {
        Game game("X.. .O. ...");
        game.fields.NoRandomFallback = flag;
        EXPECT_EQ(game.opponent.MachineMoveMedium(), MoveResult::Finished);
        EXPECT_EQ(game.board, boardFrom("X.. .O. ..."));
        EXPECT_EQ(game.fields.NoRandomFallback, kFalse);
        EXPECT_EQ(game.pass.passes, 0);
    }
}

TEST(FallThrough, AStoppedRandomMoveStopsTheWholeChain)
{
    for (const Level& level : {kHigh, kMedium}) {
        Game game("X.. .O. ...");
        game.pass.stopAt = 1;
        EXPECT_EQ((game.opponent.*level.move)(), MoveResult::Stopped) << level.name;
        EXPECT_EQ(game.board, boardFrom("X.. .O. ..."));
    }
}
