#include "game/frmFile.h"
#include "game/frmLevel.h"
#include "game/frmMain.h"
#include "model/savedgame.h"
#include "tests/game/gamedriver.h"
#include "tests/game/gamefixture.h"
#include "tests/support/fixtures.h"
#include "tests/support/scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <limits>
#include <unistd.h>

using namespace quill;
using namespace quill::test;
using Icon = UserDialogs::Icon;
using Buttons = UserDialogs::Buttons;
using Answer = UserDialogs::Answer;

namespace {

// Level index 4 named Cross, at the classic start, after 12 steps.
QByteArray crossBytes()
{
    return QByteArray::fromHex("0C000000"
                               "0400"
                               "43726F73732020202020"
                               "0100150000000300140017001F00200028002B00");
}

const QString kPrompt = QStringLiteral("What is the name of the game?");
const QString kInputTitle = QStringLiteral("Quillmere - Saving Game");

void expectMessage(const ScriptedDialogs::Message& m, const QString& title, const QString& text,
                   Icon icon, Buttons buttons)
{
    QCOMPARE(m.title, title);
    QCOMPARE(m.text, text);
    QCOMPARE(m.icon, icon);
    QCOMPARE(m.buttons, buttons);
}

void expectGiveUpQuestion(const ScriptedDialogs::Message& m)
{
    expectMessage(m, QStringLiteral("Quillmere - Saving"),
                  QStringLiteral("Are you sure you want to proceed without saving?"), Icon::Question,
                  Buttons::YesNo);
}

void expectInputBox(const ScriptedDialogs::Input& asked, const QString& defaultText)
{
    QCOMPARE(asked.prompt, kPrompt);
    QCOMPARE(asked.title, kInputTitle);
    QCOMPARE(asked.defaultText, defaultText);
}

// A started game whose save loop cannot run away: a Yes/No question beyond
// the script is answered Yes, which ends the input-box loop, so a wrong
// loop fails the test instead of asking forever.
struct SavingGame : StartedGame {
    explicit SavingGame(const LevelTable& levels = sampleLevels()) : StartedGame(levels)
    {
        dialogs.onMessage = [this](const ScriptedDialogs::Message& m) {
            if (dialogs.answers.isEmpty() && m.buttons == Buttons::YesNo)
                dialogs.answers.enqueue(Answer::Yes);
        };
    }
};

QStringList savedFiles(const StartedGame& game)
{
    return QDir(game.folder.file("saved")).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                                                     QDir::Name);
}

// A level started through New Game with one move made, so that there is
// something to save.
void startChangedGame(StartedGame& game, int level)
{
    game.newGame(level);
    game.dragCells(8, {{0, 4}, {1, 4}});
    QVERIFY(game.window->gameChanged());
}

// Runs Load Game, answering its chooser with the file `name`.
bool loadThroughChooser(StartedGame& game, const QString& name)
{
    return runWithModal<frmFile>([&] { game.window->mnuLoadGame->trigger(); },
                                 [name](frmFile* chooser) { chooseFile(chooser, name); });
}

}  // namespace

class TestSavedGames : public QObject {
    Q_OBJECT

private slots:
    // Naming the game
    void savingAsksForTheNameAndWritesTheFile();
    void nameOf32IsAcceptedAnd33IsRefused();
    void refusedCharacter_data();
    void refusedCharacter();
    void acceptedName_data();
    void acceptedName();
    void overwriteNoAsksAgainWithTheName();
    void overwriteYesRewritesTheFileKeepingItsTail();
    void savingReplacesTheSpellingTypedNotAnother();
    void cancelThenNoAsksAgainEmpty();
    void cancelThenYesSavesNothing();

    // The file
    void crossExampleIsWrittenByteForByte();
    void saveFailure_data();
    void saveFailure();

    // Load Game
    void unchangedGameOpensTheChooserAtOnce();
    void loadQuestionCancelKeepsTheGame();
    void loadQuestionNoThenNothingChosen();
    void loadQuestionYesSavesBeforeTheChooser();
    void saveThenLoadRestoresTheGame();
    void loadedNameShowsInStatusAndNewGameList();
    void anyStoredStepCountLoadsAndNeverOverflows();
    void loadAfterAWinHidesTheBanner();
    void badSavedFileIsRefused_data();
    void badSavedFileIsRefused();
    void removedSavedFolderGivesAnEmptyChooser();
};

