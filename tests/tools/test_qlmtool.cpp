#include "model/board.h"
#include "model/levelcode.h"
#include "model/levelfile.h"
#include "model/savedgame.h"
#include "model/solver.h"
#include "tests/support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
    QStringList lines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
    QJsonDocument json() const { return QJsonDocument::fromJson(out.toUtf8()); }
};

QString toolPath()
{
    return QDir(test::builtProgramFolder()).filePath(QStringLiteral("qlmtool"));
}

Run run(const QStringList& arguments, const QString& program = toolPath())
{
    QProcess process;
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

LevelTable shippedLevels()
{
    LevelTable levels;
    readLevelFile(QDir(test::builtProgramFolder()).filePath(QStringLiteral("QLM.ZHN")), levels);
    return levels;
}

// A collection with a broken level 1 (a misplaced square), 2 (an overlap)
// and 3 (an unsolvable position); every other level is the classic start.
LevelTable brokenLevels(Positions& unsolvable)
{
    const SpaceAnalysis space = slideSolver().analyse();
    for (int index = 0; index < slideSolver().positionCount(); ++index) {
        if (space.distance[index] == SlideSolver::kUnsolvable) {
            unsolvable = slideSolver().positionsAt(index);
            break;
        }
    }
    LevelTable levels = test::sampleLevels();
    levels[0].positions[0] = 3;
    levels[1].positions[6] = 1;
    levels[2].positions = unsolvable;
    return levels;
}

// Parses "piece P: FROM -> TO" lines and a last "N steps" line, then plays
// them on a board through its slide tests.
void replayText(const Positions& start, const QStringList& lines, int expectedSteps)
{
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.last(), QStringLiteral("%1 steps").arg(expectedSteps));
    QCOMPARE(lines.size() - 1, expectedSteps);
    static const QRegularExpression movePattern(QStringLiteral("^piece (\\d): (\\d+) -> (\\d+)$"));
    Board board;
    board.SetPiecePositions(start);
    board.PlacePieces();
    for (int i = 0; i < expectedSteps; ++i) {
        const QRegularExpressionMatch match = movePattern.match(lines[i]);
        QVERIFY2(match.hasMatch(), qPrintable(lines[i]));
        const int16_t piece = static_cast<int16_t>(match.captured(1).toInt());
        const int16_t from = static_cast<int16_t>(match.captured(2).toInt());
        const int16_t to = static_cast<int16_t>(match.captured(3).toInt());
        QCOMPARE(positionValue(board.pieces[piece].col, board.pieces[piece].row), from);
        const bool free = rowOf(from) == rowOf(to)
                              ? board.HorizontalPathFree(piece, columnOf(from), columnOf(to), rowOf(to))
                              : columnOf(from) == columnOf(to)
                                    && board.VerticalPathFree(piece, rowOf(from), rowOf(to), columnOf(to));
        QVERIFY2(free, qPrintable(lines[i]));
        board.UnmarkPiece(piece, columnOf(from), rowOf(from));
        board.MarkPiece(piece, columnOf(to), rowOf(to));
        QCOMPARE(board.IsSolved(), i == expectedSteps - 1);
    }
}

QString positionsArgument(const Positions& positions)
{
    QStringList parts;
    for (int16_t value : positions)
        parts << QString::number(value);
    return parts.join(QLatin1Char(','));
}

}  // namespace

class TestQlmTool : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    // Usage
    void helpSucceeds();
    void usageErrorsExitWithTwo_data();
    void usageErrorsExitWithTwo();

    // list
    void listShowsEveryShippedLevel();
    void listJsonHasTheSameContent();
    void listMarksInvalidAndUnsolvableLevels();

    // check
    void checkPassesOnTheShippedFile();
    void checkReportsEachProblem();
    void checkReportsAShortFile();
    void missingCollectionIsAProblem();
    void defaultCollectionIsFoundWithoutCase();

    // solve
    void solveLevelReplaysToTheGoal();
    void solveJsonMatchesText();
    void solvePositionsOfTheClassicStart();
    void solveSavedGame();
    void solveRefusesWhatCannotBeSolved();
    void solvedPositionNeedsNoSteps();

    // stats and generate
    void statsGivesTheWholeSpaceFigures();
    void generateWritesTheShippedCollection();
    void generateReportsAnUnwritableTarget();

    // deal and code
    void dealPrintsALevelOfTheStepsAsked();
    void codeShowsItsLevelOrWhyNot();

