#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "shell/viewer_on_path_store.h"
#include "tools/scripted/scripted_platform.h"

namespace crucirco::testing {
namespace {

using scripted::MemoryStore;

const std::u16string kKey = u"SOFTWARE\\Velquor\\Crucirco";

class KeyValueTest : public ::testing::Test {
protected:
    // Reads kKey's value `name`, starting from a text that must be replaced.
    bool read(std::u16string_view name, std::u16string start = u"previous")
    {
        value = std::move(start);
        const bool ok = GetKeyValue(store, kLocalMachine, kKey, name, value);
        EXPECT_EQ(store.openKeys(), 0) << "a key was left open";
        return ok;
    }
    MemoryStore store;
    std::u16string value;
};

TEST_F(KeyValueTest, StringsLoseOnlyTheirTerminatingZero)
{
    store.put(kKey, u"with", MemoryStore::string(u"C:\\WINDOWS\\msinfo32.exe", true));
    store.put(kKey, u"without", MemoryStore::string(u"abc", false));
    store.put(kKey, u"inner", MemoryStore::string(std::u16string(u"a\0b", 3), false));
    store.put(kKey, u"empty", MemoryStore::string(u"", true));
    store.put(kKey, u"nothing", MemoryStore::string(u"", false));
    EXPECT_TRUE(read(u"with"));
    EXPECT_EQ(value, u"C:\\WINDOWS\\msinfo32.exe");
    EXPECT_TRUE(read(u"without"));
    EXPECT_EQ(value, u"abc");
    EXPECT_TRUE(read(u"inner"));
    EXPECT_EQ(value, std::u16string(u"a\0b", 3));
    EXPECT_TRUE(read(u"empty"));
    EXPECT_EQ(value, u"");
    EXPECT_TRUE(read(u"nothing"));
    EXPECT_EQ(value, u"");
}

TEST_F(KeyValueTest, TheBufferHoldsExactly1024Characters)
{
    store.put(kKey, u"full", MemoryStore::string(std::u16string(1024, u'x'), false));
    store.put(kKey, u"full+zero", MemoryStore::string(std::u16string(1023, u'y'), true));
    store.put(kKey, u"too long", MemoryStore::string(std::u16string(1024, u'z'), true));
    EXPECT_TRUE(read(u"full"));
    EXPECT_EQ(value, std::u16string(1024, u'x'));
    EXPECT_TRUE(read(u"full+zero"));
    EXPECT_EQ(value, std::u16string(1023, u'y'));
    EXPECT_FALSE(read(u"too long"));
    EXPECT_EQ(value, u"");
}

TEST_F(KeyValueTest, NumbersBecomeDecimalTextOtherTypesChangeNothing)
{
    store.put(kKey, u"zero", MemoryStore::number(0));
    store.put(kKey, u"max", MemoryStore::number(4294967295u));
    store.put(kKey, u"mixed", MemoryStore::number(0x12345678u));
    store.put(kKey, u"binary", MemoryStore::Value {3, {u'a', u'b'}, 4});
    EXPECT_TRUE(read(u"zero"));
    EXPECT_EQ(value, u"0");
    EXPECT_TRUE(read(u"max"));
    EXPECT_EQ(value, u"4294967295");
    EXPECT_TRUE(read(u"mixed"));
    EXPECT_EQ(value, u"305419896");
    EXPECT_TRUE(read(u"binary", u"kept"));
    EXPECT_EQ(value, u"kept");
}

TEST_F(KeyValueTest, FailuresEmptyTheTextAndCloseTheKey)
{
    store.put(kKey, u"there", MemoryStore::string(u"x", true));
    store.put(u"SOFTWARE\\Refused", u"there", MemoryStore::string(u"x", true));
    store.refuse(u"SOFTWARE\\Refused");
    EXPECT_FALSE(read(u"missing"));
    EXPECT_EQ(value, u"");

    for (const std::u16string key : {u"SOFTWARE\\Missing", u"SOFTWARE\\Refused"}) {
        value = u"previous";
        EXPECT_FALSE(GetKeyValue(store, kLocalMachine, key, u"there", value));
        EXPECT_EQ(value, u"");
    }
    value = u"previous";
    EXPECT_FALSE(GetKeyValue(store, 0x80000001u, kKey, u"there", value)); // another root
    EXPECT_EQ(value, u"");
    EXPECT_EQ(store.openKeys(), 0);
}

// A store whose every access fails with an exception.
class BrokenStore final : public ConfigStore {
public:
    std::optional<Key> openKey(KeyRoot, std::u16string_view) override { throw std::runtime_error("store broken"); }
    bool queryValue(Key, std::u16string_view, std::uint32_t&, char16_t*, std::uint32_t&) override { return false; }
    void closeKey(Key) override { }
};

class SysInfoTest : public ::testing::Test {
protected:
    std::string start(ConfigStore& from)
    {
        StartSysInfo(from, launcher, boxes);
        EXPECT_EQ(store.openKeys(), 0);
        return out.str();
    }
    std::ostringstream out;
    scripted::Boxes boxes {out};
    MemoryStore store;
    scripted::Launcher launcher;
    const std::string unavailable = "box Crucirco | System Information Is Unavailable At This Time | OK\n";
    const std::u16string folderViewer = u"C:\\Program Files\\Common Files\\MSINFO\\MSINFO32.EXE";
    void withFolder()
    {
        store.put(std::u16string(kViewerFolderKey), std::u16string(kViewerFolderValue),
            MemoryStore::string(u"C:\\Program Files\\Common Files\\MSINFO", true));
    }
};

TEST_F(SysInfoTest, FirstKeyStartsItsProgram)
{
    store.put(std::u16string(kViewerKey), std::u16string(kViewerValue), MemoryStore::string(u"C:\\msinfo.exe", true));
    withFolder();
    launcher.files = {folderViewer};
    EXPECT_EQ(start(store), "");
    EXPECT_EQ(launcher.started, std::vector<std::u16string> {u"C:\\msinfo.exe"});
}

TEST_F(SysInfoTest, SecondKeyNeedsTheViewerInItsFolder)
{
    withFolder();
    EXPECT_EQ(start(store), unavailable);
    EXPECT_TRUE(launcher.started.empty());
    launcher.files = {folderViewer};
    out.str("");
    EXPECT_EQ(start(store), "");
    EXPECT_EQ(launcher.started, std::vector<std::u16string> {folderViewer});
}

TEST_F(SysInfoTest, EveryFailureEndsInTheSameBox)
{
    EXPECT_EQ(start(store), unavailable); // no key at all

    store.put(std::u16string(kViewerKey), std::u16string(kViewerValue), MemoryStore::string(u"C:\\msinfo.exe", true));
    launcher.startFails = true;
    out.str("");
    EXPECT_EQ(start(store), unavailable);

    BrokenStore broken;
    out.str("");
    EXPECT_EQ(start(broken), unavailable);
    EXPECT_TRUE(launcher.started.empty());
}

// Fake viewers in folders of a temporary PATH.
class ViewerOnPathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "crucirco-path-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    std::filesystem::path place(const std::string& folder, const std::string& name, bool executable)
    {
        std::filesystem::create_directories(root / folder);
        const auto file = root / folder / name;
        std::ofstream(file) << "#!/bin/sh\n";
        std::filesystem::permissions(file, executable ? std::filesystem::perms(0755) : std::filesystem::perms(0644));
        return file;
    }
    std::string path(std::initializer_list<const char*> folders) const
    {
        std::string text;
        for (const char* folder : folders)
            text += (text.empty() ? "" : ":") + (root / folder).string();
        return text;
    }
    static std::u16string ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }
    std::optional<std::u16string> viewer(ViewerOnPathStore& store)
    {
        std::u16string found;
        if (!GetKeyValue(store, kLocalMachine, kViewerKey, kViewerValue, found))
            return std::nullopt;
        return found;
    }

