#include "game/frmLevel.h"
#include "game/frmMain.h"
#include "model/savedgame.h"
#include "tests/game/gamedriver.h"
#include "tests/game/gamefixture.h"
#include "tests/support/fixtures.h"
#include "tests/support/scripteddialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace quill;
using namespace quill::test;
using Icon = UserDialogs::Icon;
using Buttons = UserDialogs::Buttons;
using Answer = UserDialogs::Answer;

namespace {

LevelTable levelsWithShortGame(int index)
{
    LevelTable levels = sampleLevels();
    levels[index].name = fitLevelName(QStringLiteral("Short"));
    levels[index].positions = oneSlideFromTheGoal();
    return levels;
}

// What the chooser showed when it opened.
struct ChooserVisit {
    QStringList lines;
    int selectedAtOpen = -2;
};

void expectSaveQuestion(const ScriptedDialogs::Message& m)
{
    QCOMPARE(m.title, QStringLiteral("Quillmere - New Game"));
    QCOMPARE(m.text, QStringLiteral("Would you like to save the current game?"));
    QCOMPARE(m.icon, Icon::Question);
    QCOMPARE(m.buttons, Buttons::YesNoCancel);
}

}  // namespace

class TestNewGame : public QObject {
    Q_OBJECT

private slots:
    // The level chooser
    void chooserListsTheSeventyLevels();
    void chooserHasItsCaptionButtonsAndPlace();
    void setLevelWithNothingSelectedKeepsTheChooserOpen();
    void enterAndEscapeDoNotCloseTheChooser();
    void clickedLineStartsThatLevel();
    void cancelOrCloseBoxStartsNothing_data();
    void cancelOrCloseBoxStartsNothing();

    // The save question
    void unchangedGameAsksNothing();
    void cancelAtTheQuestionOpensNoChooser();
    void noThenCancelKeepsTheGameChanged();
    void yesSavesThenOpensTheChooser();

    // Starting a level
    void startingALevelResetsTheGame();
    void sameLevelRestartsFromItsStoredPosition();
    void newGameAfterAWinHidesTheBannerAndEnablesSave();
    void misplacedLevelIsRefused_data();
    void misplacedLevelIsRefused();

    // A whole game
    void fullGameFromNewGameToTheCongratulation();
};

void TestNewGame::chooserListsTheSeventyLevels()
{
    LevelTable levels = sampleLevels();
    levels[0].name = fitLevelName(QStringLiteral("First"));
    levels[4].name = fitLevelName(QStringLiteral("Cross"));
    levels[9].name = fitLevelName(QStringLiteral("Ten chars!"));
    levels[69].name = fitLevelName(QStringLiteral("L"));
    StartedGame game(levels);
    ChooserVisit visit;
    const bool seen = runWithModal<frmLevel>([&] { game.window->mnuNewGame->trigger(); },
                                             [&](frmLevel* chooser) {
                                                 for (int i = 0; i < chooser->lisLevel->count(); ++i)
                                                     visit.lines << chooser->lisLevel->item(i)->text();
                                                 visit.selectedAtOpen = chooser->lisLevel->selectedItems().size();
                                                 QTest::mouseClick(chooser->cmdCancel, Qt::LeftButton);
                                             });
    QVERIFY(seen);
    QCOMPARE(visit.lines.size(), 70);
    QCOMPARE(visit.selectedAtOpen, 0);
    QCOMPARE(visit.lines.first(), QStringLiteral("Level 1 - First     "));
    QCOMPARE(visit.lines[4], QStringLiteral("Level 5 - Cross     "));
    QCOMPARE(visit.lines[9], QStringLiteral("Level 10 - Ten chars!"));
    QCOMPARE(visit.lines[11], QStringLiteral("Level 12 - Level 12  "));
    QCOMPARE(visit.lines.last(), QStringLiteral("Level 70 - L         "));
}