private:
    QTemporaryDir dir_;
    QString file(const QString& name) const { return QDir(dir_.path()).filePath(name); }
};

void TestQlmTool::initTestCase()
{
    QVERIFY(QFileInfo(toolPath()).isExecutable());
    QVERIFY(dir_.isValid());
}

void TestQlmTool::helpSucceeds()
{
    for (const QStringList& args : {QStringList{QStringLiteral("--help")}, QStringList{QStringLiteral("-h")},
                                    QStringList{QStringLiteral("solve"), QStringLiteral("--help")}}) {
        const Run result = run(args);
        QCOMPARE(result.status, 0);
        QVERIFY(result.out.startsWith(QStringLiteral("Usage: qlmtool")));
        for (const char* command : {"list", "check", "solve --level N", "solve --positions", "stats", "generate OUT", "deal N", "code CODE", "--json"})
            QVERIFY2(result.out.contains(QLatin1String(command)), command);
        QVERIFY(result.err.isEmpty());
    }
}

void TestQlmTool::usageErrorsExitWithTwo_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing") << QStringList{} << "Usage: qlmtool";
    QTest::newRow("unknown command") << QStringList{"play"} << "unknown command 'play'";
    QTest::newRow("unknown option") << QStringList{"list", "--fast"} << "unknown option '--fast'";
    QTest::newRow("two files") << QStringList{"check", "a", "b"} << "at most one FILE";
    QTest::newRow("solve without target") << QStringList{"solve"} << "solve needs --level N";
    QTest::newRow("level zero") << QStringList{"solve", "--level", "0"} << "from 1 to 70";
    QTest::newRow("level 71") << QStringList{"solve", "--level=71"} << "from 1 to 70";
    QTest::newRow("level word") << QStringList{"solve", "--level", "one"} << "not 'one'";
    QTest::newRow("level without value") << QStringList{"solve", "--level"} << "--level needs a value";
    QTest::newRow("nine positions") << QStringList{"solve", "--positions", "1,21,0,3,20,23,31,32,40"}
                                    << "ten whole numbers";
    QTest::newRow("not a number") << QStringList{"solve", "--positions", "1,21,0,3,20,x,31,32,40,43"}
                                  << "ten whole numbers";
    QTest::newRow("beyond 16 bits") << QStringList{"solve", "--positions", "1,21,0,3,20,23,31,32,40,99999"}
                                    << "ten whole numbers";
    QTest::newRow("both targets") << QStringList{"solve", "--level", "1", "--positions", "1,2"} << "not both";
    QTest::newRow("stats with file") << QStringList{"stats", "x"} << "stats takes no arguments";
    QTest::newRow("generate without file") << QStringList{"generate"} << "exactly one OUT";
    QTest::newRow("generate json") << QStringList{"generate", "--json", "x"} << "exactly one OUT";
    QTest::newRow("deal without N") << QStringList{"deal"} << "from 1 to 101";
    QTest::newRow("deal 0") << QStringList{"deal", "0"} << "from 1 to 101";
    QTest::newRow("deal 102") << QStringList{"deal", "102"} << "from 1 to 101";
    for (const char* written : {"-1", "+5", "05", " 7", "7 ", "0x5", "5.0", "--fast"})
        QTest::addRow("deal '%s'", written) << QStringList{"deal", written} << "from 1 to 101";
    QTest::newRow("code without code") << QStringList{"code", "--json"} << "code needs a level code";
}

void TestQlmTool::usageErrorsExitWithTwo()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const Run result = run(args);
    QCOMPARE(result.status, 2);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
}