void TestSavedGames::savingAsksForTheNameAndWritesTheFile()
{
    SavingGame game;
    startChangedGame(game, 7);
    game.dialogs.inputs << QStringLiteral("First Try");
    game.window->mnuSaveGame->trigger();
    QCOMPARE(game.dialogs.inputsAsked.size(), 1);
    expectInputBox(game.dialogs.inputsAsked.first(), QString());
    QVERIFY(game.dialogs.messages.isEmpty());
    QCOMPARE(savedFiles(game), QStringList{QStringLiteral("First Try.sav")});
    QCOMPARE(readAllBytes(game.folder.file("saved/First Try.sav")).size(), 36);
    QVERIFY(!game.window->gameChanged());
    QVERIFY(game.window->mnuSaveGame->isEnabled());
}

void TestSavedGames::nameOf32IsAcceptedAnd33IsRefused()
{
    const QString name33 = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456");
    const QString name32 = name33.left(32);
    QCOMPARE(name33.size(), 33);
    SavingGame game;
    startChangedGame(game, 0);
    game.dialogs.inputs << name33 << name32;
    game.window->mnuSaveGame->trigger();
    QCOMPARE(game.dialogs.messages.size(), 1);
    expectMessage(game.dialogs.messages.first(), QStringLiteral("Quillmere - Saving"),
                  QStringLiteral("Name too long.\nPlease limit the name to 32 characters."),
                  Icon::Exclamation, Buttons::Ok);
    QCOMPARE(game.dialogs.inputsAsked.size(), 2);
    expectInputBox(game.dialogs.inputsAsked[0], QString());
    expectInputBox(game.dialogs.inputsAsked[1], name33);
    QCOMPARE(savedFiles(game), QStringList{name32 + QStringLiteral(".sav")});
    QVERIFY(!game.window->gameChanged());
}

void TestSavedGames::refusedCharacter_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("full stop") << QStringLiteral("my.game");
    QTest::newRow("colon") << QStringLiteral("a:b");
    QTest::newRow("question mark") << QStringLiteral("why?");
    QTest::newRow("backslash") << QStringLiteral("a\\b");
    QTest::newRow("asterisk") << QStringLiteral("star*");
    QTest::newRow("double quote") << QStringLiteral("say \"hi\"");
    QTest::newRow("tab") << QStringLiteral("tab\there");
    QTest::newRow("control character 1") << QStringLiteral("a") + QChar(1);
    QTest::newRow("code 255") << QStringLiteral("y\u00FF");
    QTest::newRow("not in the code page") << QStringLiteral("x\u0100y");
    QTest::newRow("CJK") << QStringLiteral("\u4E2D");
}

void TestSavedGames::refusedCharacter()
{
    QFETCH(QString, name);
    SavingGame game;
    startChangedGame(game, 1);
    game.dialogs.inputs << name << QString();
    game.dialogs.answers << Answer::Ok << Answer::Yes;
    game.window->mnuSaveGame->trigger();
    QCOMPARE(game.dialogs.messages.size(), 2);
    expectMessage(game.dialogs.messages[0], QStringLiteral("Quillmere - Saving"),
                  QStringLiteral("Illegal characters found in the name."), Icon::Exclamation, Buttons::Ok);
    expectGiveUpQuestion(game.dialogs.messages[1]);
    QCOMPARE(game.dialogs.inputsAsked.size(), 2);
    expectInputBox(game.dialogs.inputsAsked[1], name);
    QVERIFY(savedFiles(game).isEmpty());
    QVERIFY(game.window->gameChanged());
}

void TestSavedGames::acceptedName_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("letters, digits, spaces, hyphens") << QStringLiteral("My game 2-b");
    QTest::newRow("spaces kept as typed") << QStringLiteral(" Spaced ");
    QTest::newRow("angle brackets and bar") << QStringLiteral("a<b>c|d");
    QTest::newRow("euro sign") << QStringLiteral("cost \u20AC5");
    QTest::newRow("accented") << QStringLiteral("\u00E9t\u00E9");
}

