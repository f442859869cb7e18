// Random levels: dealing by fewest steps, checked against a plain search of
// the board, and level codes: their fixed meaning, and mistypes refused.

#include "model/levelcode.h"
#include "model/randomlevel.h"
#include "model/solver.h"
#include "tests/support/fixtures.h"
#include "tests/support/plainsearch.h"

#include <QRandomGenerator>
#include <QtTest>

#include <set>

using namespace quill;

namespace {

const QString kAlphabet = QStringLiteral("23456789ABCDEFGHJKMNPQRTUVWXY");

// Steps to the nearest solved position of every solvable position, by
// shape key, from a search on the board that knows nothing of the solver.
const std::unordered_map<std::string, int>& plainDistances()
{
    static const std::unordered_map<std::string, int> depth = [] {
        std::vector<Positions> solved;
        for (int index = 0; index < slideSolver().positionCount(); ++index) {
            const Positions positions = slideSolver().positionsAt(index);
            if (test::placed(positions).IsSolved())
                solved.push_back(positions);
        }
        return test::plainSearch(solved, test::Metric::Slides, false).depth;
    }();
    return depth;
}

}  // namespace

class TestRandomLevel : public QObject {
    Q_OBJECT

private slots:
    void everyFewestStepsNumberCanBeDealt();
    void dealsAreDrawnFromEveryStart();
    void goldenCodes_data();
    void goldenCodes();
    void everyStartHasOneNumber();
    void typedCodesAreRead();
    void mistypedCodesAreRefused();
};

void TestRandomLevel::everyFewestStepsNumberCanBeDealt()
{
    const SpaceAnalysis space = slideSolver().analyse();
    const DealRange range = dealRange();
    QCOMPARE(range.fewest, 1);
    QCOMPARE(range.most, space.maxDistance);
    QCOMPARE(startsWithSteps(0), 0);
    QCOMPARE(startsWithSteps(range.most + 1), 0);
    QVERIFY(!dealLevel(0));
    QVERIFY(!dealLevel(range.most + 1));

    qint64 starts = 0;
    for (int steps = range.fewest; steps <= range.most; ++steps) {
        QVERIFY(startsWithSteps(steps) > 0);
        starts += startsWithSteps(steps);
        QRandomGenerator random(steps);
        for (int draw = 0; draw < 3; ++draw) {
            const std::optional<DealtLevel> level = dealLevel(steps, random);
            QVERIFY(level);
            QCOMPARE(level->steps, steps);
            QVERIFY(findPositionFault(level->start).none());
            const auto plain = plainDistances().find(test::shapeKey(test::placed(level->start)));
            QVERIFY(plain != plainDistances().end());
            QCOMPARE(plain->second, steps);
            QCOMPARE(readLevelCode(level->code).start, std::optional<Positions>(level->start));
        }
    }
    QCOMPARE(starts, qint64(space.solvableCount - space.solvedCount) * 24 * 24);
}

void TestRandomLevel::dealsAreDrawnFromEveryStart()
{
    // Two positions need the most steps; with the tall pieces and the
    // singles told apart they are 1152 starts, and even draws reach each.
    const int most = dealRange().most;
    QCOMPARE(startsWithSteps(most), 1152);
    QRandomGenerator random(42);
    std::set<Positions> seen;
    for (int draw = 0; draw < 20000; ++draw)
        seen.insert(dealLevel(most, random)->start);
    QCOMPARE(qint64(seen.size()), startsWithSteps(most));
}

void TestRandomLevel::goldenCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<Positions>("positions");
    QTest::addColumn<int>("steps");  // -1: refused
    QTest::addColumn<QString>("problem");
    QTest::newRow("classic start") << "GGXT-4AN" << test::classicStart() << 90 << "";
    QTest::newRow("classic start, pieces swapped")
        << "V4N3-36E" << Positions{1, 21, 23, 20, 3, 0, 43, 40, 32, 31} << 90 << "";
    QTest::newRow("number 0") << "F9BH-7K9" << Positions{0, 2, 12, 13, 20, 21, 32, 33, 40, 41} << 27 << "";
    QTest::newRow("last number") << "MJGX-X92" << Positions{32, 40, 21, 20, 13, 12, 11, 10, 3, 2} << 39 << "";
    QTest::newRow("farthest") << "4H7A-RCC" << Positions{1, 21, 23, 0, 32, 20, 40, 41, 13, 43} << 101 << "";
    QTest::newRow("solved") << "6U3D-8UN" << Positions{31, 21, 0, 3, 20, 23, 11, 12, 40, 43} << -1
                            << "solved already";
    QTest::newRow("unsolvable") << "PNYW-D9B" << Positions{0, 2, 12, 13, 20, 32, 31, 40, 41, 43} << -1
                                << "cannot be solved";
}