void TestQlmTool::listShowsEveryShippedLevel()
{
    const LevelTable levels = shippedLevels();
    const std::vector<uint8_t> distance = slideSolver().distanceTable();
    const Run result = run({QStringLiteral("list")});
    QCOMPARE(result.status, 0);
    const QStringList lines = result.lines();
    QCOMPARE(lines.size(), kLevelCount);
    static const QRegularExpression pattern(QStringLiteral("^([ \\d]\\d)  (.{10})  valid    ([ \\d]{3}) steps$"));
    for (int k = 0; k < kLevelCount; ++k) {
        const QRegularExpressionMatch match = pattern.match(lines[k]);
        QVERIFY2(match.hasMatch(), qPrintable(lines[k]));
        QCOMPARE(match.captured(1).trimmed().toInt(), k + 1);
        QCOMPARE(match.captured(2), levels[k].name);
        QCOMPARE(match.captured(3).trimmed().toInt(), int(distance[slideSolver().indexOf(levels[k].positions)]));
    }
}

void TestQlmTool::listJsonHasTheSameContent()
{
    const LevelTable levels = shippedLevels();
    const Run text = run({QStringLiteral("list")});
    const Run json = run({QStringLiteral("list"), QStringLiteral("--json")});
    QCOMPARE(json.status, 0);
    const QJsonArray rows = json.json().array();
    QCOMPARE(rows.size(), kLevelCount);
    for (int k = 0; k < kLevelCount; ++k) {
        const QJsonObject row = rows[k].toObject();
        QCOMPARE(row[QStringLiteral("level")].toInt(), k + 1);
        QCOMPARE(row[QStringLiteral("name")].toString(), levels[k].name);
        const QJsonArray positions = row[QStringLiteral("positions")].toArray();
        QCOMPARE(positions.size(), kPieceCount);
        for (int i = 0; i < kPieceCount; ++i)
            QCOMPARE(positions[i].toInt(), int(levels[k].positions[i]));
        QCOMPARE(row[QStringLiteral("valid")].toBool(), true);
        QCOMPARE(row[QStringLiteral("solvable")].toBool(), true);
        QVERIFY(text.lines()[k].endsWith(QStringLiteral("%1 steps").arg(row[QStringLiteral("optimal")].toInt(), 3)));
    }
}

void TestQlmTool::listMarksInvalidAndUnsolvableLevels()
{
    Positions unsolvable{};
    const LevelTable levels = brokenLevels(unsolvable);
    QVERIFY(writeLevelFile(file(QStringLiteral("broken.zhn")), levels).ok());
    const Run text = run({QStringLiteral("list"), file(QStringLiteral("broken.zhn"))});
    QCOMPARE(text.status, 0);
    const QStringList lines = text.lines();
    QCOMPARE(lines.size(), kLevelCount);
    QVERIFY2(lines[0].contains(QRegularExpression(QStringLiteral("  invalid  -$"))), qPrintable(lines[0]));
    QVERIFY(lines[1].contains(QRegularExpression(QStringLiteral("  invalid  -$"))));
    QVERIFY2(lines[2].contains(QRegularExpression(QStringLiteral("  valid    unsolvable$"))), qPrintable(lines[2]));
    QVERIFY(lines[3].endsWith(QStringLiteral(" 90 steps")));

    const QJsonArray rows = run({QStringLiteral("list"), QStringLiteral("--json"), file(QStringLiteral("broken.zhn"))})
                                .json()
                                .array();
    QCOMPARE(rows[0].toObject()[QStringLiteral("valid")].toBool(), false);
    QCOMPARE(rows[0].toObject()[QStringLiteral("solvable")].toBool(), false);
    QVERIFY(rows[0].toObject()[QStringLiteral("optimal")].isNull());
    QCOMPARE(rows[2].toObject()[QStringLiteral("valid")].toBool(), true);
    QCOMPARE(rows[2].toObject()[QStringLiteral("solvable")].toBool(), false);
    QVERIFY(rows[2].toObject()[QStringLiteral("optimal")].isNull());
    QCOMPARE(rows[3].toObject()[QStringLiteral("optimal")].toInt(), 90);
}

void TestQlmTool::checkPassesOnTheShippedFile()
{
    const Run result = run({QStringLiteral("check")});
    QCOMPARE(result.status, 0);
    QVERIFY(result.out.startsWith(QStringLiteral("All 70 levels of ")));
    const Run json = run({QStringLiteral("check"), QStringLiteral("--json")});
    QCOMPARE(json.status, 0);
    QCOMPARE(json.json().object()[QStringLiteral("ok")].toBool(), true);
    QVERIFY(json.json().object()[QStringLiteral("problems")].toArray().isEmpty());
}

