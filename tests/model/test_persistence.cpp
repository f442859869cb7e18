#include "model/levelcode.h"
#include "model/savedgame.h"
#include "model/datafolders.h"
#include "model/settings.h"
#include "model/solver.h"
#include "tests/support/fixtures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace quill::test;

class TestPersistence : public QObject {
    Q_OBJECT

private slots:
    void settingsFieldIsParsed_data();
    void settingsFieldIsParsed();
    void settingsAreWrittenAsNameAndCrLf();
    void startSettlesOnASkinThatExists_data();
    void startSettlesOnASkinThatExists();
    void crossSavedGameIsTheDocumentedBytes();
    void savedGameRoundTripsThroughTheFile();
    void savedGameWriteKeepsBytesAfterTheRecord();
    void badSavedGamesAreRefusedWithAReason_data();
    void badSavedGamesAreRefusedWithAReason();
    void missingSavedGameIsRefused();
    void randomGameRoundTripsThroughTheFile();
    void collectionGameNamedLikeACodeStaysACollectionGame();
    void gameNamesAreCheckedCharacterByCharacter_data();
    void gameNamesAreCheckedCharacterByCharacter();
};

void TestPersistence::settingsFieldIsParsed_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << QByteArray("default.bmp\r\n") << "default.bmp";
    QTest::newRow("no line end") << QByteArray("wood.jpg") << "wood.jpg";
    QTest::newRow("leading blanks") << QByteArray("  \twood.jpg\r\n") << "wood.jpg";
    QTest::newRow("trailing blanks") << QByteArray("wood.jpg   \r\n") << "wood.jpg";
    QTest::newRow("comma") << QByteArray("my,skin.bmp\r\n") << "my";
    QTest::newRow("blanks, then a comma") << QByteArray("  my,skin.bmp\r\n") << "my";
    QTest::newRow("comma first") << QByteArray(",skin.bmp\r\n") << "";
    QTest::newRow("quoted") << QByteArray("\"my,skin.bmp\"\r\n") << "my,skin.bmp";
    QTest::newRow("quoted keeps blanks") << QByteArray("  \" a b \" rest\r\n") << " a b ";
    QTest::newRow("unclosed quote") << QByteArray("\"open.bmp\r\nnext") << "open.bmp";
    QTest::newRow("second line ignored") << QByteArray("one.bmp\r\ntwo.bmp\r\n") << "one.bmp";
    QTest::newRow("lf only") << QByteArray("one.bmp\ntwo.bmp") << "one.bmp";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("blank line") << QByteArray("   \r\nx.bmp") << "";
    QTest::newRow("empty first line") << QByteArray("\nx.bmp") << "";
    QTest::newRow("empty first line, crlf") << QByteArray("\r\nx.bmp") << "";
    QTest::newRow("code page") << QByteArray("caf\xe9.bmp") << QString::fromUtf8("café.bmp");
}

void TestPersistence::settingsFieldIsParsed()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, value);
    QCOMPARE(parseSettingsValue(content), value);
}

void TestPersistence::settingsAreWrittenAsNameAndCrLf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("qlm.ini");
    writeAllBytes(path, "old.bmp\r\nsecond line\r\n");
    QVERIFY(writeSettingsFile(path, "new skin.gif").ok());
    QCOMPARE(readAllBytes(path), QByteArray("new skin.gif\r\n"));
    QString value;
    QVERIFY(readSettingsFile(path, value).ok());
    QCOMPARE(value, QStringLiteral("new skin.gif"));
}

static SavedGame crossGame()
{
    SavedGame game;
    game.steps = 12;
    game.level = 4;
    game.name = QStringLiteral("Cross     ");
    game.positions = {1, 21, 0, 3, 20, 23, 31, 32, 40, 43};
    return game;
}

void TestPersistence::startSettlesOnASkinThatExists_data()
{
    QTest::addColumn<QByteArray>("ini");  // "folder": a folder of that name; null: none
    QTest::addColumn<QString>("skin");
    QTest::addColumn<bool>("rewritten");
    QTest::newRow("skin that exists") << QByteArray("wood.jpg\r\n") << "wood.jpg" << false;
    QTest::newRow("missing skin") << QByteArray("gone.bmp\r\n") << "default.bmp" << true;
    QTest::newRow("no file") << QByteArray() << "default.bmp" << true;
    QTest::newRow("a folder") << QByteArray("folder") << "default.bmp" << false;
}

