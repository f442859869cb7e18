#include "game/frmMain.h"
#include "game/modMain.h"
#include "model/levelfile.h"
#include "model/settings.h"
#include "tests/game/gamefixture.h"
#include "tests/support/fixtures.h"
#include "tests/support/scripteddialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace quill::test;
using Icon = UserDialogs::Icon;
using Buttons = UserDialogs::Buttons;
using Answer = UserDialogs::Answer;

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void freshFolderGetsFoldersAndSettings();
    void entryNamedSavedBlocksTheFolder_data();
    void entryNamedSavedBlocksTheFolder();
    void folderThatCannotBeMadeEndsWithAFolderMessage();
    void missingLevelFileGivesTheThreeLineMessage();
    void levelFileFoundWithoutRegardToCase();
    void settingsAreRepaired_data();
    void settingsAreRepaired();
    void missingSkinEndsTheProgram();
    void namedSkinWinsOverADamagedOtherSpelling();
    void windowShowsCaptionMenusAndAnEmptyBoard();
    void windowIsCentredOnTheScreen();
    void closeAsksOnlyWhenTheGameChanged();
    void closeQuestionAnswers_data();
    void closeQuestionAnswers();
    void statusLineShowsLevelNameAndSteps();
    void levelNamesShowAsStoredNotAsMarkup();
};

void TestStartup::freshFolderGetsFoldersAndSettings()
{
    StartedGame game;
    QVERIFY(game.window);
    QVERIFY(QFileInfo(game.folder.file("saved")).isDir());
    QVERIFY(QFileInfo(game.folder.file("skins")).isDir());
    QCOMPARE(readAllBytes(game.folder.file("qlm.ini")), QByteArray("default.bmp\r\n"));
    QVERIFY(game.dialogs.messages.isEmpty());
    QCOMPARE(game.window->steps(), 0);
    QVERIFY(!game.window->gameChanged());
}

void TestStartup::entryNamedSavedBlocksTheFolder_data()
{
    QTest::addColumn<bool>("brokenLink");
    QTest::newRow("file") << false;
    // A link to a folder that is gone (an unplugged drive, say) is found
    // like a file: the game starts, and saving reports the failure.
    QTest::newRow("broken symbolic link") << true;
}

void TestStartup::entryNamedSavedBlocksTheFolder()
{
    QFETCH(bool, brokenLink);
    StartedGame game(sampleLevels(), [&](const ProgramFolder& folder) {
        if (brokenLink)
            QFile::link(folder.file("gone/away"), folder.file("saved"));
        else
            writeAllBytes(folder.file("saved"), "not a folder");
    });
    QVERIFY(game.window);
    const QFileInfo saved(game.folder.file("saved"));
    QCOMPARE(saved.isSymLink(), brokenLink);
    QVERIFY(!saved.isDir());
    QVERIFY(game.dialogs.messages.isEmpty());

    game.newGame(0);
    game.dialogs.inputs << "kept";
    game.window->mnuSaveGame->trigger();
    QCOMPARE(game.dialogs.messages.size(), 1);
    QCOMPARE(game.dialogs.messages.first().title, QStringLiteral("Quillmere - Saving Error"));
    QVERIFY(game.dialogs.messages.first().text.contains(
        QDir::toNativeSeparators(game.folder.file("saved/kept.sav"))));
    QVERIFY(!QFileInfo(game.folder.file("gone")).exists());
}

void TestStartup::folderThatCannotBeMadeEndsWithAFolderMessage()
{
    // An installed game whose player's folder cannot be made: a file
    // stands where one of its parents should be.
    ProgramFolder installed;
    QTemporaryDir home;
    writeAllBytes(home.filePath("share"), "a file, not a folder");
    const QString player = home.filePath("share/quillmere");
    ScriptedDialogs dialogs;
    QVERIFY(!modMain::Start(DataFolders(installed.path(), player, false)));
    QCOMPARE(dialogs.messages.size(), 1);
    const auto& m = dialogs.messages.first();
    QCOMPARE(m.title, QStringLiteral("Quillmere - Error"));
    QCOMPARE(m.icon, Icon::Critical);
    QCOMPARE(m.buttons, Buttons::Ok);
    QVERIFY2(m.text.startsWith("An error has occurred while attempting creating folder\n"), qPrintable(m.text));
    QVERIFY2(m.text.contains(QDir::toNativeSeparators(home.filePath("share"))), qPrintable(m.text));
    QVERIFY2(m.text.contains("Not a directory"), qPrintable(m.text));
}