void TestQlmTool::checkReportsEachProblem()
{
    Positions unsolvable{};
    QVERIFY(writeLevelFile(file(QStringLiteral("broken.zhn")), brokenLevels(unsolvable)).ok());
    const Run result = run({QStringLiteral("check"), file(QStringLiteral("broken.zhn"))});
    QCOMPARE(result.status, 1);
    QCOMPARE(result.lines(),
             (QStringList{QStringLiteral("level 1: Ordrane has no place on the board at position value 3."),
                          QStringLiteral("level 2: Ordrane and Soldier A share the cell in column 2, row 1."),
                          QStringLiteral("level 3: unsolvable: no series of slides brings Ordrane to the bottom middle")}));
    QVERIFY(result.err.contains(QStringLiteral("3 problems")));

    const Run json = run({QStringLiteral("check"), QStringLiteral("--json"), file(QStringLiteral("broken.zhn"))});
    QCOMPARE(json.status, 1);
    const QJsonObject object = json.json().object();
    QCOMPARE(object[QStringLiteral("ok")].toBool(), false);
    const QJsonArray problems = object[QStringLiteral("problems")].toArray();
    QCOMPARE(problems.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(problems[i].toObject()[QStringLiteral("level")].toInt(), i + 1);
        QVERIFY(result.lines()[i].endsWith(problems[i].toObject()[QStringLiteral("problem")].toString()));
    }
}

void TestQlmTool::checkReportsAShortFile()
{
    const QByteArray shipped = test::readAllBytes(QDir(test::builtProgramFolder()).filePath(QStringLiteral("QLM.ZHN")));
    test::writeAllBytes(file(QStringLiteral("short.zhn")), shipped.left(1500));
    const Run result = run({QStringLiteral("check"), file(QStringLiteral("short.zhn"))});
    QCOMPARE(result.status, 1);
    const QStringList lines = result.lines();
    QCOMPARE(lines.value(0), QStringLiteral("file: only 1500 of 2100 bytes; the levels past its end read as empty"));
    // Levels 51 to 70 are all pieces at 0.
    QCOMPARE(lines.size(), 1 + 20);
    QCOMPARE(lines.value(1), QStringLiteral("level 51: Ordrane and Belvik share the cell in column 1, row 1."));
}

void TestQlmTool::missingCollectionIsAProblem()
{
    for (const QString& command : {QStringLiteral("list"), QStringLiteral("check")}) {
        const Run result = run({command, file(QStringLiteral("nothing-here.zhn"))});
        QCOMPARE(result.status, 1);
        QVERIFY(result.out.isEmpty());
        QVERIFY2(result.err.contains(QStringLiteral("cannot read the level collection")), qPrintable(result.err));
        QVERIFY(result.err.contains(QStringLiteral("nothing-here.zhn")));
    }
    const Run solve = run({QStringLiteral("solve"), QStringLiteral("--level"), QStringLiteral("1"),
                           file(QStringLiteral("nothing-here.zhn"))});
    QCOMPARE(solve.status, 1);
}

void TestQlmTool::defaultCollectionIsFoundWithoutCase()
{
    // A program folder of its own: the tool and a collection spelled in lower case.
    QTemporaryDir folder;
    const QString tool = QDir(folder.path()).filePath(QStringLiteral("qlmtool"));
    QVERIFY(QFile::copy(toolPath(), tool));
    QVERIFY(writeLevelFile(QDir(folder.path()).filePath(QStringLiteral("qlm.zhn")), test::sampleLevels()).ok());
    const Run result = run({QStringLiteral("list"), QStringLiteral("--json")}, tool);
    QCOMPARE(result.status, 0);
    const QJsonArray rows = result.json().array();
    QCOMPARE(rows.size(), kLevelCount);
    QCOMPARE(rows[69].toObject()[QStringLiteral("name")].toString(), QStringLiteral("Level 70  "));

    // A FILE argument is found without regard to case too.
    const Run named = run({QStringLiteral("check"), QDir(folder.path()).filePath(QStringLiteral("QLM.ZHN"))}, tool);
    QCOMPARE(named.status, 0);
}

