#include <gtest/gtest.h>

#include <QString>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/board_text.h"
#include "crucirco/version.h"
#include "shell/system_info.h"
#include "tools/scripted/scripted_platform.h"

namespace crucirco::testing {
namespace {

const std::u16string kKey = u"SOFTWARE\\Velquor\\Crucirco";

struct SystemInfo : ::testing::Test
{
    // GetKeyValue of a value stored with these units, from a text it must replace or keep.
    std::pair<bool, std::u16string> read(std::uint32_t type, std::u16string data,
                                         KeyRoot root = kLocalMachine)
    {
        store.values[{kKey, u"v"}] = StoredValue{type, std::move(data)};
        std::u16string value = u"antes";
        const bool ok = GetKeyValue(store, root, kKey, u"v", value);
        return {ok, value};
    }
    // StartSysInfo's box, if any.
    std::string start()
    {
        out.str("");
        StartSysInfo(store, launcher, boxes);
        return out.str();
    }
    scripted::MemoryStore store;
    scripted::Launcher launcher;
    std::ostringstream out;
    scripted::Boxes boxes{out};
};

TEST_F(SystemInfo, GetKeyValueDropsOnlyATerminatorAndWritesNumbersInDecimal)
{
    using R = std::pair<bool, std::u16string>;
    EXPECT_EQ(read(kStringValue, std::u16string(u"C:\\a\0", 5)), R(true, u"C:\\a"));
    EXPECT_EQ(read(kStringValue, u"abc"), R(true, u"abc"));
    EXPECT_EQ(read(kStringValue, std::u16string(u"a\0b", 3)), R(true, std::u16string(u"a\0b", 3)));
    EXPECT_EQ(read(kStringValue, u""), R(true, u""));
    EXPECT_EQ(read(kNumber32Value, {0, 0}), R(true, u"0"));
    EXPECT_EQ(read(kNumber32Value, {0x5678, 0x1234}), R(true, u"305419896"));
    EXPECT_EQ(read(kNumber32Value, {0xFFFF, 0xFFFF}), R(true, u"4294967295"));
    EXPECT_EQ(read(3, u"Cr"), R(true, u"antes"));
    EXPECT_EQ(read(kStringValue, u"abc", 0x80000001u), R(false, u""));
    store.values.clear();
    std::u16string value = u"antes";
    EXPECT_FALSE(GetKeyValue(store, kLocalMachine, kKey, u"v", value));
    EXPECT_EQ(value, u"");
}

TEST_F(SystemInfo, TheViewerStartsFromEitherKeyOrTheUserHearsOneBox)
{
    const std::string unavailable = "box Crucirco | System Information Is Unavailable At This Time | OK\n";
    EXPECT_EQ(start(), unavailable);
    store.values[{std::u16string(kViewerFolderKey), std::u16string(kViewerFolderValue)}] = {kStringValue,
                                                                                            u"C:\\SI"};
    EXPECT_EQ(start(), unavailable); // the folder holds no viewer
    launcher.files = {u"C:\\SI\\MSINFO32.EXE"};
    EXPECT_EQ(start(), "");
    store.values[{std::u16string(kViewerKey), std::u16string(kViewerValue)}] = {kStringValue,
                                                                                u"C:\\msinfo.exe"};
    EXPECT_EQ(start(), "");
    EXPECT_EQ(launcher.started, (std::vector<std::u16string>{u"C:\\SI\\MSINFO32.EXE", u"C:\\msinfo.exe"}));
    launcher.startFails = true;
    EXPECT_EQ(start(), unavailable);
}

TEST_F(SystemInfo, TheVersionsAndTheViewerButtonOfTheShellWindows)
{
    scripted::Random random;
    scripted::Events events;
    scripted::FixedClock clock;
    scripted::WindowLog windows{out};
    Program program{Program::Services{boxes, events, clock, random, store, launcher}, windows};
    program.show(Window::Splash);
    program.show(Window::About);
    // The splash gives the whole version, About only its first two numbers.
    EXPECT_EQ(program.splash()->versionCaption(), "Version " + std::string(version::kText));
    const std::string majorMinor(version::kText.substr(0, version::kText.rfind('.')));
    EXPECT_EQ(program.about()->versionCaption(), "Versión " + majorMinor);
    out.str("");
    program.about()->cmdSysInfo_Click();
    EXPECT_EQ(out.str(), "box Crucirco | System Information Is Unavailable At This Time | OK\n");
    // A form shows itself only in the window it has while loaded.
    struct View final : FormView
    {
        int refreshes = 0;
        void refresh() override { ++refreshes; }
    } view;
    program.show(Window::TwoPlayer);
    program.twoPlayer()->attachView(&view);
    program.twoPlayer()->setBoard(parseBoard("X..|...|..."));
    program.unload(Window::TwoPlayer);
    program.twoPlayer()->setBoard(parseBoard("O..|...|..."));
    EXPECT_EQ(view.refreshes, 1);
    // A confirmed "&Salir" closes every window at once.
    program.show(Window::TwoPlayer);
    boxes.push(Answer::Ok);
    program.twoPlayer()->mnuEnd_Click();
    EXPECT_TRUE(program.ending());
    EXPECT_FALSE(program.anyLoaded());
}

TEST_F(SystemInfo, AnyErrorOnTheWayToTheViewerEndsInTheBox)
{
    struct Broken final : ConfigStore
    {
        std::optional<StoredValue> read(KeyRoot, std::u16string_view, std::u16string_view) override
        {
            throw std::runtime_error("the store broke");
        }
    } broken;
    StartSysInfo(broken, launcher, boxes);
    EXPECT_EQ(out.str(), "box Crucirco | System Information Is Unavailable At This Time | OK\n");
}

TEST(ViewerOnPath, TheFirstViewerInstalledOnThePathIsTheOneTheProgramStarts)
{
    namespace fs = std::filesystem;
    const fs::path bin = fs::temp_directory_path() / "crucirco-viewers-ñ";
    fs::create_directories(bin);
    const char* previous = std::getenv("PATH");
    const std::string saved = previous ? previous : "";
    setenv("PATH", bin.c_str(), 1);
    const auto viewerPath = [] {
        std::u16string path;
        return GetKeyValue(*makeSystemStore(), kLocalMachine, kViewerKey, kViewerValue, path) ? path
                                                                                              : u"none";
    };
    EXPECT_EQ(viewerPath(), u"none");
    for (const char* viewer : {"hardinfo", "hardinfo2"}) {
        std::ofstream(bin / viewer) << "#!/bin/sh\n";
        fs::permissions(bin / viewer, fs::perms::owner_all);
    }
    EXPECT_EQ(viewerPath(), QString::fromStdString((bin / "hardinfo2").string()).toStdU16String());
    std::u16string folder;
    EXPECT_FALSE(GetKeyValue(*makeSystemStore(), kLocalMachine, kViewerFolderKey, kViewerValue, folder));
    setenv("PATH", saved.c_str(), 1);
    fs::remove_all(bin);
}

} // namespace
} // namespace crucirco::testing