void TestStartup::missingLevelFileGivesTheThreeLineMessage()
{
    ProgramFolder folder;
    QFile::remove(folder.file("QLM.ZHN"));
    ScriptedDialogs dialogs;
    QVERIFY(!modMain::Start(folder.path()));
    QCOMPARE(dialogs.messages.size(), 1);
    const auto& m = dialogs.messages.first();
    QCOMPARE(m.title, QStringLiteral("Quillmere - Error"));
    QCOMPARE(m.icon, Icon::Critical);
    QCOMPARE(m.buttons, Buttons::Ok);
    QCOMPARE(m.text, QStringLiteral("An error has occurred while attempting loading data file\n")
                         + QDir::toNativeSeparators(folder.path() + "/QLM.zhn")
                         + QStringLiteral("\n2 No such file or directory"));
}

void TestStartup::levelFileFoundWithoutRegardToCase()
{
    ProgramFolder folder;
    QFile::remove(folder.file("QLM.ZHN"));
    LevelTable levels = sampleLevels();
    levels[3].name = fitLevelName("Lowercase");
    writeLevelFile(folder.file("qlm.zhn"), levels);
    ScriptedDialogs dialogs;
    auto window = modMain::Start(folder.path());
    QVERIFY(window);
    QCOMPARE(window->levels(), levels);
}

void TestStartup::settingsAreRepaired_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("empty file") << QByteArray() << QByteArray("default.bmp\r\n");
    QTest::newRow("skin gone") << QByteArray("vanished.bmp\r\n") << QByteArray("default.bmp\r\n");
    QTest::newRow("comma cuts the name") << QByteArray("default.bmp,x\r\n") << QByteArray("default.bmp\r\n");
    QTest::newRow("comma leaves a missing name") << QByteArray("defa,ult.bmp\r\n") << QByteArray("default.bmp\r\n");
    QTest::newRow("quoted") << QByteArray("\"default.bmp\"\r\n") << QByteArray("default.bmp\r\n");
    QTest::newRow("second line is lost") << QByteArray("default.bmp\r\nmore\r\n") << QByteArray("default.bmp\r\n");
    QTest::newRow("outside the skins folder") << QByteArray("../QLM.ZHN\r\n") << QByteArray("default.bmp\r\n");
    QTest::newRow("other case") << QByteArray("DEFAULT.BMP\r\n") << QByteArray("DEFAULT.BMP\r\n");
}

void TestStartup::settingsAreRepaired()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    ProgramFolder folder;
    writeLevelFile(folder.file("QLM.ZHN"), sampleLevels());
    writeAllBytes(folder.file("qlm.ini"), before);
    ScriptedDialogs dialogs;
    auto window = modMain::Start(folder.path());
    QVERIFY(window);
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(readAllBytes(folder.file("qlm.ini")), after);
}

void TestStartup::missingSkinEndsTheProgram()
{
    ProgramFolder folder;
    writeLevelFile(folder.file("QLM.ZHN"), sampleLevels());
    QDir(folder.file("skins")).removeRecursively();
    ScriptedDialogs dialogs;
    QVERIFY(!modMain::Start(folder.path()));
    QCOMPARE(dialogs.messages.size(), 1);
    const auto& m = dialogs.messages.first();
    QCOMPARE(m.title, QStringLiteral("Quillmere - ERROR"));
    QCOMPARE(m.icon, Icon::Critical);
    QCOMPARE(m.text, QStringLiteral("An error has occurred while attempting to load picture \n")
                         + QDir::toNativeSeparators(folder.path() + "/skins/default.bmp")
                         + QStringLiteral("\nMake sure the picture exists and is of a correct format."));
    // The failed skin is not written as the setting.
    QCOMPARE(readAllBytes(folder.file("qlm.ini")), QByteArray("default.bmp\r\n"));
}

void TestStartup::namedSkinWinsOverADamagedOtherSpelling()
{
    // The settings name default.bmp: a damaged Default.bmp beside it is
    // another picture, and the game starts with the one named.
    StartedGame game(sampleLevels(), [](const ProgramFolder& folder) {
        writeAllBytes(folder.file("skins/Default.bmp"), "not a picture");
        writeAllBytes(folder.file("qlm.ini"), "default.bmp\r\n");
    });
    QVERIFY(game.window);
    QVERIFY(game.dialogs.messages.isEmpty());
    QCOMPARE(game.window->absFilename, QStringLiteral("default.bmp"));
    QCOMPARE(readAllBytes(game.folder.file("qlm.ini")), QByteArray("default.bmp\r\n"));
}

