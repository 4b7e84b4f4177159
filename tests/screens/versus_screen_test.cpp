#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>

#include "screens/texts.h"
#include "tests/screens/program_rig.h"

namespace crucirco::testing {
namespace {

class VersusScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        rig.clock.seconds = 4321;
        rig.program.show(Window::VersusMachine);
        rig.take();
    }
    VersusScreen& vs() { return rig.vs(); }
    // The move timer fires with these draws queued; a draw beyond them throws.
    void tick(std::initializer_list<double> draws = {})
    {
        for (double r : draws)
            rig.random.push(r);
        vs().Timer1_Timer();
    }
    void setUp(std::string_view board, std::uint8_t moves)
    {
        vs().setBoard(boardOf(board));
        vs().fields.MoveCount = moves;
    }

    ProgramRig rig;
};

TEST_F(VersusScreenTest, MachineMovesFirstThenAnswersEveryCircle)
{
    EXPECT_TRUE(vs().timerEnabled());
    EXPECT_EQ(vs().fields.PlannedCell, kNoPlan);
    EXPECT_EQ(rig.random.seeds(), std::vector<std::uint32_t> {4321});

    tick({0.5}); // medium: nothing to block, 0.5 × 8 = 4
    EXPECT_EQ(textOf(vs().board()), "...|.X.|...");
    EXPECT_EQ(vs().fields.MoveCount, 1);
    EXPECT_FALSE(vs().timerEnabled());
    EXPECT_NO_THROW(tick()); // disabled: no draw
    vs().lbl_Click(4); // occupied: silent, the turn does not pass
    EXPECT_FALSE(vs().timerEnabled());
    EXPECT_EQ(vs().fields.MoveCount, 1);

    vs().lbl_Click(0);
    EXPECT_EQ(vs().fields.MoveCount, 2);
    EXPECT_TRUE(vs().timerEnabled());
    tick({0.25});
    EXPECT_EQ(textOf(vs().board()), "O.X|.X.|...");
    EXPECT_EQ(vs().fields.MoveCount, 3);
    EXPECT_FALSE(vs().timerEnabled());
    EXPECT_EQ(rig.take(), "");
}

TEST_F(VersusScreenTest, CircleWinEndsTheGameAndCancelsAPendingTurn)
{
    setUp("O..|XX.|...", 3);
    vs().Option_Click(Difficulty::High); // a turn played now would complete row 1
    vs().lbl_Click(1); // arms the timer
    vs().lbl_Click(2); // wins before the tick
    EXPECT_EQ(rig.take(), informLine(texts::kCircleWins));
    EXPECT_EQ(vs().tallies().circle.caption(), "1");
    EXPECT_EQ(vs().tallies().cross.caption(), "");
    EXPECT_TRUE(isTrue(vs().fields.GameOver));
    EXPECT_FALSE(vs().timerEnabled());

    tick();
    vs().lbl_Click(5);
    vs().lbl_Click(0);
    EXPECT_EQ(rig.take(), informLine(texts::kPressRestart) + informLine(texts::kPressRestart));
    EXPECT_EQ(textOf(vs().board()), "OOO|XX.|...");
    EXPECT_EQ(vs().fields.MoveCount, 5);
}

TEST_F(VersusScreenTest, CrossWinIsAnnouncedCountedAndStopsTheTimer)
{
    setUp("XX.|O..|O..", 4);
    vs().Option_Click(Difficulty::High);
    tick();
    EXPECT_EQ(rig.take(), informLine(texts::kCrossWins));
    EXPECT_EQ(textOf(vs().board()), "XXX|O..|O..");
    EXPECT_EQ(vs().tallies().cross.caption(), "1");
    EXPECT_TRUE(isTrue(vs().fields.GameOver));
    EXPECT_EQ(vs().fields.MoveCount, 5);
    EXPECT_FALSE(vs().timerEnabled());
}

TEST_F(VersusScreenTest, FullBoardWithoutALineStaysUntilANewGame)
{
    setUp("XOX|XOO|OX.", 8);
    vs().lbl_Click(8);
    EXPECT_EQ(vs().fields.MoveCount, 9);
    EXPECT_TRUE(vs().timerEnabled());
    tick({0.3}); // one draw, nothing placed, the turn still counts
    EXPECT_EQ(rig.random.pending(), 0u);
    EXPECT_EQ(textOf(vs().board()), "XOX|XOO|OXO");
    EXPECT_EQ(vs().fields.MoveCount, 10);
    EXPECT_FALSE(vs().timerEnabled());
    vs().lbl_Click(4);
    EXPECT_EQ(vs().fields.MoveCount, 10);
    EXPECT_EQ(rig.take(), "");
}