void TestNewGame::chooserHasItsCaptionButtonsAndPlace()
{
    StartedGame game;
    frmMain& w = *game.window;
    const bool seen = runWithModal<frmLevel>([&] { w.mnuNewGame->trigger(); }, [&](frmLevel* chooser) {
        QCOMPARE(chooser->windowTitle(), QStringLiteral("Choose Level"));
        QCOMPARE(chooser->size(), QSize(277, 234));
        QCOMPARE(chooser->parentWidget(), &w);
        QVERIFY(chooser->isModal());
        QCOMPARE(chooser->lisLevel->geometry(), QRect(2, 0, 273, 180));
        QCOMPARE(chooser->lisLevel->font().pointSizeF(), 9.75);
        QCOMPARE(chooser->cmdSetLevel->text(), QStringLiteral("&Set Level"));
        QCOMPARE(chooser->cmdSetLevel->geometry(), QRect(14, 192, 113, 33));
        QCOMPARE(chooser->cmdCancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(chooser->cmdCancel->geometry(), QRect(152, 192, 113, 33));
        for (QPushButton* button : {chooser->cmdSetLevel, chooser->cmdCancel}) {
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
        QVERIFY(centredOnOwner(chooser));
        chooser->close();
    });
    QVERIFY(seen);
}

void TestNewGame::setLevelWithNothingSelectedKeepsTheChooserOpen()
{
    StartedGame game;
    bool stayedOpen = false;
    const bool seen = runWithModal<frmLevel>([&] { game.window->mnuNewGame->trigger(); },
                                             [&](frmLevel* chooser) {
                                                 QTest::mouseClick(chooser->cmdSetLevel, Qt::LeftButton);
                                                 QTest::qWait(50);
                                                 stayedOpen = chooser->isVisible();
                                                 clickLine(chooser->lisLevel, 6);
                                                 QTest::mouseClick(chooser->cmdSetLevel, Qt::LeftButton);
                                             });
    QVERIFY(seen);
    QVERIFY(stayedOpen);
    QCOMPARE(game.window->newLevel, int16_t(6));
    QCOMPARE(game.window->levelIndex(), int16_t(6));
    QVERIFY(game.window->picBoard->imgPieces[0]->isVisible());
}

void TestNewGame::enterAndEscapeDoNotCloseTheChooser()
{
    StartedGame game;
    bool openAfterEnter = false;
    bool openAfterEscape = false;
    const bool seen = runWithModal<frmLevel>([&] { game.window->mnuNewGame->trigger(); },
                                             [&](frmLevel* chooser) {
                                                 clickLine(chooser->lisLevel, 2);
                                                 QTest::keyClick(chooser->lisLevel, Qt::Key_Return);
                                                 QTest::qWait(50);
                                                 openAfterEnter = chooser->isVisible();
                                                 QTest::keyClick(chooser->lisLevel, Qt::Key_Escape);
                                                 QTest::qWait(50);
                                                 openAfterEscape = chooser->isVisible();
                                                 chooser->close();
                                             });
    QVERIFY(seen);
    QVERIFY(openAfterEnter);
    QVERIFY(openAfterEscape);
    QVERIFY(!game.window->picBoard->imgPieces[0]->isVisible());
}

void TestNewGame::clickedLineStartsThatLevel()
{
    LevelTable levels = sampleLevels();
    levels[40].positions = {11, 31, 0, 3, 20, 23, 1, 2, 40, 43};
    StartedGame game(levels);
    const bool seen = runWithModal<frmLevel>([&] { game.window->mnuNewGame->trigger(); },
                                             [&](frmLevel* chooser) {
                                                 clickLine(chooser->lisLevel, 40);
                                                 QTest::mouseClick(chooser->cmdSetLevel, Qt::LeftButton);
                                             });
    QVERIFY(seen);
    frmMain& w = *game.window;
    QCOMPARE(w.levelIndex(), int16_t(40));
    QCOMPARE(w.session().board().PiecePositions(), levels[40].positions);
    for (int i = 0; i < kPieceCount; ++i)
        QCOMPARE(w.picBoard->imgPieces[i]->pos(), picturePlace(levels[40].positions[i]));
    QCOMPARE(w.picBoard->lblStatus->text(), QStringLiteral("Level: 41 - Level 41  "));
}

void TestNewGame::cancelOrCloseBoxStartsNothing_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("cancel button") << false;
    QTest::newRow("close box") << true;
}

void TestNewGame::cancelOrCloseBoxStartsNothing()
{
    QFETCH(bool, closeBox);
    StartedGame game;
    game.newGame(12);
    game.dragCells(8, {{0, 4}, {1, 4}});
    const QString before = gameState(*game.window);
    game.dialogs.answers << Answer::No;
    // A line is chosen, then the chooser is left without Set Level.
    const bool seen = runWithModal<frmLevel>([&] { game.window->mnuNewGame->trigger(); },
                                             [&](frmLevel* chooser) {
                                                 clickLine(chooser->lisLevel, 30);
                                                 if (closeBox)
                                                     chooser->close();
                                                 else
                                                     QTest::mouseClick(chooser->cmdCancel, Qt::LeftButton);
                                             });
    QVERIFY(seen);
    QCOMPARE(game.window->newLevel, int16_t(-1));
    QCOMPARE(gameState(*game.window), before);
}

void TestNewGame::unchangedGameAsksNothing()
{
    StartedGame game;
    QVERIFY(showsModal<frmLevel>([&] { game.window->mnuNewGame->trigger(); }));
    game.newGame(3);
    game.dragCells(8, {{0, 4}, {1, 4}});
    game.dragCells(8, {{1, 4}, {0, 4}});
    QCOMPARE(game.window->steps(), 2);
    game.dialogs.answers << Answer::No;
    game.newGame(3);
    QCOMPARE(game.dialogs.messages.size(), 1);
    game.dialogs.messages.clear();
    // Started afresh: nothing changed since.
    QVERIFY(showsModal<frmLevel>([&] { game.window->mnuNewGame->trigger(); }));
    QVERIFY(game.dialogs.messages.isEmpty());
    QVERIFY(game.dialogs.inputsAsked.isEmpty());
}

void TestNewGame::cancelAtTheQuestionOpensNoChooser()
{
    StartedGame game;
    game.newGame(5);
    game.dragCells(9, {{3, 4}, {2, 4}});
    const QString before = gameState(*game.window);
    game.dialogs.answers << Answer::Cancel;
    QVERIFY(!showsModal<frmLevel>([&] { game.window->mnuNewGame->trigger(); }));
    QCOMPARE(game.dialogs.messages.size(), 1);
    expectSaveQuestion(game.dialogs.messages.first());
    QVERIFY(game.dialogs.inputsAsked.isEmpty());
    QCOMPARE(gameState(*game.window), before);
}

void TestNewGame::noThenCancelKeepsTheGameChanged()
{
    StartedGame game;
    game.newGame(5);
    game.dragCells(9, {{3, 4}, {2, 4}});
    const QString before = gameState(*game.window);
    game.dialogs.answers << Answer::No;
    QVERIFY(showsModal<frmLevel>([&] { game.window->mnuNewGame->trigger(); }));
    QCOMPARE(game.dialogs.messages.size(), 1);
    expectSaveQuestion(game.dialogs.messages.first());
    QVERIFY(game.dialogs.inputsAsked.isEmpty());
    QCOMPARE(gameState(*game.window), before);
    QVERIFY(game.window->gameChanged());

    // So closing the window still offers to save.
    game.dialogs.answers << Answer::Cancel;
    game.window->mnuExit->trigger();
    QCOMPARE(game.dialogs.messages.size(), 2);
    QCOMPARE(game.dialogs.messages.last().title, QStringLiteral("Quillmere - Exit"));
    QVERIFY(!game.window->ended());
}

void TestNewGame::yesSavesThenOpensTheChooser()
{
    StartedGame game;
    game.newGame(5);
    game.dragCells(9, {{3, 4}, {2, 4}});
    game.dialogs.answers << Answer::Yes;
    game.dialogs.inputs << QStringLiteral("before new");
    bool seen = false;
    const auto watch = whenModal<frmLevel>(
        [&](frmLevel* chooser) {
            // The save is done before the chooser opens.
            QVERIFY(QFileInfo(game.folder.file("saved/before new.sav")).isFile());
            clickLine(chooser->lisLevel, 7);
            QTest::mouseClick(chooser->cmdSetLevel, Qt::LeftButton);
        },
        &seen);
    game.window->mnuNewGame->trigger();
    QVERIFY(seen);
    QCOMPARE(game.dialogs.messages.size(), 1);
    expectSaveQuestion(game.dialogs.messages.first());
    QCOMPARE(game.dialogs.inputsAsked.size(), 1);
    SavedGame saved;
    QString problem;
    QVERIFY2(loadSavedGame(game.folder.file("saved/before new.sav"), saved, problem), qPrintable(problem));
    QCOMPARE(saved.level, int16_t(5));
    QCOMPARE(saved.steps, 1);
    QCOMPARE(game.window->levelIndex(), int16_t(7));
    QCOMPARE(game.window->steps(), 0);
}

void TestNewGame::startingALevelResetsTheGame()
{
    StartedGame game;
    frmMain& w = *game.window;
    QVERIFY(!w.mnuSaveGame->isEnabled());
    game.newGame(9);
    QCOMPARE(w.levelIndex(), int16_t(9));
    QCOMPARE(w.steps(), 0);
    QVERIFY(!w.gameChanged());
    QVERIFY(w.mnuSaveGame->isEnabled());
    QVERIFY(!w.picBoard->imgCong->isVisible());
    for (QLabel* image : {w.picBoard->imgUpFrame, w.picBoard->imgLeftFrame, w.picBoard->imgRightFrame, w.picBoard->imgExit, w.picBoard->imgTitle})
        QVERIFY(image->isVisible());
    for (int i = 0; i < kPieceCount; ++i) {
        QVERIFY(w.picBoard->imgPieces[i]->isVisible());
        QCOMPARE(w.picBoard->imgPieces[i]->pos(), picturePlace(classicStart()[i]));
    }
    QCOMPARE(w.session().board().PiecePositions(), classicStart());
    QCOMPARE(w.session().board().cell(1, 3), int16_t(6));
    QCOMPARE(w.session().board().cell(1, 4), Board::kEmpty);
    QCOMPARE(w.picBoard->lblStatus->text(), QStringLiteral("Level: 10 - Level 10  "));
    QCOMPARE(w.picBoard->lblSteps->text(), QStringLiteral("Steps: 0"));
    QVERIFY(game.dialogs.messages.isEmpty());
}

void TestNewGame::sameLevelRestartsFromItsStoredPosition()
{
    StartedGame game;
    frmMain& w = *game.window;
    game.newGame(3);
    game.dragCells(8, {{0, 4}, {1, 4}});
    game.dragCells(9, {{3, 4}, {2, 4}});
    QCOMPARE(w.steps(), 2);
    QVERIFY(w.session().board().PiecePositions() != classicStart());
    game.dialogs.answers << Answer::No;
    game.newGame(3);
    QCOMPARE(w.levelIndex(), int16_t(3));
    QCOMPARE(w.steps(), 0);
    QVERIFY(!w.gameChanged());
    QCOMPARE(w.session().board().PiecePositions(), classicStart());
    QCOMPARE(w.session().board().cell(1, 4), Board::kEmpty);
    QCOMPARE(w.session().board().cell(0, 4), int16_t(8));
    for (int i = 0; i < kPieceCount; ++i)
        QCOMPARE(w.picBoard->imgPieces[i]->pos(), picturePlace(classicStart()[i]));
    QCOMPARE(w.picBoard->lblSteps->text(), QStringLiteral("Steps: 0"));
}

void TestNewGame::newGameAfterAWinHidesTheBannerAndEnablesSave()
{
    StartedGame game(levelsWithShortGame(0));
    frmMain& w = *game.window;
    game.newGame(0);
    game.dragCells(0, {{1, 2}, {1, 3}});
    QVERIFY(w.picBoard->imgCong->isVisible());
    QVERIFY(!w.mnuSaveGame->isEnabled());
    QCOMPARE(game.dialogs.messages.size(), 1);  // the congratulation only
    game.newGame(0);
    QCOMPARE(game.dialogs.messages.size(), 1);  // a won game asks nothing
    QVERIFY(!w.picBoard->imgCong->isVisible());
    QVERIFY(w.mnuSaveGame->isEnabled());
    QVERIFY(w.picBoard->imgPieces[0]->isVisible());
    QCOMPARE(w.picBoard->imgPieces[0]->pos(), picturePlace(21));
    QCOMPARE(w.steps(), 0);
}

void TestNewGame::misplacedLevelIsRefused_data()
{
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("value");
    QTest::newRow("tall piece off the bottom") << 3 << 40;
    QTest::newRow("wide piece off the right") << 1 << 3;
    QTest::newRow("single in column 4") << 7 << 14;
    QTest::newRow("principal piece negative") << 0 << -1;
    QTest::newRow("principal piece on the last row") << 0 << 41;
}

void TestNewGame::misplacedLevelIsRefused()
{
    QFETCH(int, piece);
    QFETCH(int, value);
    LevelTable levels = sampleLevels();
    levels[22].positions[piece] = static_cast<int16_t>(value);
    StartedGame game(levels);
    game.newGame(2);
    game.dragCells(8, {{0, 4}, {2, 4}});
    const QString before = gameState(*game.window);
    game.dialogs.answers << Answer::No;
    game.newGame(22);
    QCOMPARE(game.dialogs.messages.size(), 2);
    const auto& m = game.dialogs.messages.last();
    QCOMPARE(m.title, QStringLiteral("Quillmere - Error"));
    QCOMPARE(m.text, QStringLiteral("Level 23 cannot be played because %1 has no place on the "
                                    "board at position value %2.")
                         .arg(QLatin1String(shapeOf(piece).editorName))
                         .arg(value));
    QCOMPARE(m.icon, Icon::Exclamation);
    QCOMPARE(m.buttons, Buttons::Ok);
    QCOMPARE(gameState(*game.window), before);
    QVERIFY(game.window->gameChanged());
}

void TestNewGame::fullGameFromNewGameToTheCongratulation()
{
    StartedGame game(levelsWithShortGame(17));
    frmMain& w = *game.window;
    const bool seen = runWithModal<frmLevel>([&] { w.mnuNewGame->trigger(); }, [&](frmLevel* chooser) {
        clickLine(chooser->lisLevel, 17);
        QTest::mouseClick(chooser->cmdSetLevel, Qt::LeftButton);
    });
    QVERIFY(seen);
    QCOMPARE(w.picBoard->lblStatus->text(), QStringLiteral("Level: 18 - Short     "));

    // The principal piece cannot go down while a single stands in its way.
    game.dragCells(8, {{0, 4}, {1, 4}});
    QCOMPARE(w.picBoard->lblSteps->text(), QStringLiteral("Steps: 1"));
    game.dragCells(0, {{2, 2}, {2, 3}});
    QCOMPARE(w.picBoard->imgPieces[0]->pos(), picturePlace(21));
    QCOMPARE(w.steps(), 1);
    QVERIFY(game.dialogs.messages.isEmpty());
    game.dragCells(8, {{1, 4}, {0, 4}});
    QCOMPARE(w.picBoard->lblSteps->text(), QStringLiteral("Steps: 2"));

    bool boardHiddenAtMessage = false;
    bool bannerShownAtMessage = false;
    QString stepsAtMessage;
    game.dialogs.onMessage = [&](const ScriptedDialogs::Message&) {
        boardHiddenAtMessage = !w.picBoard->imgPieces[0]->isVisible() && !w.picBoard->imgTitle->isVisible();
        bannerShownAtMessage = w.picBoard->imgCong->isVisible();
        stepsAtMessage = w.picBoard->lblSteps->text();
    };
    game.dragCells(0, {{2, 2}, {2, 3}});
    QCOMPARE(game.dialogs.messages.size(), 1);
    const auto& m = game.dialogs.messages.first();
    QCOMPARE(m.title, QStringLiteral("Quillmere - Congratulations"));
    QCOMPARE(m.text, QStringLiteral("Congratulations!! You finished the game in 3 steps."));
    QCOMPARE(m.icon, Icon::Exclamation);
    QCOMPARE(m.buttons, Buttons::Ok);
    QVERIFY(boardHiddenAtMessage);
    QVERIFY(bannerShownAtMessage);
    QCOMPARE(stepsAtMessage, QStringLiteral("Steps: 3"));
    QVERIFY(w.session().board().IsSolved());
    QVERIFY(!w.gameChanged());
    QVERIFY(!w.mnuSaveGame->isEnabled());

    // Nothing is left to save: the window closes without a question.
    QVERIFY(w.close());
    QCOMPARE(game.dialogs.messages.size(), 1);
    QVERIFY(w.ended());
}

QTEST_MAIN(TestNewGame)
#include "test_newgame.moc"
