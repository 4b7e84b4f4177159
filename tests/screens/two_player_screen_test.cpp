#include <gtest/gtest.h>

#include "screens/texts.h"
#include "tests/screens/program_rig.h"

namespace crucirco::testing {
namespace {

class TwoPlayerScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        rig.program.show(Window::TwoPlayer);
        rig.take();
    }
    TwoPlayerScreen& two() { return rig.two(); }
    void clicks(std::initializer_list<int> cells)
    {
        for (int cell : cells)
            two().lbl_Click(cell);
    }

    ProgramRig rig;
};

TEST_F(TwoPlayerScreenTest, CrossBeginsAndAnOccupiedCellDoesNotPassTheTurn)
{
    clicks({0, 0, 4, 4, 8});
    EXPECT_EQ(textOf(two().board()), "X..|.O.|..X");
    EXPECT_TRUE(isTrue(two().fields.CircleTurn));
    EXPECT_EQ(rig.take(), "");
}

TEST_F(TwoPlayerScreenTest, TurnsAndTalliesRunOnFromGameToGame)
{
    clicks({0, 3, 1, 4, 2});
    EXPECT_EQ(rig.take(), informLine(texts::kCrossWins));
    EXPECT_EQ(two().tallies().cross.caption(), "1");
    EXPECT_EQ(two().tallies().circle.caption(), "");
    two().lbl_Click(5);
    EXPECT_EQ(rig.take(), informLine(texts::kPressRestart));
    EXPECT_EQ(textOf(two().board()), "XXX|OO.|...");

    two().cmdReiniciar_Click(); // the loser begins
    EXPECT_FALSE(isTrue(two().fields.GameOver));
    clicks({0, 3, 1, 4, 2});
    EXPECT_EQ(textOf(two().board()), "OOO|XX.|...");
    EXPECT_EQ(rig.take(), informLine(texts::kCircleWins));

    two().mnuAgain_Click();
    two().lbl_Click(8);
    EXPECT_EQ(textOf(two().board()), "...|...|..X");
    EXPECT_EQ(two().tallies().cross.caption(), "1");
    EXPECT_EQ(two().tallies().circle.caption(), "1");
}

TEST_F(TwoPlayerScreenTest, OutcomeIsCheckedOnEveryClick)
{
    two().setBoard(boardOf("XXX|...|..."));
    two().lbl_Click(0); // occupied, yet the line is found
    EXPECT_EQ(rig.take(), informLine(texts::kCrossWins));
    EXPECT_EQ(two().tallies().cross.caption(), "1");
    EXPECT_FALSE(isTrue(two().fields.CircleTurn));
}

TEST_F(TwoPlayerScreenTest, FullBoardWithoutALineThenTheOtherMarkBegins)
{
    clicks({0, 1, 2, 4, 3, 5, 7, 6, 8});
    EXPECT_EQ(textOf(two().board()), "XOX|XOO|OXX");
    two().lbl_Click(0);
    EXPECT_EQ(rig.take(), "");
    two().cmdReiniciar_Click();
    two().lbl_Click(0);
    EXPECT_EQ(textOf(two().board()), "O..|...|...");
}

TEST_F(TwoPlayerScreenTest, ReloadKeepsGameOverAndTurn)
{
    clicks({0, 3, 1, 4, 2});
    rig.boxes.push(Answer::Ok);
    two().mnuPPal_Click();
    rig.program.mainMenu()->cmdUnoUno_Click();
    rig.take();
    EXPECT_EQ(two().board().markCount(), 0);
    EXPECT_EQ(two().tallies().cross.caption(), "");
    EXPECT_TRUE(isTrue(two().fields.GameOver));
    two().lbl_Click(4);
    EXPECT_EQ(rig.take(), informLine(texts::kPressRestart));
    two().cmdReiniciar_Click();
    two().lbl_Click(4);
    EXPECT_EQ(textOf(two().board()), "...|.O.|...");
}

// The confirmations both game screens share.
class ConfirmationTest : public ::testing::TestWithParam<Window> {
protected:
    void SetUp() override
    {
        rig.program.show(GetParam());
        rig.take();
    }
    GameScreen& screen() { return static_cast<GameScreen&>(*rig.program.existing(GetParam())); }
    std::string name() const { return std::string(windowName(GetParam())); }

    ProgramRig rig;
};

TEST_P(ConfirmationTest, CancelChangesNothing)
{
    screen().setBoard(boardOf("X..|...|..."));
    rig.boxes.push(Answer::Cancel);
    rig.boxes.push(Answer::Cancel);
    screen().mnuPPal_Click();
    screen().mnuEnd_Click();
    EXPECT_EQ(rig.take(),
        "box Crucirco | ¿Confirma salir de este modo? | OK Cancel -> Cancel\n"
        "box Crucirco | ¿Confirma salir del Crucirco Velquor? | OK Cancel -> Cancel\n");
    EXPECT_TRUE(screen().loaded());
    EXPECT_EQ(textOf(screen().board()), "X..|...|...");
    EXPECT_EQ(rig.program.mainMenu(), nullptr);
    EXPECT_FALSE(rig.program.ending());
}

TEST_P(ConfirmationTest, MenuShowsTheMainMenuBeforeUnloading)
{
    rig.boxes.push(Answer::Ok);
    screen().mnuPPal_Click();
    EXPECT_EQ(rig.take(),
        "box Crucirco | ¿Confirma salir de este modo? | OK Cancel -> OK\nopen frmMain\nclose " + name() + "\n");
    EXPECT_FALSE(screen().loaded());
    EXPECT_EQ(rig.host.lastWindowCalls, 0);
}

TEST_P(ConfirmationTest, ExitEndsAtOnceAfterTheVisitBox)
{
    screen().Command1_Click(); // the other game screen open as well
    screen().mnuAbout_Click();
    EXPECT_EQ(rig.take(),
        "open " + std::string(windowName(GetParam() == Window::TwoPlayer ? Window::VersusMachine : Window::TwoPlayer))
            + "\nopen frmAbout\n");
    rig.boxes.push(Answer::Ok);
    screen().mnuEnd_Click();
    EXPECT_EQ(rig.take(),
        "box Crucirco | ¿Confirma salir del Crucirco Velquor? | OK Cancel -> OK\n"
        "box Visite... | www.velquor.example | OK\nended\n");
    EXPECT_TRUE(rig.program.ending());
    EXPECT_FALSE(rig.program.anyLoaded());

    // No handler runs any more.
    screen().lbl_Click(0);
    screen().cmdReiniciar_Click();
    screen().mnuPPal_Click();
    rig.vs().Timer1_Timer();
    rig.program.show(Window::MainMenu);
    EXPECT_EQ(rig.take(), "");
    EXPECT_EQ(rig.host.lastWindowCalls, 0);
}

INSTANTIATE_TEST_SUITE_P(BothScreens, ConfirmationTest, ::testing::Values(Window::VersusMachine, Window::TwoPlayer),
    [](const auto& info) { return std::string(windowName(info.param)); });

} // namespace
} // namespace crucirco::testing
