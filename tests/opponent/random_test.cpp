#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "tests/opponent/doubles.h"

using namespace crucirco;
using namespace crucirco::test;

// r × 8 rounded to the nearest whole number, ties to the even one.
TEST(RandomMove, DrawsRoundToTheirCell)
{
    const std::pair<double, int> draws[] = {
        {0.0, 0}, {0.5 / 8, 0}, {std::nextafter(0.5 / 8, 1.0), 1}, {std::nextafter(1.5 / 8, 0.0), 1},
        {1.5 / 8, 2}, {2.5 / 8, 2}, {3.5 / 8, 4}, {4.5 / 8, 4}, {5.5 / 8, 6}, {6.5 / 8, 6},
        {std::nextafter(7.5 / 8, 0.0), 7}, {7.5 / 8, 8}, {0.9999999, 8}, {std::nextafter(1.0, 0.0), 8}};
    for (auto [r, cell] : draws) {
        Game game("");
        game.random = ScriptedRandom({r});
        EXPECT_EQ(game.opponent.MachineMoveRandom(), MoveResult::Finished);
        EXPECT_EQ(placedCross(Board{}, game.board), cell) << r;
        EXPECT_EQ(game.random.draws, 1);
    }
}

TEST(RandomMove, AtNineMarksOrMoreOneDrawAndNothingPlaced)
{
    for (const char* board : {"XOX OXO OXO", "... ... ...", "XO. ... ..."}) {
        for (int count : {9, 10, 255}) {
            Game game(board);
            game.fields.MoveCount = static_cast<std::uint8_t>(count);
            EXPECT_EQ(game.opponent.MachineMoveRandom(), MoveResult::Finished);
            EXPECT_EQ(game.board, boardFrom(board)) << board << " at " << count;
            EXPECT_EQ(game.random.draws, 1);
            EXPECT_EQ(game.pass.passes, 1);
        }
    }
}

TEST(RandomMove, DrawsOnTakenCellsAreRepeatedEachAfterAPass)
{
    std::string log;
    Game game("XO. .X. ...");
    game.random = ScriptedRandom({drawFor(0), drawFor(1), drawFor(4), drawFor(7)});
    game.random.log = game.pass.log = &log;
    EXPECT_EQ(game.opponent.MachineMoveRandom(), MoveResult::Finished);
    EXPECT_EQ(placedCross(boardFrom("XO. .X. ..."), game.board), 7);
    EXPECT_EQ(log, "pdpdpdpd");
}

TEST(RandomMove, APassAnsweringStopEndsTheMoveAtOnce)
{
    for (int stopAt : {1, 3}) {
        std::string log;
        Game game("XO. ... ...");
        game.random.log = game.pass.log = &log; // cells 0, 1, 2, ...: two taken first
        game.pass.stopAt = stopAt;
        EXPECT_EQ(game.opponent.MachineMoveRandom(), MoveResult::Stopped);
        EXPECT_EQ(game.board, boardFrom("XO. ... ..."));
        EXPECT_EQ(log, stopAt == 1 ? "p" : "pdpdp");
    }
}

TEST(RandomMove, EachDrawSeesTheBoardAndCountAsTheyStand)
{
    // The user's circle lands on the cell of the next draw during a pass.
    Game played("X.. ... ...");
    played.random = ScriptedRandom({drawFor(0), drawFor(5), drawFor(6)});
    played.pass.meanwhile = [&](int pass) {
        if (pass == 2)
            played.board.set(5, Mark::Circle);
    };
    played.opponent.MachineMoveRandom();
    EXPECT_EQ(played.board, boardFrom("X.. ..O X.."));

    // The count reaches 9 meanwhile: the draw that follows ends the move.
    Game counted("X.. ... ...");
    counted.pass.meanwhile = [&](int pass) {
        if (pass == 2)
            counted.fields.MoveCount = 9;
    };
    EXPECT_EQ(counted.opponent.MachineMoveRandom(), MoveResult::Finished);
    EXPECT_EQ(counted.board, boardFrom("X.. ... ..."));
    EXPECT_EQ(counted.random.draws, 2);
}

namespace {

// How often each cell gets the cross over `moves` random moves on `board`,
// with the game's own generator at a fixed seed.
std::array<int, 9> frequencies(const char* board, int moves)
{
    SeededRandom random(20240611);
    ScriptedPass pass;
    std::array<int, 9> hits{};
    for (int i = 0; i < moves; ++i) {
        Board b = boardFrom(board);
        VersusFields fields;
        fields.MoveCount = static_cast<std::uint8_t>(b.markCount());
        MachineOpponent(b, fields, random, pass).MachineMoveRandom();
        const int cell = placedCross(boardFrom(board), b);
        EXPECT_GE(cell, 0);
        ++hits[static_cast<std::size_t>(cell)];
    }
    return hits;
}

// Within five standard deviations of the binomial count.
void expectShare(int hits, int moves, double p, int cell)
{
    const double sd = std::sqrt(moves * p * (1 - p));
    EXPECT_NEAR(hits, moves * p, 5 * sd) << "cell " << cell;
}

} // namespace

// Cells 0 and 8 weigh 1, the others 2; repeated draws keep the weights
// among the empty cells.
TEST(RandomMove, WeightsOverManyMoves)
{
    const int moves = 160000; // a 1/16 share: 10,000 hits, one sd 97
    const auto empty = frequencies("... ... ...", moves);
    for (int cell = 0; cell < 9; ++cell)
        expectShare(empty[static_cast<std::size_t>(cell)], moves, cell % 8 == 0 ? 1 / 16. : 1 / 8., cell);
    const auto two = frequencies("..X OXO XOX", moves);
    EXPECT_EQ(two[0] + two[1], moves);
    expectShare(two[0], moves, 1 / 3., 0);
}

TEST(SeededRandom, StaysInHalfOpenUnitRangeAndRepeatsAfterReseed)
{
    SeededRandom random(7);
    double first = random.draw(), lowest = first, highest = first;
    for (int i = 0; i < 1000000; ++i) {
        const double r = random.draw();
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_GE(lowest, 0.0);
    EXPECT_LT(highest, 1.0);
    EXPECT_GT(highest, 1 - 1e-5); // and it does come close to both ends
    EXPECT_LT(lowest, 1e-5);
    random.reseed(7);
    EXPECT_EQ(random.draw(), first);
}
