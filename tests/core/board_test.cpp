#include <gtest/gtest.h>

#include "core/board.h"
#include "core/flags.h"
#include "tests/core/board_text.h"

using namespace crucirco;

TEST(Board, CellsOutsideZeroToEightRaiseCellIndexError)
{
    Board board;
    for (int bad : {-1, 9}) {
        EXPECT_THROW(board.at(bad), CellIndexError);
        EXPECT_THROW(board.set(bad, Mark::Cross), CellIndexError);
        EXPECT_THROW((void)board.isEmpty(bad), CellIndexError);
        try {
            board.set(bad, Mark::Circle);
        } catch (const CellIndexError& e) {
            EXPECT_EQ(e.index(), bad);
        }
    }
    EXPECT_EQ(board, Board{}) << "a refused write must leave the board alone";
    EXPECT_NO_THROW(board.set(0, Mark::Cross));
    EXPECT_NO_THROW(board.set(8, Mark::Circle));
}

TEST(Board, SetClearAndCount)
{
    Board board = boardFrom("XO. ..X O..");
    EXPECT_EQ(board.markCount(), 4);
    EXPECT_TRUE(board.holds(cellIndex(1, 2), Mark::Cross));
    EXPECT_TRUE(board.holds(cellIndex(2, 0), Mark::Circle));
    EXPECT_TRUE(board.isEmpty(4));
    board.clear();
    EXPECT_EQ(board, Board{});
    EXPECT_EQ(board.markCount(), 0);
}

TEST(Board, CaptionsAndMarksRoundTripExactly)
{
    for (Mark mark : {Mark::Empty, Mark::Cross, Mark::Circle})
        EXPECT_EQ(markFromCaption(captionOf(mark)), mark);
    EXPECT_EQ(captionOf(Mark::Cross), "X");
    EXPECT_EQ(captionOf(Mark::Circle), "O");
    EXPECT_EQ(captionOf(Mark::Empty), "");
    // Marks are compared as exact, case-sensitive text.
    for (const char* other : {"x", "o", "0", " ", "X ", " O", "XX"})
        EXPECT_EQ(markFromCaption(other), std::nullopt) << '"' << other << '"';
}

TEST(Flags, AnyNonZeroIsTrueAndCountsStopAt255)
{
    for (Flag16 v : {Flag16(-1), Flag16(1), Flag16(2), Flag16(INT16_MIN), Flag16(INT16_MAX)})
        EXPECT_TRUE(isTrue(v)) << v;
    EXPECT_FALSE(isTrue(kFalse));
    EXPECT_EQ(toFlag(true), -1);
    EXPECT_EQ(toFlag(false), 0);

    EXPECT_EQ(raisedCount(0), 1);
    EXPECT_EQ(raisedCount(9), 10);
    EXPECT_EQ(raisedCount(254), 255);
    EXPECT_EQ(raisedCount(255), 255);
}