void TestPersistence::startSettlesOnASkinThatExists()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, skin);
    QFETCH(bool, rewritten);
    QTemporaryDir program;
    QVERIFY(QDir(program.path()).mkdir("skins"));
    writeAllBytes(program.filePath("skins/wood.jpg"), "picture");
    writeAllBytes(program.filePath("skins/default.bmp"), "picture");
    const QString path = program.filePath(kSettingsFileName);
    if (ini == "folder")
        QVERIFY(QDir(program.path()).mkdir(kSettingsFileName));
    else if (!ini.isNull())
        writeAllBytes(path, ini);
    QCOMPARE(settleSkinSetting(DataFolders(program.path(), program.filePath("player"), true)), skin);
    if (rewritten)
        QCOMPARE(readAllBytes(path), QByteArray("default.bmp\r\n"));
    else if (ini != "folder")
        QCOMPARE(readAllBytes(path), ini);
    QString read = QStringLiteral("stale");
    QCOMPARE(readSettingsFile(program.filePath("missing.ini"), read).ok(), false);
    QVERIFY(read.isEmpty());
}

void TestPersistence::crossSavedGameIsTheDocumentedBytes()
{
    const QByteArray expected = QByteArray::fromHex(
        "0C000000" "0400" "43726F73732020202020"
        "0100150000000300140017001F00200028002B00");
    QCOMPARE(expected.size(), 36);
    QCOMPARE(encodeSavedGame(crossGame()), expected);
    QCOMPARE(decodeSavedGame(expected), crossGame());
}

void TestPersistence::savedGameRoundTripsThroughTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("game.sav");
    SavedGame game = crossGame();
    game.steps = 0x12345678;
    game.name = QString::fromUtf8("Ünïcødé € ");
    game.level = 0;
    QVERIFY(writeSavedGame(path, game).ok());
    QCOMPARE(readAllBytes(path).size(), 36);
    SavedGame loaded;
    QString problem;
    QVERIFY2(loadSavedGame(path, loaded, problem), qPrintable(problem));
    QCOMPARE(loaded, game);
}

void TestPersistence::savedGameWriteKeepsBytesAfterTheRecord()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("game.sav");
    writeAllBytes(path, QByteArray(50, 'x'));
    QVERIFY(writeSavedGame(path, crossGame()).ok());
    const QByteArray bytes = readAllBytes(path);
    QCOMPARE(bytes.size(), 50);
    QCOMPARE(bytes.left(36), encodeSavedGame(crossGame()));
    QCOMPARE(bytes.mid(36), QByteArray(14, 'x'));
}

void TestPersistence::badSavedGamesAreRefusedWithAReason_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reasonPart");
    const QByteArray good = encodeSavedGame(crossGame());
    QTest::newRow("empty") << QByteArray() << "0 bytes";
    QTest::newRow("short") << good.left(35) << "35 bytes";
    SavedGame g = crossGame();
    g.level = 70;
    QTest::newRow("level 70") << encodeSavedGame(g) << "level number 71";
    g.level = -1;
    QTest::newRow("level -1") << encodeSavedGame(g) << "level number 0";
    g = crossGame();
    g.positions[0] = 3;
    QTest::newRow("square in column 3") << encodeSavedGame(g) << "Ordrane has no place";
    g = crossGame();
    g.positions[7] = -5;
    QTest::newRow("negative") << encodeSavedGame(g) << "position value -5";
    g = crossGame();
    g.level = kRandomLevelMarker;
    QTest::newRow("random level named Cross") << encodeSavedGame(g) << "random level, but its name \"Cross\"";
    g.name = fitLevelName(levelCode({31, 21, 0, 3, 20, 23, 11, 12, 40, 43}));
    QTest::newRow("random level already solved") << encodeSavedGame(g) << "is not the code of a level";
    g.name = fitLevelName(QStringLiteral("GGXT-4AN"));
    g.positions = {0, 2, 12, 13, 20, 32, 31, 40, 41, 43};  // a board no slide from the classic start reaches
    QTest::newRow("random board off its start") << encodeSavedGame(g) << "cannot be reached from";
}