void TestSavedGames::acceptedName()
{
    QFETCH(QString, name);
    SavingGame game;
    startChangedGame(game, 1);
    game.dialogs.inputs << name;
    game.window->mnuSaveGame->trigger();
    QVERIFY(game.dialogs.messages.isEmpty());
    QCOMPARE(savedFiles(game), QStringList{name + QStringLiteral(".sav")});
    QVERIFY(!game.window->gameChanged());
}

void TestSavedGames::overwriteNoAsksAgainWithTheName()
{
    SavingGame game;
    const QByteArray old(36, '\x11');
    writeAllBytes(game.folder.file("saved/Existing.SAV"), old);
    startChangedGame(game, 2);
    game.dialogs.inputs << QStringLiteral("existing") << QString();
    game.dialogs.answers << Answer::No << Answer::Yes;
    game.window->mnuSaveGame->trigger();
    QCOMPARE(game.dialogs.messages.size(), 2);
    expectMessage(game.dialogs.messages[0], QStringLiteral("Quillmere - Saving"),
                  QStringLiteral("File already exists. Overwrite it?"), Icon::Question, Buttons::YesNo);
    expectGiveUpQuestion(game.dialogs.messages[1]);
    QCOMPARE(game.dialogs.inputsAsked.size(), 2);
    expectInputBox(game.dialogs.inputsAsked[1], QStringLiteral("existing"));
    QCOMPARE(readAllBytes(game.folder.file("saved/Existing.SAV")), old);
    QCOMPARE(savedFiles(game), QStringList{QStringLiteral("Existing.SAV")});
    QVERIFY(game.window->gameChanged());
}

void TestSavedGames::overwriteYesRewritesTheFileKeepingItsTail()
{
    LevelTable levels = sampleLevels();
    levels[4].name = fitLevelName(QStringLiteral("Cross"));
    SavingGame game(levels);
    writeAllBytes(game.folder.file("saved/Existing.SAV"), QByteArray(40, '\xEE'));
    game.newGame(4);
    for (int i = 0; i < 6; ++i) {
        game.dragCells(8, {{0, 4}, {1, 4}});
        game.dragCells(8, {{1, 4}, {0, 4}});
    }
    game.dialogs.inputs << QStringLiteral("EXISTING");
    game.dialogs.answers << Answer::Yes;
    game.window->mnuSaveGame->trigger();
    QCOMPARE(game.dialogs.messages.size(), 1);
    QCOMPARE(game.dialogs.messages.first().text, QStringLiteral("File already exists. Overwrite it?"));
    QCOMPARE(savedFiles(game), QStringList{QStringLiteral("Existing.SAV")});
    QCOMPARE(readAllBytes(game.folder.file("saved/Existing.SAV")), crossBytes() + QByteArray(4, '\xEE'));
    QVERIFY(!game.window->gameChanged());
}

void TestSavedGames::savingReplacesTheSpellingTypedNotAnother()
{
    // "foo" and "Foo" are two games: saving as "foo" replaces foo.sav alone.
    SavingGame game;
    writeAllBytes(game.folder.file("saved/Foo.sav"), crossBytes());
    writeAllBytes(game.folder.file("saved/foo.sav"), crossBytes());
    startChangedGame(game, 7);
    game.dialogs.inputs << QStringLiteral("foo");
    game.dialogs.answers << Answer::Yes;
    game.window->mnuSaveGame->trigger();
    QCOMPARE(game.dialogs.messages.size(), 1);  // the question whether to overwrite
    QCOMPARE(readAllBytes(game.folder.file("saved/Foo.sav")), crossBytes());
    QCOMPARE(readAllBytes(game.folder.file("saved/foo.sav")).mid(4, 2), QByteArray::fromHex("0700"));
}

void TestSavedGames::cancelThenNoAsksAgainEmpty()
{
    SavingGame game;
    startChangedGame(game, 3);
    // Cancel, No, then a name.
    game.dialogs.inputs << QString() << QStringLiteral("after all");
    game.dialogs.answers << Answer::No;
    game.window->mnuSaveGame->trigger();
    QCOMPARE(game.dialogs.messages.size(), 1);
    expectGiveUpQuestion(game.dialogs.messages.first());
    QCOMPARE(game.dialogs.inputsAsked.size(), 2);
    expectInputBox(game.dialogs.inputsAsked[0], QString());
    expectInputBox(game.dialogs.inputsAsked[1], QString());
    QCOMPARE(savedFiles(game), QStringList{QStringLiteral("after all.sav")});
}

