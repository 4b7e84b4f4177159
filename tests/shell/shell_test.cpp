// The way from About to the system information viewer, and the program's
// windows as a form sees them.

#include <QTemporaryDir>
#include <QTest>

#include "core/board_text.h"
#include "shell/system_info.h"
#include "tools/scripted/scripted_platform.h"

using namespace crucirco;

namespace {

const std::u16string kKey = u"SOFTWARE\\Velquor\\Crucirco";
const QString kUnavailable = "box Crucirco | System Information Is Unavailable At This Time | OK\n";

// Nothing stored, nothing installed; the boxes written into `out`.
struct Shell
{
    scripted::MemoryStore store;
    scripted::Launcher launcher;
    std::ostringstream out;
    scripted::Boxes boxes{out};

    // The boxes StartSysInfo shows.
    QString startViewer()
    {
        out.str("");
        StartSysInfo(store, launcher, boxes);
        return QString::fromStdString(out.str());
    }
};

// Where the system's store says the viewer is; "none" when it says nothing.
QString viewerOnPath()
{
    std::u16string path;
    if (!GetKeyValue(*makeSystemStore(), kLocalMachine, kViewerKey, kViewerValue, path))
        return QStringLiteral("none");
    return QString::fromStdU16String(path);
}

} // namespace

class ShellTests final : public QObject
{
    Q_OBJECT

private slots:
    // A string comes without its terminator alone, a 32-bit number (stored
    // low half first) in decimal; any other type keeps the text that was
    // there, and a value that cannot be read empties it.
    void getKeyValue_data()
    {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<std::u16string>("stored");
        QTest::addColumn<quint32>("root");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("value");
        QTest::newRow("a terminated string")
            << kStringValue << std::u16string(u"C:\\a\0", 5) << kLocalMachine << true << "C:\\a";
        QTest::newRow("a bare string")
            << kStringValue << std::u16string(u"abc") << kLocalMachine << true << "abc";
        QTest::newRow("a zero inside") << kStringValue << std::u16string(u"a\0b", 3) << kLocalMachine << true
                                       << QString::fromUtf16(u"a\0b", 3);
        QTest::newRow("an empty string") << kStringValue << std::u16string() << kLocalMachine << true << "";
        QTest::newRow("a number") << kNumber32Value << std::u16string(u"\x5678\x1234") << kLocalMachine
                                  << true << "305419896";
        QTest::newRow("the largest number")
            << kNumber32Value << std::u16string(u"\xFFFF\xFFFF") << kLocalMachine << true << "4294967295";
        QTest::newRow("another type") << 3u << std::u16string(u"Cr") << kLocalMachine << true << "antes";
        QTest::newRow("nothing under that root")
            << kStringValue << std::u16string(u"abc") << 0x80000001u << false << "";
    }
    void getKeyValue()
    {
        QFETCH(quint32, type);
        QFETCH(std::u16string, stored);
        QFETCH(quint32, root);
        QFETCH(bool, found);
        QFETCH(QString, value);
        Shell shell;
        shell.store.values[{kKey, u"v"}] = StoredValue{type, stored};
        std::u16string read = u"antes";
        QCOMPARE(GetKeyValue(shell.store, root, kKey, u"v", read), found);
        QCOMPARE(QString::fromStdU16String(read), value);
    }

    // The viewer's own key first, then its folder; a folder without the
    // viewer, or a viewer that does not start, leaves the user one box.
    void theViewerStartsFromEitherKeyOrTheUserHearsOneBox()
    {
        Shell shell;
        QCOMPARE(shell.startViewer(), kUnavailable);
        const std::pair folder{std::u16string(kViewerFolderKey), std::u16string(kViewerFolderValue)};
        shell.store.values[folder] = {kStringValue, u"C:\\SI"};
        QCOMPARE(shell.startViewer(), kUnavailable);
        shell.launcher.files = {u"C:\\SI\\MSINFO32.EXE"};
        QCOMPARE(shell.startViewer(), "");
        const std::pair viewer{std::u16string(kViewerKey), std::u16string(kViewerValue)};
        shell.store.values[viewer] = {kStringValue, u"C:\\msinfo.exe"};
        QCOMPARE(shell.startViewer(), "");
        const std::vector<std::u16string> started{u"C:\\SI\\MSINFO32.EXE", u"C:\\msinfo.exe"};
        QVERIFY(shell.launcher.started == started);
        shell.launcher.startFails = true;
        QCOMPARE(shell.startViewer(), kUnavailable);
    }

    void anyErrorOnTheWayToTheViewerEndsInTheBox()
    {
        struct Broken final : ConfigStore
        {
            std::optional<StoredValue> read(KeyRoot, std::u16string_view, std::u16string_view) override
            {
                throw std::runtime_error("the store broke");
            }
        } broken;
        Shell shell;
        StartSysInfo(broken, shell.launcher, shell.boxes);
        QCOMPARE(QString::fromStdString(shell.out.str()), kUnavailable);
    }

    // A form shows itself only in the window it has while loaded; a window never shown unloads as nothing.
    void anUnloadedFormShowsItselfNowhere()
    {
        Shell shell;
        scripted::Random random;
        scripted::Events events;
        scripted::FixedClock clock;
        scripted::WindowLog windows{shell.out};
        Program program{Program::Services{shell.boxes, events, clock, random, shell.store, shell.launcher},
                        windows};
        struct View final : FormView
        {
            int refreshes = 0;
            void refresh() override { ++refreshes; }
        } view;
        program.show(Window::TwoPlayer);
        program.form<TwoPlayerForm>()->attachView(&view);
        program.form<TwoPlayerForm>()->setBoard(parseBoard("X..|...|..."));
        program.unload(Window::TwoPlayer);
        program.unload(Window::About); // never shown: nothing to unload
        program.form<TwoPlayerForm>()->setBoard(parseBoard("O..|...|..."));
        QCOMPARE(view.refreshes, 1);
    }

    // Elsewhere than on Windows the viewer is the first one installed on the
    // PATH, and its folder is never known.
    void theFirstViewerOnThePathIsTheOneTheProgramStarts()
    {
        QTemporaryDir bin(QDir::tempPath() + "/crucirco-viewers-ñ-XXXXXX");
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        const QString none = viewerOnPath();
        for (const char* viewer : {"hardinfo", "hardinfo2"}) {
            QFile file(bin.filePath(viewer));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n");
            file.setPermissions(QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
        }
        const QString found = viewerOnPath();
        std::u16string folder;
        const bool folderKnown =
            GetKeyValue(*makeSystemStore(), kLocalMachine, kViewerFolderKey, kViewerValue, folder);
        qputenv("PATH", path);
        QCOMPARE(none, "none");
        QCOMPARE(found, bin.filePath("hardinfo2"));
        QVERIFY(!folderKnown);
    }
};

QTEST_GUILESS_MAIN(ShellTests)
#include "shell_test.moc"