void TestQlmTool::solveLevelReplaysToTheGoal()
{
    const LevelTable levels = shippedLevels();
    for (int level : {1, 2, 35, 70}) {
        const Run result = run({QStringLiteral("solve"), QStringLiteral("--level"), QString::number(level)});
        QCOMPARE(result.status, 0);
        const int steps = slideSolver().solve(levels[level - 1].positions).steps();
        replayText(levels[level - 1].positions, result.lines(), steps);
    }
}

void TestQlmTool::solveJsonMatchesText()
{
    const Run text = run({QStringLiteral("solve"), QStringLiteral("--level"), QStringLiteral("20")});
    const Run json = run({QStringLiteral("solve"), QStringLiteral("--json"), QStringLiteral("--level=20")});
    QCOMPARE(json.status, 0);
    const QJsonObject object = json.json().object();
    const QJsonArray moves = object[QStringLiteral("moves")].toArray();
    QCOMPARE(object[QStringLiteral("steps")].toInt(), moves.size());
    QCOMPARE(text.lines().size(), moves.size() + 1);
    for (int i = 0; i < moves.size(); ++i) {
        const QJsonObject move = moves[i].toObject();
        QCOMPARE(text.lines()[i], QStringLiteral("piece %1: %2 -> %3")
                                      .arg(move[QStringLiteral("piece")].toInt())
                                      .arg(move[QStringLiteral("from")].toInt())
                                      .arg(move[QStringLiteral("to")].toInt()));
    }
}

void TestQlmTool::solvePositionsOfTheClassicStart()
{
    const Run result = run({QStringLiteral("solve"), QStringLiteral("--positions"), positionsArgument(test::classicStart())});
    QCOMPARE(result.status, 0);
    replayText(test::classicStart(), result.lines(), 90);
}

void TestQlmTool::solveSavedGame()
{
    // A game saved ten steps into the classic start's solution needs 80 more.
    const Solution solution = slideSolver().solve(test::classicStart());
    Board board;
    board.SetPiecePositions(test::classicStart());
    board.PlacePieces();
    for (int i = 0; i < 10; ++i) {
        const SolutionMove& move = solution.moves[i];
        board.UnmarkPiece(move.piece, columnOf(move.from), rowOf(move.from));
        board.MarkPiece(move.piece, columnOf(move.to), rowOf(move.to));
    }
    SavedGame game;
    game.steps = 10;
    game.level = 3;
    game.positions = board.PiecePositions();
    QVERIFY(writeSavedGame(file(QStringLiteral("Halfway.sav")), game).ok());
    const Run result = run({QStringLiteral("solve"), file(QStringLiteral("halfway.SAV"))});
    QCOMPARE(result.status, 0);
    replayText(game.positions, result.lines(), 80);

    test::writeAllBytes(file(QStringLiteral("short.sav")), QByteArray(20, '\0'));
    const Run shortFile = run({QStringLiteral("solve"), file(QStringLiteral("short.sav"))});
    QCOMPARE(shortFile.status, 1);
    QVERIFY2(shortFile.err.contains(QStringLiteral("cannot load the saved game")), qPrintable(shortFile.err));
    QVERIFY(shortFile.out.isEmpty());
}

void TestQlmTool::solveRefusesWhatCannotBeSolved()
{
    Positions overlapping = test::classicStart();
    overlapping[9] = 40;  // onto the single at row 4, column 0
    Run result = run({QStringLiteral("solve"), QStringLiteral("--positions"), positionsArgument(overlapping)});
    QCOMPARE(result.status, 1);
    QCOMPARE(result.err.trimmed(),
             QStringLiteral("qlmtool: the position cannot be solved: Soldier C and Soldier D share the cell in column 1, row 5."));
    QVERIFY(result.out.isEmpty());

    Positions misplaced = test::classicStart();
    misplaced[2] = -7;
    result = run({QStringLiteral("solve"), QStringLiteral("--positions"), positionsArgument(misplaced)});
    QCOMPARE(result.status, 1);
    QVERIFY(result.err.contains(QStringLiteral("Tessamor has no place on the board at position value -7.")));

    Positions unsolvable{};
    QVERIFY(writeLevelFile(file(QStringLiteral("broken.zhn")), brokenLevels(unsolvable)).ok());
    result = run({QStringLiteral("solve"), QStringLiteral("--level"), QStringLiteral("3"), file(QStringLiteral("broken.zhn"))});
    QCOMPARE(result.status, 1);
    QCOMPARE(result.err.trimmed(),
             QStringLiteral("qlmtool: level 3 is unsolvable: no series of slides brings Ordrane to the bottom middle."));
    result = run({QStringLiteral("solve"), QStringLiteral("--json"), QStringLiteral("--positions"), positionsArgument(unsolvable)});
    QCOMPARE(result.status, 1);
    QVERIFY(result.out.isEmpty());
}