void TestSavedGames::cancelThenYesSavesNothing()
{
    SavingGame game;
    startChangedGame(game, 3);
    game.dialogs.inputs << QString() << QString();
    game.dialogs.answers << Answer::No << Answer::Yes;
    game.window->mnuSaveGame->trigger();
    QCOMPARE(game.dialogs.messages.size(), 2);
    expectGiveUpQuestion(game.dialogs.messages[0]);
    expectGiveUpQuestion(game.dialogs.messages[1]);
    QCOMPARE(game.dialogs.inputsAsked.size(), 2);
    QVERIFY(savedFiles(game).isEmpty());
    QVERIFY(game.window->gameChanged());
    QVERIFY(game.window->mnuSaveGame->isEnabled());

    // Declining on an unchanged game leaves it unchanged as well.
    game.dialogs.answers << Answer::No;
    game.newGame(3);
    game.dialogs.inputs << QString();
    game.dialogs.answers << Answer::Yes;
    game.window->mnuSaveGame->trigger();
    QVERIFY(!game.window->gameChanged());
    QVERIFY(savedFiles(game).isEmpty());
}

void TestSavedGames::crossExampleIsWrittenByteForByte()
{
    LevelTable levels = sampleLevels();
    levels[4].name = fitLevelName(QStringLiteral("Cross"));
    SavingGame game(levels);
    game.newGame(4);
    QCOMPARE(game.window->session().board().PiecePositions(), (Positions{1, 21, 0, 3, 20, 23, 31, 32, 40, 43}));
    // Twelve steps that end where they started.
    for (int i = 0; i < 6; ++i) {
        game.dragCells(8, {{0, 4}, {1, 4}});
        game.dragCells(8, {{1, 4}, {0, 4}});
    }
    QCOMPARE(game.window->steps(), 12);
    game.dialogs.inputs << QStringLiteral("cross");
    game.window->mnuSaveGame->trigger();
    QVERIFY(game.dialogs.messages.isEmpty());
    QCOMPARE(readAllBytes(game.folder.file("saved/cross.sav")), crossBytes());
    QCOMPARE(crossBytes().size(), 36);
}

void TestSavedGames::saveFailure_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removeSavedFolder");
    QTest::newRow("saved folder removed while running") << QStringLiteral("lost") << true;
    QTest::newRow("slash names a missing folder") << QStringLiteral("sub/game") << false;
}

void TestSavedGames::saveFailure()
{
    QFETCH(QString, name);
    QFETCH(bool, removeSavedFolder);
    SavingGame game;
    startChangedGame(game, 6);
    if (removeSavedFolder)
        QVERIFY(QDir(game.folder.file("saved")).removeRecursively());
    const QString before = gameState(*game.window);
    game.dialogs.inputs << name;
    game.window->mnuSaveGame->trigger();
    QCOMPARE(game.dialogs.messages.size(), 1);
    expectMessage(game.dialogs.messages.first(), QStringLiteral("Quillmere - Saving Error"),
                  QStringLiteral("An error occurred while attempting saving game data\n")
                      + QDir::toNativeSeparators(game.folder.path() + QStringLiteral("/saved/") + name
                                                 + QStringLiteral(".sav"))
                      + QStringLiteral("\nGame not saved."),
                  Icon::Critical, Buttons::Ok);
    QCOMPARE(game.dialogs.inputsAsked.size(), 1);
    QCOMPARE(gameState(*game.window), before);
    QVERIFY(game.window->gameChanged());
    QCOMPARE(QFileInfo::exists(game.folder.file("saved")), !removeSavedFolder);
    if (!removeSavedFolder)
        QVERIFY(savedFiles(game).isEmpty());
}

void TestSavedGames::unchangedGameOpensTheChooserAtOnce()
{
    SavingGame game;
    game.newGame(2);
    const QString before = gameState(*game.window);
    QVERIFY(showsModal<frmFile>([&] { game.window->mnuLoadGame->trigger(); }));
    QVERIFY(game.dialogs.messages.isEmpty());
    QCOMPARE(gameState(*game.window), before);
}