void TestStartup::windowShowsCaptionMenusAndAnEmptyBoard()
{
    StartedGame game;
    frmMain& w = *game.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Quillmere"));
    QCOMPARE(w.centralWidget()->size(), QSize(408, 405));
    QVERIFY(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    QCOMPARE(w.mnuFile->title(), QStringLiteral("&File"));
    QStringList fileItems;
    for (QAction* a : w.mnuFile->actions())
        fileItems << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(fileItems, (QStringList{"&New Game", "&Load Game", "&Save Game", "-", "Set S&kin", "-", "E&xit"}));
    QStringList helpItems;
    for (QAction* a : w.mnuHelp->actions())
        helpItems << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(helpItems, (QStringList{"H&ow to Play", "-", "&About"}));
    QCOMPARE(w.mnuHelp->title(), QStringLiteral("&Help"));
    QVERIFY(!w.mnuSaveGame->isEnabled());
    QVERIFY(w.mnuNewGame->isEnabled() && w.mnuLoadGame->isEnabled() && w.mnuSetSkin->isEnabled());
    for (QLabel* piece : w.picBoard->imgPieces)
        QVERIFY(!piece->isVisible());
    QVERIFY(!w.picBoard->imgCong->isVisible());
    QVERIFY(!w.picBoard->imgTitle->isVisible());
    QCOMPARE(w.picBoard->lblStatus->text(), QString());
    QCOMPARE(w.picBoard->lblSteps->text(), QString());
    QCOMPARE(w.picBoard->lblStatus->geometry(), QRect(8, 376, 193, 25));
    QCOMPARE(w.picBoard->lblSteps->geometry(), QRect(200, 376, 201, 25));
    QCOMPARE(w.picBoard->lblStatus->font().pointSizeF(), 9.75);
}

void TestStartup::windowIsCentredOnTheScreen()
{
    StartedGame game;
    const QRect screen = game.window->screen()->geometry();
    const QRect frame = game.window->frameGeometry();
    QVERIFY(qAbs((frame.left() - screen.left()) - (screen.right() - frame.right())) <= 1);
    QVERIFY(qAbs((frame.top() - screen.top()) - (screen.bottom() - frame.bottom())) <= 1);
}

void TestStartup::closeAsksOnlyWhenTheGameChanged()
{
    StartedGame game;
    QVERIFY(game.window->close());
    QVERIFY(game.dialogs.messages.isEmpty());
    QVERIFY(game.window->ended());
}

void TestStartup::closeQuestionAnswers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("inputBoxes");
    QTest::newRow("cancel keeps the game") << int(Answer::Cancel) << false << 0;
    QTest::newRow("no ends the program") << int(Answer::No) << true << 0;
    QTest::newRow("yes saves, then ends even when declined") << int(Answer::Yes) << true << 1;
}

void TestStartup::closeQuestionAnswers()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(int, inputBoxes);
    StartedGame game;
    game.newGame(0);
    game.dragCells(8, {{0, 4}, {1, 4}});
    QVERIFY(game.window->gameChanged());
    game.dialogs.answers << Answer(answer) << Answer::Yes;  // Yes: then give up naming the game
    game.window->mnuExit->trigger();
    QCOMPARE(game.dialogs.messages.first().title, QStringLiteral("Quillmere - Exit"));
    QCOMPARE(game.dialogs.messages.first().text, QStringLiteral("Would you like to save the current game?"));
    QCOMPARE(game.dialogs.messages.first().icon, Icon::Question);
    QCOMPARE(game.dialogs.messages.first().buttons, Buttons::YesNoCancel);
    QCOMPARE(game.window->ended(), closes);
    QCOMPARE(game.window->isVisible(), !closes);
    QCOMPARE(game.dialogs.inputsAsked.size(), inputBoxes);
    QVERIFY(game.window->gameChanged());
}

void TestStartup::statusLineShowsLevelNameAndSteps()
{
    LevelTable levels = sampleLevels();
    levels[4].name = fitLevelName("Cross");
    levels[69].name = fitLevelName("Last");
    StartedGame game(levels);
    game.newGame(4);
    QCOMPARE(game.window->picBoard->lblStatus->text(), QStringLiteral("Level: 5 - Cross     "));
    QCOMPARE(game.window->picBoard->lblSteps->text(), QStringLiteral("Steps: 0"));
    game.newGame(69);
    QCOMPARE(game.window->picBoard->lblStatus->text(), QStringLiteral("Level: 70 - Last      "));
}

void TestStartup::levelNamesShowAsStoredNotAsMarkup()
{
    LevelTable levels = sampleLevels();
    levels[0].name = fitLevelName("<u>Easy");
    levels[1].name = "a&lt;b <b>";
    StartedGame game(levels);
    for (int k : {0, 1}) {
        game.newGame(k);
        const QLabel* status = game.window->picBoard->lblStatus;
        const QString shown = QStringLiteral("Level: %1 - ").arg(k + 1) + levels[k].name;
        QCOMPARE(status->text(), shown);
        // Drawn as the literal text, padding included: markup would draw
        // fewer characters and collapse the spaces.
        QCOMPARE(status->sizeHint().width(), status->fontMetrics().size(0, shown).width());
    }
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
