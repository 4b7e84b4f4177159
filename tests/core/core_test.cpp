// The board notation's refusals, the count of marks and the win tallies.
// Boards read and written, and the outcome check, are judged from outside
// by the shared replay samples.

#include <QTest>
#include <stdexcept>

#include "core/board_text.h"
#include "core/tally.h"

using namespace crucirco;

class CoreTests final : public QObject
{
    Q_OBJECT

private slots:
    void anythingButNineCellsIsRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << "";
        QTest::newRow("eight cells") << "XO.|O..|X.";
        QTest::newRow("ten cells") << "XO.|O..|X...";
        QTest::newRow("small letters") << "xo.|...|...";
        QTest::newRow("a blank") << "XO. ...|...";
        QTest::newRow("a digit") << "XO.|O..|X.0";
    }
    void anythingButNineCellsIsRefused()
    {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, parseBoard(text.toStdString()));
    }

    void marksAreCounted()
    {
        QCOMPARE(parseBoard("...|...|...").markCount(), 0);
        QCOMPARE(parseBoard("X..|.O.|..X").markCount(), 3);
        QCOMPARE(parseBoard("XOX|OXO|OXO").markCount(), 9);
    }

    // Empty at first, then the count in plain decimal digits, through every
    // carry into a new digit up to a thousand.
    void tallyCountsInDecimal()
    {
        Tally tally;
        QCOMPARE(tally.caption(), std::string());
        for (int wins = 1; wins <= 1200; ++wins) {
            tally.increment();
            QCOMPARE(QString::fromStdString(tally.caption()), QString::number(wins));
        }
    }
};

QTEST_APPLESS_MAIN(CoreTests)
#include "core_test.moc"