void TestQlmTool::solvedPositionNeedsNoSteps()
{
    const Positions solved = {31, 21, 0, 3, 20, 23, 11, 12, 40, 43};
    const Run result = run({QStringLiteral("solve"), QStringLiteral("--positions"), positionsArgument(solved)});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.lines(), QStringList{QStringLiteral("0 steps")});
    const Run json = run({QStringLiteral("solve"), QStringLiteral("--json"), QStringLiteral("--positions"), positionsArgument(solved)});
    QCOMPARE(json.json().object()[QStringLiteral("steps")].toInt(), 0);
    QVERIFY(json.json().object()[QStringLiteral("moves")].toArray().isEmpty());
}

void TestQlmTool::statsGivesTheWholeSpaceFigures()
{
    const Run text = run({QStringLiteral("stats")});
    QCOMPARE(text.status, 0);
    QVERIFY(text.out.contains(QRegularExpression(QStringLiteral("Positions \\(same-shaped pieces alike\\): +65880\n"))));
    QVERIFY(text.out.contains(QRegularExpression(QStringLiteral("Farthest solvable position: +101 steps"))));
    QVERIFY(text.out.contains(QRegularExpression(QStringLiteral("Classic start: +90 steps, in a group of 25955 positions"))));

    const Run json = run({QStringLiteral("stats"), QStringLiteral("--json")});
    QCOMPARE(json.status, 0);
    const QJsonObject object = json.json().object();
    QCOMPARE(object[QStringLiteral("positions")].toInt(), 65880);
    QCOMPARE(object[QStringLiteral("maxSteps")].toInt(), 101);
    const QJsonObject classic = object[QStringLiteral("classicStart")].toObject();
    QCOMPARE(classic[QStringLiteral("steps")].toInt(), 90);
    QCOMPARE(classic[QStringLiteral("groupSize")].toInt(), 25955);
    const QJsonArray bySteps = object[QStringLiteral("positionsBySteps")].toArray();
    QCOMPARE(bySteps.size(), 102);
    int solvable = 0;
    for (const QJsonValue& count : bySteps) {
        QVERIFY(count.toInt() > 0);
        solvable += count.toInt();
    }
    QCOMPARE(solvable, object[QStringLiteral("solvable")].toInt());
    QCOMPARE(bySteps[0].toInt(), object[QStringLiteral("solved")].toInt());
    QCOMPARE(object[QStringLiteral("solvable")].toInt() + object[QStringLiteral("unsolvable")].toInt(), 65880);
    QVERIFY(object[QStringLiteral("solvableGroups")].toInt() < object[QStringLiteral("groups")].toInt());
}

void TestQlmTool::generateWritesTheShippedCollection()
{
    const QString first = file(QStringLiteral("first.zhn"));
    const QString second = file(QStringLiteral("second.zhn"));
    // Over a longer file: afterwards exactly the collection, nothing kept.
    test::writeAllBytes(second, QByteArray(3000, 'x'));
    const Run a = run({QStringLiteral("generate"), first});
    const Run b = run({QStringLiteral("generate"), second});
    QCOMPARE(a.status, 0);
    QCOMPARE(b.status, 0);
    QVERIFY(a.out.contains(QStringLiteral("Wrote 70 levels")));
    QCOMPARE(test::readAllBytes(first).size(), kLevelFileSize);
    QCOMPARE(test::readAllBytes(first), test::readAllBytes(second));
    const QString source = test::sourceFolder();
    QCOMPARE(test::readAllBytes(first), test::readAllBytes(QDir(source).filePath(QStringLiteral("data/QLM.ZHN"))));
    QCOMPARE(run({QStringLiteral("check"), first}).status, 0);
}

