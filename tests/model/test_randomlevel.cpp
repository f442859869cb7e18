// Random levels: dealing by fewest steps, checked against a plain search of
// the board, and level codes: their fixed meaning, and mistypes refused.

#include "model/levelcode.h"
#include "model/randomlevel.h"
#include "model/solver.h"
#include "tests/support/fixtures.h"
#include "tests/support/plainsearch.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <map>

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
    void dealsAreEvenOverBoardsAsSeen();
    void boardsAsSeenHaveOneCode();
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
            QCOMPARE(level->start, boardAsSeen(level->start));
            QCOMPARE(readLevelCode(level->code).start, std::optional<Positions>(level->start));
        }
    }
    QCOMPARE(starts, qint64(space.solvableCount - space.solvedCount) * 24);
}

void TestRandomLevel::dealsAreEvenOverBoardsAsSeen()
{
    // Two positions need the most steps; with the tall pieces told apart
    // they are 48 boards as seen. Each is dealt about equally often: the
    // chi-squared sum of 47 degrees of freedom stays below its 0.1 % bound.
    const int most = dealRange().most;
    QCOMPARE(startsWithSteps(most), 48);
    constexpr int kDrawsPerBoard = 200;
    QRandomGenerator random(42);
    std::map<Positions, int> dealt;
    for (int draw = 0; draw < 48 * kDrawsPerBoard; ++draw)
        ++dealt[dealLevel(most, random)->start];
    QCOMPARE(qint64(dealt.size()), startsWithSteps(most));
    double chiSquared = 0;
    for (const auto& [start, count] : dealt)
        chiSquared += double(count - kDrawsPerBoard) * (count - kDrawsPerBoard) / kDrawsPerBoard;
    QVERIFY2(chiSquared < 82.7, qPrintable(QString::number(chiSquared)));
}

void TestRandomLevel::boardsAsSeenHaveOneCode()
{
    // The singles share a picture: every order of them is one board with
    // one code (older codes of other orders: see goldenCodes).
    const Positions farthest = {1, 21, 23, 0, 32, 20, 13, 40, 41, 43};
    Positions singles = farthest;
    do {
        QCOMPARE(levelCode(singles), levelCode(farthest));
        QCOMPARE(boardAsSeen(singles), farthest);
    } while (std::next_permutation(singles.begin() + 6, singles.end()));
    // The tall pieces have pictures of their own, and a mirror image is
    // another board.
    Positions tallSwapped = farthest;
    std::swap(tallSwapped[2], tallSwapped[3]);
    QVERIFY(levelCode(tallSwapped) != levelCode(farthest));
    QVERIFY(levelCode(slideSolver().positionsAt(slideSolver().mirrorOf(slideSolver().indexOf(farthest))))
            != levelCode(farthest));
}

void TestRandomLevel::goldenCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<Positions>("positions");
    QTest::addColumn<int>("steps");  // -1: refused
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("handedOutBefore");  // an older code of the same board, which still reads
    QTest::newRow("classic start") << "GGXT-4AN" << test::classicStart() << 90 << "" << "";
    QTest::newRow("classic start, pieces swapped")
        << "MV7F-H5F" << Positions{1, 21, 23, 20, 3, 0, 31, 32, 40, 43} << 90 << "" << "V4N3-36E";
    QTest::newRow("number 0") << "F9BH-7K9" << Positions{0, 2, 12, 13, 20, 21, 32, 33, 40, 41} << 27 << "" << "";
    QTest::newRow("last number's board")
        << "EC3D-E86" << Positions{32, 40, 21, 20, 13, 12, 2, 3, 10, 11} << 39 << "" << "MJGX-X92";
    QTest::newRow("farthest")
        << "NF42-6EQ" << Positions{1, 21, 23, 0, 32, 20, 13, 40, 41, 43} << 101 << "" << "4H7A-RCC";
    QTest::newRow("solved") << "6U3D-8UN" << Positions{31, 21, 0, 3, 20, 23, 11, 12, 40, 43} << -1
                            << "solved already" << "";
    QTest::newRow("unsolvable") << "PNYW-D9B" << Positions{0, 2, 12, 13, 20, 32, 31, 40, 41, 43} << -1
                                << "cannot be solved" << "";
}

void TestRandomLevel::goldenCodes()
{
    QFETCH(QString, code);
    QFETCH(Positions, positions);
    QFETCH(int, steps);
    QFETCH(QString, problem);
    QFETCH(QString, handedOutBefore);
    QCOMPARE(levelCode(positions), code);
    const LevelCodeReading reading = readLevelCode(code);
    QCOMPARE(reading.ok(), steps >= 0);
    if (reading.ok()) {
        QCOMPARE(*reading.start, positions);
        QCOMPARE(reading.steps, steps);
        QCOMPARE(reading.code, code);
        if (!handedOutBefore.isEmpty()) {
            QCOMPARE(readLevelCode(handedOutBefore).start, reading.start);
            QCOMPARE(readLevelCode(handedOutBefore).code, code);
        }
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