void TestRandomLevel::goldenCodes()
{
    QFETCH(QString, code);
    QFETCH(Positions, positions);
    QFETCH(int, steps);
    QFETCH(QString, problem);
    QCOMPARE(levelCode(positions), code);
    const LevelCodeReading reading = readLevelCode(code);
    QCOMPARE(reading.ok(), steps >= 0);
    if (reading.ok()) {
        QCOMPARE(*reading.start, positions);
        QCOMPARE(reading.steps, steps);
        QCOMPARE(reading.code, code);
    } else {
        QVERIFY2(reading.problem.contains(problem), qPrintable(reading.problem));
    }
}

void TestRandomLevel::everyStartHasOneNumber()
{
    QCOMPARE(kLevelNumberCount, qint64(slideSolver().positionCount()) * 24 * 24);
    QVERIFY(positionOfLevelNumber(kLevelNumberCount - 1));
    QVERIFY(!positionOfLevelNumber(kLevelNumberCount));
    QVERIFY(!positionOfLevelNumber(-1));
    // Every layout once, with the labels dealt differently each time.
    for (qint64 number = 0; number < kLevelNumberCount; number += 577) {
        const std::optional<Positions> positions = positionOfLevelNumber(number);
        QVERIFY(positions && findPositionFault(*positions).none());
        QCOMPARE(levelNumberOf(*positions), number);
    }
    Positions overlapping = test::classicStart();
    overlapping[9] = 40;
    QCOMPARE(levelNumberOf(overlapping), qint64(-1));
    QCOMPARE(levelCode(overlapping), QString());
}

void TestRandomLevel::typedCodesAreRead()
{
    for (const QString& typed : {QStringLiteral("GGXT-4AN"), QStringLiteral("ggxt4an"), QStringLiteral(" gG xT--4a N ")}) {
        const LevelCodeReading reading = readLevelCode(typed);
        QVERIFY2(reading.ok(), qPrintable(typed));
        QCOMPARE(*reading.start, test::classicStart());
        QCOMPARE(reading.code, QStringLiteral("GGXT-4AN"));
    }
    const std::pair<QString, QString> refused[] = {
        {QStringLiteral(" - "), QStringLiteral("No level code was typed.")},
        {QStringLiteral("GGXT-4A"), QStringLiteral("this one has 6")},
        {QStringLiteral("GGXT-4ANN"), QStringLiteral("this one has 8")},
        {QStringLiteral("G0XT-4AN"), QStringLiteral("\"0\" is in no level code")},
        {QStringLiteral("GGXT-4AM"), QStringLiteral("typing mistake")},
        {QStringLiteral("YYYY-Y2X"), QStringLiteral("No level has this code.")},
    };
    for (const auto& [typed, problem] : refused) {
        const LevelCodeReading reading = readLevelCode(typed);
        QVERIFY(!reading.ok());
        QVERIFY2(reading.problem.contains(problem), qPrintable(reading.problem));
    }
}

void TestRandomLevel::mistypedCodesAreRefused()
{
    QRandomGenerator random(7);
    for (int steps : {1, 50, 101}) {
        const QString code = dealLevel(steps, random)->code;
        QString bare = code;
        bare.remove(QLatin1Char('-'));
        for (int i = 0; i < bare.size(); ++i) {
            for (QChar other : kAlphabet + QStringLiteral("01ILOSZ")) {
                QString typo = bare;
                typo[i] = other;
                if (typo != bare)
                    QVERIFY2(!readLevelCode(typo).ok(), qPrintable(typo));
            }
            QString dropped = bare;
            QVERIFY(!readLevelCode(dropped.remove(i, 1)).ok());
            QString doubled = bare;
            QVERIFY(!readLevelCode(doubled.insert(i, bare[i])).ok());
            if (i + 1 < bare.size() && bare[i] != bare[i + 1]) {
                QString swapped = bare;
                std::swap(swapped[i], swapped[i + 1]);
                QVERIFY2(!readLevelCode(swapped).ok(), qPrintable(swapped));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestRandomLevel)
#include "test_randomlevel.moc"