void TestQlmTool::generateReportsAnUnwritableTarget()
{
    const Run result = run({QStringLiteral("generate"), file(QStringLiteral("no/such/folder/QLM.ZHN"))});
    QCOMPARE(result.status, 1);
    QVERIFY2(result.err.contains(QStringLiteral("cannot write")), qPrintable(result.err));
    QVERIFY(!QFileInfo::exists(file(QStringLiteral("no/such/folder/QLM.ZHN"))));
}

void TestQlmTool::dealPrintsALevelOfTheStepsAsked()
{
    static const QRegularExpression head(QStringLiteral("^Level code:   (\\S+)\nFewest steps: (\\d+)\n"
                                                        "Positions:    ([-\\d,]+)\n\n"));
    for (int steps : {1, 101}) {
        const Run text = run({QStringLiteral("deal"), QString::number(steps)});
        QCOMPARE(text.status, 0);
        const QRegularExpressionMatch match = head.match(text.out);
        QVERIFY2(match.hasMatch(), qPrintable(text.out));
        const std::optional<Positions> start = readLevelCode(match.captured(1)).start;
        QVERIFY(start);
        QCOMPARE(match.captured(3), positionsArgument(*start));
        QCOMPARE(slideSolver().solve(*start).steps(), steps);
        QCOMPARE(text.lines().size(), 3 + kRows);
    }
    const QJsonObject json = run({QStringLiteral("deal"), QStringLiteral("--json"), QStringLiteral("57")}).json().object();
    const std::optional<Positions> start = readLevelCode(json[QStringLiteral("code")].toString()).start;
    QVERIFY(start);
    QCOMPARE(slideSolver().solve(*start).steps(), 57);
    QCOMPARE(json[QStringLiteral("positions")].toArray().first().toInt(), int(start->front()));
}

void TestQlmTool::codeShowsItsLevelOrWhyNot()
{
    const Run text = run({QStringLiteral("code"), QStringLiteral("ggxt"), QStringLiteral("4an")});
    QCOMPARE(text.status, 0);
    QCOMPARE(text.lines(), (QStringList{QStringLiteral("Level code:   GGXT-4AN"), QStringLiteral("Fewest steps: 90"),
                                        QStringLiteral("Positions:    1,21,0,3,20,23,31,32,40,43"),
                                        QStringLiteral("  2 0 0 3"), QStringLiteral("  2 0 0 3"),
                                        QStringLiteral("  4 1 1 5"), QStringLiteral("  4 6 7 5"),
                                        QStringLiteral("  8 . . 9")}));
    const QJsonObject json = run({QStringLiteral("code"), QStringLiteral("--json"), QStringLiteral("GGXT-4AN")}).json().object();
    QCOMPARE(json[QStringLiteral("code")].toString(), QStringLiteral("GGXT-4AN"));
    QCOMPARE(json[QStringLiteral("steps")].toInt(), 90);
    QCOMPARE(json[QStringLiteral("board")].toArray().first().toString(), QStringLiteral("2003"));
    for (const QStringList& dashed : {QStringList{QStringLiteral("code"), QStringLiteral("-GGXT-4AN")},
                                      QStringList{QStringLiteral("code"), QStringLiteral("--"), QStringLiteral("-ggxt4an")}})
        QCOMPARE(run(dashed).lines().value(0), QStringLiteral("Level code:   GGXT-4AN"));

    // A code refused, with the reason its reading gives.
    const QString mistyped = QStringLiteral("GGXT-4AM");
    for (const QStringList& args : {QStringList{QStringLiteral("code"), mistyped},
                                    QStringList{QStringLiteral("code"), QStringLiteral("--json"), mistyped}}) {
        const Run result = run(args);
        QCOMPARE(result.status, 1);
        QVERIFY(result.out.isEmpty());
        QCOMPARE(result.err.trimmed(), QStringLiteral("qlmtool: ") + readLevelCode(mistyped).problem);
    }
}

QTEST_GUILESS_MAIN(TestQlmTool)
#include "test_qlmtool.moc"