void TestPersistence::badSavedGamesAreRefusedWithAReason()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reasonPart);
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.sav");
    writeAllBytes(path, bytes);
    SavedGame game = crossGame();
    QString problem;
    QVERIFY(!loadSavedGame(path, game, problem));
    QVERIFY2(problem.contains(reasonPart), qPrintable(problem));
    QCOMPARE(game, crossGame());
}

void TestPersistence::missingSavedGameIsRefused()
{
    QTemporaryDir dir;
    SavedGame game;
    QString problem;
    QVERIFY(!loadSavedGame(dir.filePath("gone.sav"), game, problem));
    QVERIFY2(problem.contains("No such file or directory"), qPrintable(problem));
}

void TestPersistence::randomGameRoundTripsThroughTheFile()
{
    // The classic start dealt as a random level, saved after its first slide.
    const Positions start = test::classicStart();
    const SolutionMove first = slideSolver().solve(start).moves.front();
    Positions current = start;
    current[first.piece] = first.to;
    const SavedGame game = randomSavedGame(start, 1, current);

    QTemporaryDir dir;
    const QString path = dir.filePath("random.sav");
    QVERIFY(writeSavedGame(path, game).ok());
    const QByteArray bytes = readAllBytes(path);
    QCOMPARE(bytes.size(), 36);
    QCOMPARE(bytes.mid(4, 12), QByteArray("\xFF\x7FGGXT-4AN  "));
    SavedGame loaded;
    QString problem;
    QVERIFY2(loadSavedGame(path, loaded, problem), qPrintable(problem));
    QCOMPARE(loaded, game);
    QVERIFY(loaded.isRandom());
    QCOMPARE(loaded.steps, 1);
    QCOMPARE(loaded.positions, current);
    QCOMPARE(dealtStartOf(loaded), std::optional<Positions>(start));
}

void TestPersistence::collectionGameNamedLikeACodeStaysACollectionGame()
{
    SavedGame game = crossGame();
    game.name = QStringLiteral("GGXT-4AN  ");
    QTemporaryDir dir;
    const QString path = dir.filePath("level5.sav");
    QVERIFY(writeSavedGame(path, game).ok());
    SavedGame loaded;
    QString problem;
    QVERIFY2(loadSavedGame(path, loaded, problem), qPrintable(problem));
    QCOMPARE(loaded, game);
    QVERIFY(!loaded.isRandom());
    QVERIFY(!dealtStartOf(loaded));
}

void TestPersistence::gameNamesAreCheckedCharacterByCharacter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("legal");
    QTest::newRow("letters digits spaces hyphens") << "My game - 2 of 3" << true;
    QTest::newRow("slash angle pipe") << "a/b<c>d|e" << true;
    QTest::newRow("accented") << QString::fromUtf8("Éclair à") << true;
    QTest::newRow("euro") << QString::fromUtf8("€uro") << true;
    QTest::newRow("full stop") << "a.b" << false;
    QTest::newRow("colon") << "a:b" << false;
    QTest::newRow("question mark") << "a?" << false;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("asterisk") << "a*" << false;
    QTest::newRow("double quote") << "a\"b" << false;
    QTest::newRow("tab") << "a\tb" << false;
    QTest::newRow("control") << QString(QChar(0x01)) << false;
    QTest::newRow("y diaeresis 255") << QString(QChar(0xFF)) << false;
    QTest::newRow("outside the code page") << QString(QChar(0x4E2D)) << false;
    // U+0080 is a control character, not the euro sign that byte 0x80 holds.
    QTest::newRow("C1 control U+0080") << QStringLiteral("a") + QChar(0x80) << false;
}

void TestPersistence::gameNamesAreCheckedCharacterByCharacter()
{
    QFETCH(QString, name);
    QFETCH(bool, legal);
    QCOMPARE(NameIsLegal(name), legal);
}

QTEST_GUILESS_MAIN(TestPersistence)
#include "test_persistence.moc"
