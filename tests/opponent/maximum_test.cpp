#include <gtest/gtest.h>

#include "tests/opponent/doubles.h"

using namespace crucirco;
using namespace crucirco::test;

namespace {

// The reply to the user's first circle when the machine opened in the
// centre, and the two cells it plans to take later.
struct Reply {
    int circle, target, plan, planAlt;
};
constexpr Reply kReplies[8] = {
    {1, 3, 0, 6}, {3, 7, 6, 8}, {5, 1, 0, 2}, {7, 5, 2, 8},
    {0, 8, 6, 2}, {2, 6, 7, 3}, {6, 2, 1, 5}, {8, 0, 6, 2},
};

class OpeningReply : public ::testing::TestWithParam<Reply> {};

void setPlan(VersusFields& fields, int plan, int planAlt)
{
    fields.PlannedCell = static_cast<std::uint8_t>(plan);
    fields.PlannedCellAlt = static_cast<std::uint8_t>(planAlt);
}

} // namespace

TEST_P(OpeningReply, AnswersTheFirstCircleAndMakesAPlan)
{
    const Reply& r = GetParam();
    for (int oldPlan : {int(kNoPlan), 4}) { // a plan from an earlier game gives way
        Game game("... .X. ...");
        game.board.set(r.circle, Mark::Circle);
        game.fields.MoveCount = 2;
        setPlan(game.fields, oldPlan, 4);
        const Board before = game.board;
        game.opponent.MachineMoveMaximum();
        EXPECT_EQ(placedCross(before, game.board), r.target);
        EXPECT_EQ(game.fields.PlannedCell, r.plan);
        EXPECT_EQ(game.fields.PlannedCellAlt, r.planAlt);
        EXPECT_EQ(game.random.draws, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(EightRules, OpeningReply, ::testing::ValuesIn(kReplies));

namespace {

struct StepCase {
    const char* what;
    const char* board;
    int moveCount;
    int plan, planAlt; // in force before the move
    int expected;      // the cell that gets the cross
    int planAfter;     // PlannedCell afterwards
    int draws;         // of the scripted random move: cells 0, 1, 2, ... in turn
    Flag16 flag = kFalse; // NoRandomFallback afterwards, where step 4 runs
};

const StepCase kSteps[] = {
    {"step 1 whatever the plan", "... ... ...", 0, 3, 5, 4, 3, 0},
    {"step 2 after a corner", "O.. ... ...", 1, kNoPlan, 0, 4, kNoPlan, 0},
    {"step 2 after an edge", "... ..O ...", 1, kNoPlan, 0, 4, kNoPlan, 0},
    {"no step 2 with the centre taken", "... .O. ...", 1, kNoPlan, 0, 0, kNoPlan, 1},
    {"no step 2 at another count", "O.. ... ...", 3, kNoPlan, 0, 1, kNoPlan, 2},
    {"step 3: the target must be empty", ".O. OX. ...", 2, kNoPlan, 8, 7, 6, 0},
    {"step 3 without a match: the chain", ".O. XX. ...", 2, kNoPlan, 0, 5, kNoPlan, 0, kTrue},
    {"no step 3 without the centre's cross", "XO. ... ...", 2, kNoPlan, 0, 2, kNoPlan, 3},
    {"steps 4-5 keep the plan (win)", "XO. .X. ...", 3, 2, 6, 8, 2, 0, kTrue},
    {"steps 4-5 keep the plan (block)", "OO. .X. ...", 3, 6, 8, 2, 6, 0, kTrue},
    {"step 6", ".O. .X. O..", 3, 0, 6, 0, kNoPlan, 0},
    {"step 7", ".O. .X. O..", 3, 6, 8, 8, kNoPlan, 0},
    {"step 8 keeps the plan", ".O. .X. O..", 3, 6, 1, 0, 6, 1},
    {"step 8 without a plan", ".O. .X. O..", 3, kNoPlan, 2, 0, kNoPlan, 1},
};

class MaximumStep : public ::testing::TestWithParam<StepCase> {};

} // namespace

TEST_P(MaximumStep, PlacesItsCross)
{
    const StepCase& c = GetParam();
    Game game(c.board);
    game.fields.MoveCount = static_cast<std::uint8_t>(c.moveCount);
    setPlan(game.fields, c.plan, c.planAlt);
    game.opponent.MachineMoveMaximum();
    EXPECT_EQ(placedCross(boardFrom(c.board), game.board), c.expected) << c.what;
    EXPECT_EQ(game.fields.PlannedCell, c.planAfter) << c.what;
    EXPECT_EQ(game.random.draws, c.draws) << c.what;
    EXPECT_EQ(game.fields.NoRandomFallback, c.flag) << c.what;
    EXPECT_EQ(game.fields.PlannedCellAlt, c.planAlt) << "only PlannedCell goes back to 100";
    EXPECT_EQ(game.fields.MoveCount, c.moveCount);
}

INSTANTIATE_TEST_SUITE_P(Steps, MaximumStep, ::testing::ValuesIn(kSteps));

TEST(MaximumMove, AnUnusedPlanCarriesIntoTheNextGame)
{
    Game game("");
    const auto turn = [&] {
        game.fields.NoRandomFallback = kFalse; // as every machine turn begins
        game.opponent.MachineMoveMaximum();
        ++game.fields.MoveCount;
    };
    const auto circle = [&](int cell) {
        game.board.set(cell, Mark::Circle);
        ++game.fields.MoveCount;
    };
    turn();    // the centre
    circle(1);
    turn();    // cell 3, planning 0 then 6
    EXPECT_EQ(game.board, boardFrom(".O. XX. ..."));
    game.board.clear(); // a new game, the user begins in the centre
    game.fields.MoveCount = 0;
    circle(4);
    turn();
    EXPECT_EQ(game.board, boardFrom("X.. .O. ..."));
    EXPECT_EQ(game.fields.PlannedCell, kNoPlan);
    EXPECT_EQ(game.random.draws, 0);
}

TEST(MaximumMove, AStoppedRandomMoveStopsIt)
{
    Game game(".O. .X. O..");
    setPlan(game.fields, 6, 1);
    game.pass.stopAt = 1;
    EXPECT_EQ(game.opponent.MachineMoveMaximum(), MoveResult::Stopped);
    EXPECT_EQ(game.board, boardFrom(".O. .X. O.."));
    EXPECT_EQ(game.fields.PlannedCell, 6);
}