void TestSavedGames::loadQuestionCancelKeepsTheGame()
{
    SavingGame game;
    startChangedGame(game, 2);
    const QString before = gameState(*game.window);
    game.dialogs.answers << Answer::Cancel;
    QVERIFY(!showsModal<frmFile>([&] { game.window->mnuLoadGame->trigger(); }));
    QCOMPARE(game.dialogs.messages.size(), 1);
    expectMessage(game.dialogs.messages.first(), QStringLiteral("Quillmere - Load game"),
                  QStringLiteral("Would you like to save the current game?"), Icon::Question,
                  Buttons::YesNoCancel);
    QVERIFY(game.dialogs.inputsAsked.isEmpty());
    QCOMPARE(gameState(*game.window), before);
    QVERIFY(game.window->gameChanged());
}

void TestSavedGames::loadQuestionNoThenNothingChosen()
{
    SavingGame game;
    startChangedGame(game, 2);
    QString expected = gameState(*game.window);
    // The question once past, the game counts as unchanged.
    expected.replace(QStringLiteral("changed 1"), QStringLiteral("changed 0"));
    game.dialogs.answers << Answer::No;
    bool changedWhileChoosing = true;
    const bool seen = runWithModal<frmFile>([&] { game.window->mnuLoadGame->trigger(); },
                                            [&](frmFile* chooser) {
                                                changedWhileChoosing = game.window->gameChanged();
                                                QTest::mouseClick(chooser->cmdCancel, Qt::LeftButton);
                                            });
    QVERIFY(seen);
    QVERIFY(!changedWhileChoosing);
    QCOMPARE(game.dialogs.messages.size(), 1);
    QCOMPARE(game.dialogs.messages.first().title, QStringLiteral("Quillmere - Load game"));
    QCOMPARE(gameState(*game.window), expected);

    QVERIFY(game.window->close());
    QCOMPARE(game.dialogs.messages.size(), 1);
    QVERIFY(game.window->ended());
}

void TestSavedGames::loadQuestionYesSavesBeforeTheChooser()
{
    SavingGame game;
    startChangedGame(game, 2);
    game.dialogs.answers << Answer::Yes;
    game.dialogs.inputs << QStringLiteral("kept");
    QStringList listed;
    const bool seen = runWithModal<frmFile>([&] { game.window->mnuLoadGame->trigger(); },
                                            [&](frmFile* chooser) {
                                                for (int i = 0; i < chooser->filList->count(); ++i)
                                                    listed << chooser->filList->item(i)->text();
                                                chooser->close();
                                            });
    QVERIFY(seen);
    QCOMPARE(listed, QStringList{QStringLiteral("kept.sav")});
    QCOMPARE(game.dialogs.messages.size(), 1);
    QCOMPARE(game.dialogs.inputsAsked.size(), 1);
    QVERIFY(!game.window->gameChanged());
}

void TestSavedGames::anyStoredStepCountLoadsAndNeverOverflows()
{
    // The classic start after the largest and the smallest 32-bit counts.
    for (const QByteArray& steps : {QByteArray::fromHex("FFFFFF7F"), QByteArray::fromHex("00000080")}) {
        StartedGame game;
        writeAllBytes(game.folder.file("saved/edge.sav"), steps + crossBytes().mid(4));
        QVERIFY(loadThroughChooser(game, QStringLiteral("edge.sav")));
        frmMain& w = *game.window;
        const int32_t loaded = w.steps();
        game.dragCells(8, {{0, 4}, {1, 4}});
        // The largest count stays where it is; any other goes up by one.
        const int32_t expected = loaded == std::numeric_limits<int32_t>::max() ? loaded : loaded + 1;
        QCOMPARE(w.steps(), expected);
        QCOMPARE(w.picBoard->lblSteps->text(), QStringLiteral("Steps: %1").arg(expected));
        QVERIFY(game.dialogs.messages.isEmpty());
    }
}