    std::filesystem::path root;
};

TEST_F(ViewerOnPathTest, FirstViewerOfTheListWinsWhereverItIs)
{
    place("a", "hardinfo", true);
    const auto wanted = place("b", "kinfocenter", true);
    ViewerOnPathStore store(":" + path({"a", "b"}) + ":");
    EXPECT_EQ(viewer(store), ascii(wanted.string()));
}

TEST_F(ViewerOnPathTest, SkipsWhatCannotRun)
{
    place("a", "kinfocenter", false);
    std::filesystem::create_directories(root / "b" / "kinfocenter");
    const auto wanted = place("c", "kinfocenter", true);
    ViewerOnPathStore store(path({"a", "b", "c"}));
    EXPECT_EQ(viewer(store), ascii(wanted.string()));

    ViewerOnPathStore nothing(path({"a", "b"}));
    EXPECT_FALSE(nothing.openKey(kLocalMachine, kViewerKey));
    EXPECT_EQ(viewer(nothing), std::nullopt);
}

TEST_F(ViewerOnPathTest, OnlyTheViewerKeyIsThere)
{
    place("a", "gnome-system-monitor", true);
    ViewerOnPathStore store(path({"a"}));
    EXPECT_FALSE(store.openKey(kLocalMachine, kViewerFolderKey));
    EXPECT_FALSE(store.openKey(0x80000001u, kViewerKey));
    const auto key = store.openKey(kLocalMachine, kViewerKey);
    ASSERT_TRUE(key);
    char16_t buffer[64];
    std::uint32_t type = 0, size = sizeof(buffer);
    EXPECT_FALSE(store.queryValue(*key, u"MSINFO", type, buffer, size));
    size = 4; // too small for the path
    EXPECT_FALSE(store.queryValue(*key, kViewerValue, type, buffer, size));
}

TEST_F(ViewerOnPathTest, Utf8FolderNamesBecomeUtf16)
{
    place("visor-ñ-€-😀", "hardinfo2", true);
    ViewerOnPathStore store(path({"visor-ñ-€-😀"}));
    EXPECT_EQ(viewer(store), ascii(root.string()) + u"/visor-ñ-€-😀/hardinfo2");

    // And through the About dialog's path to the viewer.
    std::ostringstream out;
    scripted::Boxes boxes(out);
    scripted::Launcher launcher;
    StartSysInfo(store, launcher, boxes);
    EXPECT_EQ(out.str(), "");
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0], ascii(root.string()) + u"/visor-ñ-€-😀/hardinfo2");
}

} // namespace
} // namespace crucirco::testing
