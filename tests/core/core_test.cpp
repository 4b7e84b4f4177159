#include <gtest/gtest.h>

#include <stdexcept>

#include "core/board_text.h"
#include "core/outcome.h"
#include "core/tally.h"

using namespace crucirco;

TEST(BoardText, EveryBoardReadsBackAndAnythingElseIsRefused)
{
    for (int code = 0; code < 19683; ++code) {
        Board board;
        for (int cell = 0, rest = code; cell < kCellCount; ++cell, rest /= 3)
            board.set(cell, static_cast<Mark>(rest % 3));
        ASSERT_EQ(parseBoard(boardText(board)), board) << boardText(board);
    }
    EXPECT_EQ(boardText(parseBoard("XO.O..|X.|.")), "XO.|O..|X..");
    EXPECT_EQ(parseBoard("..X|.O.|...").markCount(), 2);
    for (const char* bad : {"", "XO.|O..|X.", "XO.|O..|X...", "xo.|...|...", "XO. ...|...", "XO.|O..|X.0"})
        EXPECT_THROW(parseBoard(bad), std::invalid_argument) << bad;
}

// The winner's letter and the line's place in line order: rows 0-2 are 0-2,
// columns 0-2 are 3-5, the diagonal 0-4-8 is 6 and 2-4-6 is 7; "-" for none.
TEST(FindWin, FirstCompleteLineInLineOrder)
{
    const std::pair<const char*, const char*> cases[] = {
        {"...|...|...", "-"},
        {"XOX|XOO|OXX", "-"},
        {"XXO|OOX|XOX", "-"}, // full, no line: no draw either
        {"OOX|XXO|OXO", "-"},
        {"XXX|...|...", "X0"},
        {"..O|.O.|O..", "O7"},
        {"O..|.O.|..O", "O6"},
        {"X.O|X.O|X.O", "X3"},
        {".OX|.OX|.OX", "O4"},
        {".X.|XXX|.X.", "X1"}, // one mark completing two lines:
                               // the first
        {"XX.|OX.|.XX", "X4"}, // a column before the diagonal
        {"OOO|XXX|...", "O0"}, // a line of each: line order decides, not the mark
        {"...|OOO|XXX", "O1"},
    };
    for (auto [text, expected] : cases) {
        const auto win = findWin(parseBoard(text));
        const std::string found =
            win ? (win->winner == Mark::Cross ? "X" : "O") + std::to_string(win->line) : "-";
        EXPECT_EQ(found, expected) << text;
    }
}

TEST(Tally, AddsOneToTheLeadingNumber)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", "1"},
        {"9", "10"},
        {"99", "100"},
        {"109", "110"},
        {std::string(30, '9'), "1" + std::string(30, '0')},
        // Captions the game never writes: the leading number counts.
        {"abc", "1"},
        {"12abc", "13"},
        {"007", "8"},
        {" 5", "6"},
    };
    for (const auto& [before, after] : cases) {
        Tally tally(before);
        tally.increment();
        EXPECT_EQ(tally.caption(), after) << '"' << before << '"';
    }
    Tally tally;
    for (int wins = 1; wins <= 1200; ++wins) {
        tally.increment();
        ASSERT_EQ(tally.caption(), std::to_string(wins));
    }
}