void TestSavedGames::saveThenLoadRestoresTheGame()
{
    SavingGame game;
    frmMain& w = *game.window;
    game.newGame(4);
    game.dragCells(6, {{1, 3}, {1, 4}});
    game.dragCells(7, {{2, 3}, {2, 4}});
    game.dragCells(1, {{1, 2}, {1, 3}});
    QCOMPARE(w.steps(), 3);
    game.dialogs.inputs << QStringLiteral("round trip");
    w.mnuSaveGame->trigger();
    QVERIFY(game.dialogs.messages.isEmpty());
    const QString saved = gameState(w);

    game.newGame(11);
    game.dragCells(8, {{0, 4}, {2, 4}});
    QVERIFY(gameState(w) != saved);
    game.dialogs.answers << Answer::No;
    QVERIFY(loadThroughChooser(game, QStringLiteral("round trip.sav")));
    QCOMPARE(gameState(w), saved);
    QCOMPARE(w.levelIndex(), int16_t(4));
    QCOMPARE(w.steps(), 3);
    QVERIFY(!w.gameChanged());
    QVERIFY(w.mnuSaveGame->isEnabled());
    QCOMPARE(w.session().board().PiecePositions(), (Positions{1, 31, 0, 3, 20, 23, 41, 42, 40, 43}));
    QCOMPARE(w.session().board().cell(1, 2), Board::kEmpty);
    QCOMPARE(w.session().board().cell(2, 3), int16_t(1));
    QCOMPARE(w.picBoard->lblStatus->text(), QStringLiteral("Level: 5 - Level 5   "));
    QCOMPARE(w.picBoard->lblSteps->text(), QStringLiteral("Steps: 3"));

    // Play goes on from the loaded count.
    game.dragCells(1, {{1, 3}, {1, 2}});
    QCOMPARE(w.picBoard->lblSteps->text(), QStringLiteral("Steps: 4"));
    QVERIFY(w.gameChanged());
}

void TestSavedGames::loadedNameShowsInStatusAndNewGameList()
{
    SavingGame game;
    SavedGame record;
    record.steps = 7;
    record.level = 4;
    record.name = fitLevelName(QStringLiteral("Old name"));
    record.positions = classicStart();
    writeAllBytes(game.folder.file("saved/renamed.sav"), encodeSavedGame(record));
    QVERIFY(loadThroughChooser(game, QStringLiteral("renamed.sav")));
    QCOMPARE(game.window->picBoard->lblStatus->text(), QStringLiteral("Level: 5 - Old name  "));
    QCOMPARE(game.window->picBoard->lblSteps->text(), QStringLiteral("Steps: 7"));

    QStringList lines;
    QVERIFY(runWithModal<frmLevel>([&] { game.window->mnuNewGame->trigger(); },
                                   [&](frmLevel* chooser) {
                                       for (int i = 0; i < chooser->lisLevel->count(); ++i)
                                           lines << chooser->lisLevel->item(i)->text();
                                       chooser->close();
                                   }));
    QCOMPARE(lines.size(), 70);
    QCOMPARE(lines[4], QStringLiteral("Level 5 - Old name  "));
    QCOMPARE(lines[3], QStringLiteral("Level 4 - Level 4   "));

    // Starting that level again keeps the loaded name.
    game.newGame(4);
    QCOMPARE(game.window->picBoard->lblStatus->text(), QStringLiteral("Level: 5 - Old name  "));
}

void TestSavedGames::loadAfterAWinHidesTheBanner()
{
    LevelTable levels = sampleLevels();
    levels[0].positions = oneSlideFromTheGoal();
    SavingGame game(levels);
    frmMain& w = *game.window;
    game.newGame(3);
    game.dialogs.inputs << QStringLiteral("before win");
    w.mnuSaveGame->trigger();
    game.newGame(0);
    game.dragCells(0, {{1, 2}, {1, 3}});
    QVERIFY(w.picBoard->imgCong->isVisible());
    QVERIFY(!w.mnuSaveGame->isEnabled());
    QVERIFY(loadThroughChooser(game, QStringLiteral("before win.sav")));
    QVERIFY(!w.picBoard->imgCong->isVisible());
    QVERIFY(w.mnuSaveGame->isEnabled());
    for (QLabel* picture : w.picBoard->imgPieces)
        QVERIFY(picture->isVisible());
    QCOMPARE(w.levelIndex(), int16_t(3));
}

