#include <gtest/gtest.h>

#include "tests/opponent/allocation_counter.h"
#include "tests/opponent/doubles.h"


using namespace crucirco;
using namespace crucirco::test;

TEST(Allocation, CountingReallyCounts)
{
    const long before = allocationCount();
    int* volatile p = new int(1); // volatile: the pair may not be left out
    delete p;
    EXPECT_EQ(allocationCount() - before, 1);
}

TEST(Allocation, NoMoveAllocates)
{
    // Boards reaching every step of each move, the random fallback included.
    const char* boards[] = {"... ... ...", "O.. ... ...", "... .X. .O.", "XX. OO. ...",
                            "OO. .X. ...", ".O. .X. O..", "XOX OXO OXO", "X.. .O. ..X"};
    Game game("");
    long during = 0;
    for (const char* text : boards) {
        const Board board = boardFrom(text);
        for (auto move : {&MachineOpponent::MachineMoveRandom, &MachineOpponent::MachineMoveMedium,
                          &MachineOpponent::MachineMoveHigh, &MachineOpponent::MachineMoveMaximum}) {
            for (std::uint8_t plan : {kNoPlan, std::uint8_t(0)}) {
                game.board = board;
                game.fields = VersusFields{};
                game.fields.MoveCount = static_cast<std::uint8_t>(board.markCount());
                game.fields.PlannedCell = plan;
                game.fields.PlannedCellAlt = 6;
                const long before = allocationCount();
                (game.opponent.*move)();
                during += allocationCount() - before;
            }
        }
    }
    EXPECT_EQ(during, 0);
    EXPECT_GT(game.random.draws, 0) << "the random move was never reached";
}