TEST_F(VersusScreenTest, NewGameKeepsTalliesAndPlanAndHonoursWhoStarts)
{
    setUp("OO.|XX.|...", 4);
    vs().lbl_Click(2);
    vs().fields.PlannedCell = 7;
    vs().fields.PlannedCellAlt = 3;
    vs().Check1_Click(true);
    vs().cmdReiniciar_Click();
    EXPECT_EQ(textOf(vs().board()), "...|...|...");
    EXPECT_FALSE(isTrue(vs().fields.GameOver));
    EXPECT_EQ(vs().fields.MoveCount, 0);
    EXPECT_FALSE(vs().timerEnabled());
    EXPECT_EQ(vs().tallies().circle.caption(), "1");
    EXPECT_EQ(vs().fields.PlannedCell, 7);
    EXPECT_EQ(vs().fields.PlannedCellAlt, 3);
    EXPECT_NO_THROW(tick());
    EXPECT_EQ(vs().board().markCount(), 0);

    vs().Check1_Click(false);
    vs().mnuAgain_Click();
    EXPECT_TRUE(vs().timerEnabled());
    vs().Option_Click(Difficulty::Low);
    tick({0.5});
    EXPECT_EQ(textOf(vs().board()), "...|.X.|...");
}

TEST_F(VersusScreenTest, DifficultyIsReadAtEveryMachineTurn)
{
    tick({0.5});
    vs().lbl_Click(0);
    vs().lbl_Click(1);
    vs().Option_Click(Difficulty::Low);
    tick({0.875}); // chance only: row 0 is left open
    EXPECT_EQ(textOf(vs().board()), "OO.|.X.|.X.");
    vs().lbl_Click(6);
    vs().Option_Click(Difficulty::Medium);
    tick(); // blocks row 0 without a draw
    EXPECT_EQ(textOf(vs().board()), "OOX|.X.|OX.");
    EXPECT_EQ(vs().fields.MoveCount, 6);
}

TEST_F(VersusScreenTest, ReloadResetsControlsButKeepsFormFields)
{
    setUp("OO.|XX.|...", 4);
    vs().lbl_Click(2);
    vs().fields.PlannedCell = 7;
    vs().fields.PlannedCellAlt = 3;
    vs().Option_Click(Difficulty::Maximum);
    vs().Check1_Click(true);
    rig.take();

    rig.clock.seconds = 9999;
    rig.boxes.push(Answer::Ok);
    vs().mnuPPal_Click();
    EXPECT_EQ(rig.take(),
        "box Crucirco | ¿Confirma salir de este modo? | OK Cancel -> OK\nopen frmMain\nclose frmVSMaquina\n");
    rig.program.mainMenu()->cmdVsMaquina_Click();
    EXPECT_EQ(rig.take(), "close frmMain\nlast window gone\nopen frmVSMaquina\n");

    EXPECT_EQ(vs().board().markCount(), 0);
    EXPECT_EQ(vs().tallies().circle.caption(), "");
    EXPECT_EQ(vs().difficulty(), Difficulty::Medium);
    EXPECT_FALSE(vs().userStarts());
    EXPECT_TRUE(vs().timerEnabled());
    EXPECT_TRUE(isTrue(vs().fields.GameOver));
    EXPECT_EQ(vs().fields.MoveCount, 5);
    EXPECT_EQ(vs().fields.PlannedCell, kNoPlan);
    EXPECT_EQ(vs().fields.PlannedCellAlt, 3);
    EXPECT_EQ(rig.random.seeds(), (std::vector<std::uint32_t> {4321, 9999}));

    vs().lbl_Click(4);
    EXPECT_EQ(rig.take(), informLine(texts::kPressRestart));
    // The timer came back enabled: the machine plays although GameOver kept True.
    tick({0.5});
    EXPECT_EQ(textOf(vs().board()), "...|.X.|...");
    EXPECT_EQ(vs().fields.MoveCount, 6);
    EXPECT_FALSE(vs().timerEnabled());
}

TEST_F(VersusScreenTest, MoveCountStopsAt255)
{
    vs().fields.MoveCount = 254;
    vs().lbl_Click(0);
    EXPECT_EQ(vs().fields.MoveCount, 255);
    vs().Option_Click(Difficulty::Low);
    tick({0.5}); // a count of 9 or more: nothing placed
    EXPECT_EQ(vs().fields.MoveCount, 255);
    EXPECT_EQ(textOf(vs().board()), "O..|...|...");
    vs().lbl_Click(1);
    EXPECT_EQ(vs().fields.MoveCount, 255);
}

// Events that run while the random move lets the event loop work.
class MachineTurnPassTest : public VersusScreenTest {
protected:
    void SetUp() override
    {
        VersusScreenTest::SetUp();
        vs().Option_Click(Difficulty::Low);
    }
    void duringFirstPass(std::function<void()> action)
    {
        rig.events.onPass = [this, action] {
            if (rig.events.passes == 1)
                action();
        };
    }
};