void TestSavedGames::badSavedFileIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("reason");
    const QByteArray good = crossBytes();
    QByteArray level70 = good;
    level70[4] = 70;
    QByteArray levelMinus1 = good;
    levelMinus1[4] = '\xFF';
    levelMinus1[5] = '\xFF';
    QByteArray misplaced = good;
    misplaced[16 + 2 * 3] = 40;  // tall piece 3 on the bottom row
    QTest::newRow("short") << good.left(35) << QString()
                           << QStringLiteral("The file holds 35 bytes; a saved game has 36.");
    QTest::newRow("empty") << QByteArray() << QString()
                           << QStringLiteral("The file holds 0 bytes; a saved game has 36.");
    QTest::newRow("level 70") << level70 << QString()
                              << QStringLiteral("The level number 71 is not one of the levels 1 to 70.");
    QTest::newRow("level -1") << levelMinus1 << QString()
                              << QStringLiteral("The level number 0 is not one of the levels 1 to 70.");
    QTest::newRow("misplaced piece") << misplaced << QString()
                                     << QStringLiteral("Kirrow has no place on the board at position value 40.");
    QTest::newRow("gone before it is read")
        << good << QStringLiteral("remove")
        << QStringLiteral("The file cannot be read: No such file or directory (error 2).");
    QTest::newRow("a folder named x.sav")
        << good << QStringLiteral("folder")
        << QStringLiteral("The file cannot be read: Is a directory (error 21).");
    QTest::newRow("unreadable") << good << QStringLiteral("unreadable")
                                << QStringLiteral("The file cannot be read: Permission denied (error 13).");
}

void TestSavedGames::badSavedFileIsRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, damage);
    QFETCH(QString, reason);
    if (damage == QLatin1String("unreadable") && ::geteuid() == 0)
        QSKIP("file permissions do not hold for root");
    SavingGame game;
    const QString path = game.folder.file("saved/x.sav");
    writeAllBytes(path, bytes);
    if (damage == QLatin1String("unreadable"))
        QVERIFY(QFile::setPermissions(path, {}));
    startChangedGame(game, 2);
    QString expected = gameState(*game.window);
    expected.replace(QStringLiteral("changed 1"), QStringLiteral("changed 0"));
    game.dialogs.answers << Answer::No;
    const bool seen = runWithModal<frmFile>(
        [&] { game.window->mnuLoadGame->trigger(); },
        [&](frmFile* chooser) {
            // The chooser listed the file; it is changed under it.
            if (damage == QLatin1String("remove") || damage == QLatin1String("folder"))
                QFile::remove(path);
            if (damage == QLatin1String("folder"))
                QDir().mkdir(path);
            chooseFile(chooser, QStringLiteral("x.sav"));
        });
    QVERIFY(seen);
    QCOMPARE(game.dialogs.messages.size(), 2);
    expectMessage(game.dialogs.messages.last(), QStringLiteral("Quillmere - Error"),
                  QStringLiteral("An error has occurred while attempting loading saved game\n")
                      + QDir::toNativeSeparators(path) + QLatin1Char('\n') + reason,
                  Icon::Critical, Buttons::Ok);
    QCOMPARE(gameState(*game.window), expected);
}

void TestSavedGames::removedSavedFolderGivesAnEmptyChooser()
{
    SavingGame game;
    writeAllBytes(game.folder.file("saved/x.sav"), crossBytes());
    game.newGame(2);
    const QString before = gameState(*game.window);
    QVERIFY(QDir(game.folder.file("saved")).removeRecursively());
    int listed = -1;
    bool setEnabled = true;
    const bool seen = runWithModal<frmFile>([&] { game.window->mnuLoadGame->trigger(); },
                                            [&](frmFile* chooser) {
                                                listed = chooser->filList->count();
                                                setEnabled = chooser->cmdSet->isEnabled();
                                                QTest::mouseClick(chooser->cmdSet, Qt::LeftButton);
                                                chooser->close();
                                            });
    QVERIFY(seen);
    QCOMPARE(listed, 0);
    QVERIFY(!setEnabled);
    QVERIFY(game.dialogs.messages.isEmpty());
    QCOMPARE(gameState(*game.window), before);
}

QTEST_MAIN(TestSavedGames)
#include "test_savedgames.moc"
