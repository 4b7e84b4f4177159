// The generator the game plays with. The machine's moves are judged from
// outside by the replay samples and scenario scripts (tests/replay).

#include <QTest>
#include <algorithm>

#include "opponent/random_source.h"

using namespace crucirco;

class SeededRandomTests final : public QObject
{
    Q_OBJECT

private slots:
    // Draws come from all over [0, 1), never 1, and a reseed replays them.
    void drawsSpanZeroToOneAndRepeatAfterAReseed()
    {
        SeededRandom random(7);
        const double first = random.draw();
        double lowest = first;
        double highest = first;
        for (int i = 0; i < 100000; ++i) {
            const double r = random.draw();
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
        }
        QVERIFY2(lowest >= 0 && lowest < 1e-3, qPrintable(QString::number(lowest)));
        QVERIFY2(highest > 1 - 1e-3 && highest < 1, qPrintable(QString::number(highest)));
        random.reseed(7);
        QCOMPARE(random.draw(), first);
    }
};

QTEST_APPLESS_MAIN(SeededRandomTests)
#include "seeded_random_test.moc"