TEST_F(MachineTurnPassTest, TickInsideTheTurnDoesNothing)
{
    bool inProgress = false;
    duringFirstPass([&] {
        inProgress = vs().machineTurnInProgress();
        vs().lbl_Click(0); // re-arms the timer
        vs().Timer1_Timer();
    });
    tick({0.5});
    EXPECT_TRUE(inProgress);
    EXPECT_FALSE(vs().machineTurnInProgress());
    EXPECT_EQ(textOf(vs().board()), "O..|.X.|...");
    EXPECT_EQ(vs().fields.MoveCount, 2);
    EXPECT_FALSE(vs().timerEnabled()); // the turn's own end decides
}

TEST_F(MachineTurnPassTest, NewGameInsideTheTurnGetsTheCross)
{
    setUp("XX.|OO.|...", 4);
    duringFirstPass([&] { vs().cmdReiniciar_Click(); });
    tick({0.5});
    EXPECT_EQ(textOf(vs().board()), "...|.X.|...");
    EXPECT_EQ(vs().fields.MoveCount, 1);
    EXPECT_FALSE(vs().timerEnabled());
}

TEST_F(MachineTurnPassTest, CircleWinInsideTheTurnEndsIt)
{
    setUp("OO.|...|XX.", 4);
    duringFirstPass([&] { vs().lbl_Click(2); });
    tick({0.875});
    EXPECT_EQ(rig.take(), informLine(texts::kCircleWins));
    EXPECT_EQ(textOf(vs().board()), "OOO|...|XX.");
    EXPECT_EQ(vs().tallies().circle.caption(), "1");
    EXPECT_EQ(vs().tallies().cross.caption(), "");
    EXPECT_EQ(vs().fields.MoveCount, 5);
    EXPECT_EQ(rig.random.pending(), 1u);
    EXPECT_FALSE(vs().timerEnabled());
}

TEST_F(MachineTurnPassTest, TurnBegunAfterAWinPlaysOn)
{
    setUp("OOO|...|XX.", 5);
    vs().fields.GameOver = kTrue;
    duringFirstPass([&] { vs().lbl_Click(3); });
    tick({0.5});
    // The refused click, then the turn's own check finds row 0 again.
    EXPECT_EQ(rig.take(), informLine(texts::kPressRestart) + informLine(texts::kCircleWins));
    EXPECT_EQ(textOf(vs().board()), "OOO|.X.|XX.");
    EXPECT_EQ(vs().tallies().circle.caption(), "1");
    EXPECT_EQ(vs().fields.MoveCount, 6);
}

TEST(MachineTurnLeftBehind, StopsWithNoMarkCheckOrCount)
{
    struct Way {
        const char* name;
        bool answerOk;
        std::function<void(ProgramRig&)> leave;
        const char* transcript;
        bool loadedAfter;
    };
    const Way ways[] = {
        {"title-bar close", false, [](ProgramRig& r) { r.program.unload(Window::VersusMachine); },
            "close frmVSMaquina\nlast window gone\n", false},
        {"main menu", true, [](ProgramRig& r) { r.vs().mnuPPal_Click(); },
            "box Crucirco | ¿Confirma salir de este modo? | OK Cancel -> OK\nopen frmMain\nclose frmVSMaquina\n",
            false},
        {"main menu and straight back", true,
            [](ProgramRig& r) {
                r.vs().mnuPPal_Click();
                r.program.show(Window::VersusMachine);
            },
            "box Crucirco | ¿Confirma salir de este modo? | OK Cancel -> OK\nopen frmMain\nclose frmVSMaquina\n"
            "open frmVSMaquina\n",
            true},
        {"exit", true, [](ProgramRig& r) { r.vs().mnuEnd_Click(); },
            "box Crucirco | ¿Confirma salir del Crucirco Velquor? | OK Cancel -> OK\n"
            "box Visite... | www.velquor.example | OK\nended\n",
            false},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        ProgramRig rig;
        rig.program.show(Window::VersusMachine);
        rig.vs().Option_Click(Difficulty::Low);
        rig.vs().setBoard(boardOf("OO.|XX.|..."));
        rig.vs().fields.MoveCount = 4;
        if (way.answerOk)
            rig.boxes.push(Answer::Ok);
        rig.take();
        rig.events.onPass = [&] {
            if (rig.events.passes == 1)
                way.leave(rig);
        };
        rig.random.push(0.25); // the draws a turn that went on would take
        rig.random.push(0.625);
        rig.vs().Timer1_Timer();
        EXPECT_EQ(rig.take(), way.transcript);
        EXPECT_EQ(rig.events.passes, 1);
        EXPECT_EQ(rig.random.pending(), 2u);
        EXPECT_EQ(rig.vs().fields.MoveCount, 4);
        EXPECT_FALSE(isTrue(rig.vs().fields.GameOver));
        EXPECT_EQ(rig.vs().loaded(), way.loadedAfter);
        if (way.loadedAfter) {
            EXPECT_EQ(rig.vs().board().markCount(), 0);
            EXPECT_TRUE(rig.vs().timerEnabled());
        }
    }
}

} // namespace
} // namespace crucirco::testing
