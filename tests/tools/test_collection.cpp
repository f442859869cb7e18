#include "model/board.h"
#include "model/codepage.h"
#include "model/levelfile.h"
#include "model/solver.h"
#include "tests/support/fixtures.h"
#include "tools/collection.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

using namespace quill;

namespace {

const SpaceAnalysis& analysis()
{
    static const SpaceAnalysis result = slideSolver().analyse();
    return result;
}

const LevelTable& generated()
{
    static const LevelTable levels = tools::generateCollection(slideSolver(), analysis());
    return levels;
}

int stepsOf(const Positions& positions)
{
    return analysis().distance[slideSolver().indexOf(positions)];
}

}  // namespace

class TestCollection : public QObject {
    Q_OBJECT

private slots:
    void everyLevelIsValidSolvableAndUnsolved();
    void stepsRiseFromAGentleStartToTheFarthest();
    void classicStartIsAmongThem();
    void noTwoLevelsAreTheSame();
    void namesAreShortDistinctAndPlain();
    void generatorIsDeterministic();
    void shippedFileIsTheGeneratorOutput();
    void helpPageListsEveryLevelWithItsFewestSteps();
};

void TestCollection::everyLevelIsValidSolvableAndUnsolved()
{
    for (int k = 0; k < kLevelCount; ++k) {
        const Positions& positions = generated()[k].positions;
        QVERIFY2(findPositionFault(positions).none(), qPrintable(QStringLiteral("level %1").arg(k + 1)));
        Board board;
        board.SetPiecePositions(positions);
        board.PlacePieces();
        QVERIFY(!board.IsSolved());
        const Solution solution = slideSolver().solve(positions);
        QCOMPARE(solution.outcome, Solution::Outcome::Solved);
        QVERIFY(solution.steps() > 0);
    }
}

void TestCollection::stepsRiseFromAGentleStartToTheFarthest()
{
    int previous = 0;
    for (int k = 0; k < kLevelCount; ++k) {
        const int steps = stepsOf(generated()[k].positions);
        QVERIFY2(steps > previous, qPrintable(QStringLiteral("level %1: %2 steps").arg(k + 1).arg(steps)));
        // No sudden leaps: the space has positions of every distance.
        if (k > 0)
            QVERIFY(steps - previous <= 2);
        previous = steps;
    }
    QVERIFY(stepsOf(generated().front().positions) <= 5);
    QCOMPARE(stepsOf(generated().back().positions), analysis().maxDistance);
    QCOMPARE(analysis().maxDistance, 101);

    const std::array<int, kLevelCount> planned = tools::levelSteps(analysis(), 90);
    for (int k = 0; k < kLevelCount; ++k)
        QCOMPARE(stepsOf(generated()[k].positions), planned[k]);
}

void TestCollection::classicStartIsAmongThem()
{
    int found = 0;
    for (const LevelRecord& level : generated())
        found += level.positions == test::classicStart();
    QCOMPARE(found, 1);
    QCOMPARE(tools::classicStart(), test::classicStart());
}

void TestCollection::noTwoLevelsAreTheSame()
{
    // Same-shaped pieces are alike in the index; a mirror pair shares the smaller index.
    QSet<int> seen;
    for (const LevelRecord& level : generated()) {
        const int index = slideSolver().indexOf(level.positions);
        const int shape = std::min(index, slideSolver().mirrorOf(index));
        QVERIFY(!seen.contains(shape));
        seen.insert(shape);
    }
}

void TestCollection::namesAreShortDistinctAndPlain()
{
    QSet<QString> names;
    for (const LevelRecord& level : generated()) {
        QCOMPARE(level.name.size(), kNameLength);
        QCOMPARE(fitLevelName(level.name.trimmed()), level.name);
        QVERIFY(!level.name.trimmed().isEmpty());
        QVERIFY(!level.name.startsWith(QLatin1Char(' ')));
        for (QChar ch : level.name) {
            QVERIFY(ch.unicode() >= 0x20 && ch.unicode() < 0x7F);
            QVERIFY(codepage::toByte(ch).has_value());
        }
        QVERIFY2(!names.contains(level.name), qPrintable(level.name));
        names.insert(level.name);
    }
}

void TestCollection::generatorIsDeterministic()
{
    const SlideSolver fresh;
    const LevelTable again = tools::generateCollection(fresh, fresh.analyse());
    QVERIFY(again == generated());
    QCOMPARE(encodeLevelTable(again), encodeLevelTable(generated()));
}

void TestCollection::shippedFileIsTheGeneratorOutput()
{
    const QString source = test::sourceFolder();
    QVERIFY(!source.isEmpty());
    const QByteArray shipped = test::readAllBytes(QDir(source).filePath(QStringLiteral("data/QLM.ZHN")));
    QCOMPARE(shipped.size(), kLevelFileSize);
    QCOMPARE(shipped, encodeLevelTable(generated()));
    // And the copy beside the executables.
    const QByteArray installed = test::readAllBytes(QDir(test::builtProgramFolder()).filePath(QStringLiteral("QLM.ZHN")));
    QCOMPARE(installed, shipped);
}

void TestCollection::helpPageListsEveryLevelWithItsFewestSteps()
{
    const QString page = QString::fromUtf8(
        test::readAllBytes(QDir(test::builtProgramFolder()).filePath(QStringLiteral("qlm.html"))));
    const qsizetype start = page.indexOf(QStringLiteral("<table id=\"level-table\">"));
    QVERIFY(start >= 0);
    const QString table = page.mid(start, page.indexOf(QStringLiteral("</table>"), start) - start);
    static const QRegularExpression row(QStringLiteral(
        "<tr><td class=\"num\">(\\d+)</td><td>([^<]*)</td><td class=\"num\">(\\d+)</td></tr>"));
    int count = 0;
    for (auto it = row.globalMatch(table); it.hasNext(); ++count) {
        const QRegularExpressionMatch m = it.next();
        QCOMPARE(m.captured(1).toInt(), count + 1);
        const LevelRecord& level = generated()[count];
        QCOMPARE(m.captured(2), level.name.trimmed());
        QCOMPARE(m.captured(3).toInt(), stepsOf(level.positions));
    }
    QCOMPARE(count, kLevelCount);
}

QTEST_GUILESS_MAIN(TestCollection)
#include "test_collection.moc"
