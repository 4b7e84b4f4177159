#include <gtest/gtest.h>

#include "tests/screens/program_rig.h"

namespace crucirco::testing {
namespace {

class ShellTest : public ::testing::Test {
protected:
    void startToMainMenu()
    {
        rig.program.start();
        rig.program.splash()->Timer1_Timer();
        rig.take();
    }
    ProgramRig rig;
};

TEST_F(ShellTest, SplashShowsTheVersionThenHandsOverToTheMainMenu)
{
    EXPECT_FALSE(rig.program.everShown());
    rig.program.start();
    EXPECT_EQ(rig.take(), "open frmSplash\n");
    EXPECT_EQ(rig.program.splash()->versionCaption(), "Version 1.4.6");
    rig.program.splash()->Timer1_Timer();
    // The splash goes first; for a moment no window is left.
    EXPECT_EQ(rig.take(), "close frmSplash\nlast window gone\nopen frmMain\n");
    EXPECT_FALSE(rig.program.splash()->loaded());
    EXPECT_TRUE(rig.program.mainMenu()->loaded());
    rig.program.splash()->Timer1_Timer(); // its timer went with it
    EXPECT_EQ(rig.take(), "");
}

TEST_F(ShellTest, KeyOnTheSplashEndsTheProgram)
{
    rig.program.start();
    rig.take();
    rig.program.splash()->Form_KeyPress();
    EXPECT_EQ(rig.take(), "close frmSplash\nlast window gone\n");
    EXPECT_FALSE(rig.program.anyLoaded());
    EXPECT_TRUE(rig.program.everShown());
    EXPECT_EQ(rig.program.mainMenu(), nullptr);
    EXPECT_EQ(rig.host.lastWindowCalls, 1);
}

TEST_F(ShellTest, MainMenuUnloadsBeforeShowingAGame)
{
    startToMainMenu();
    rig.program.mainMenu()->cmdVsMaquina_Click();
    EXPECT_EQ(rig.take(), "close frmMain\nlast window gone\nopen frmVSMaquina\n");
    rig.boxes.push(Answer::Ok);
    rig.vs().mnuPPal_Click();
    rig.program.mainMenu()->cmdUnoUno_Click();
    EXPECT_EQ(rig.take(),
        "box Crucirco | ¿Confirma salir de este modo? | OK Cancel -> OK\nopen frmMain\nclose "
        "frmVSMaquina\nclose frmMain\nlast window gone\nopen frmUnoVsUno\n");
    EXPECT_TRUE(rig.program.anyLoaded());
}

TEST_F(ShellTest, SalirEndsOnlyWithTheLastWindow)
{
    startToMainMenu();
    rig.program.mainMenu()->Command1_Click();
    EXPECT_EQ(rig.take(), "close frmMain\nlast window gone\n");
    EXPECT_FALSE(rig.program.anyLoaded());

    ProgramRig other; // vs → two → main menu from two: vs stays open
    other.program.show(Window::MainMenu);
    other.program.mainMenu()->cmdVsMaquina_Click();
    other.vs().Command1_Click();
    other.boxes.push(Answer::Ok);
    other.two().mnuPPal_Click();
    other.take();
    const int before = other.host.lastWindowCalls;
    other.program.mainMenu()->Command1_Click();
    EXPECT_EQ(other.take(), "close frmMain\n");
    EXPECT_EQ(other.host.lastWindowCalls, before);
    EXPECT_TRUE(other.vs().loaded());
    EXPECT_FALSE(other.program.ending());
}

TEST_F(ShellTest, AboutShowsItsVersionAndOkUnloadsIt)
{
    rig.program.show(Window::TwoPlayer);
    rig.two().mnuAbout_Click();
    EXPECT_EQ(rig.program.about()->versionCaption(), "Versión 1.4");
    rig.two().mnuAbout_Click(); // already loaded: shown again, not reloaded
    EXPECT_EQ(rig.take(), "open frmUnoVsUno\nopen frmAbout\n");
    rig.program.about()->cmdSysInfo_Click(); // an empty store: nothing to start
    EXPECT_EQ(rig.take(), "box Crucirco | System Information Is Unavailable At This Time | OK\n");
    EXPECT_TRUE(rig.program.about()->loaded());
    rig.program.about()->cmdOK_Click();
    EXPECT_EQ(rig.take(), "close frmAbout\n");
    EXPECT_TRUE(rig.two().loaded());
}

TEST_F(ShellTest, LastWindowRuleCountsEveryWindow)
{
    rig.program.show(Window::VersusMachine);
    rig.vs().Command1_Click();
    rig.vs().mnuAbout_Click();
    rig.program.unload(Window::VersusMachine);
    rig.program.unload(Window::VersusMachine); // not loaded: nothing
    rig.program.unload(Window::TwoPlayer);
    EXPECT_EQ(rig.host.lastWindowCalls, 0);
    EXPECT_TRUE(rig.program.anyLoaded());
    rig.program.about()->cmdOK_Click();
    EXPECT_EQ(rig.host.lastWindowCalls, 1);
    EXPECT_FALSE(rig.program.anyLoaded());
    EXPECT_EQ(rig.take(),
        "open frmVSMaquina\nopen frmUnoVsUno\nopen frmAbout\nclose frmVSMaquina\n"
        "close frmUnoVsUno\nclose frmAbout\nlast window gone\n");
    // The objects outlive their windows.
    EXPECT_NE(rig.program.versus(), nullptr);
    EXPECT_NE(rig.program.twoPlayer(), nullptr);
}

} // namespace
} // namespace crucirco::testing
