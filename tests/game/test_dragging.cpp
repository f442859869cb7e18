#include "game/frmMain.h"
#include "tests/game/gamefixture.h"

#include <QLabel>
#include <QtTest>

using namespace quill;
using namespace quill::test;

namespace {

// A drag of `piece` in the real window, an event at a time.
struct Hand {
    WindowPointer pointer;
    StepwiseDrag<WindowPointer> drag;
    Hand(frmMain& w, int piece) : pointer{w}, drag{pointer, piece} {}
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) { pointer.button = button; drag.press(at); }
    void move(QPoint at) { drag.move(at); }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) { pointer.button = button; drag.release(at); }
};

Qt::CursorShape pointer(const frmMain& w)
{
    return w.testAttribute(Qt::WA_SetCursor) ? w.cursor().shape() : Qt::ArrowCursor;
}

}  // namespace

class TestDragging : public QObject {
    Q_OBJECT

private slots:
    void otherButtonsChangeNothing();
    void otherButtonReleaseKeepsTheDragGoing();
    void pointerShowsMoveAndNoDrop();
    void slideOfTwoCellsIsOneStep();
    void blockedReleaseCommitsTheLastFreeCell();
    void diagonalReleaseGoesBackWithoutAStep();
    void awayAndBackLeavesGameChangedAsItWas();
    void doubleClickDoesNotReplayTheLastDrag();
    void solvedStartIsWonOnPressAndRelease();
};

void TestDragging::otherButtonsChangeNothing()
{
    StartedGame game;
    game.newGame(0);
    Hand hand(*game.window, 8);
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        hand.press(cellCentre(0, 4), button);
        hand.move(cellCentre(1, 4));
        hand.release(cellCentre(1, 4), button);
    }
    QCOMPARE(game.picturePos(8), QPoint(30, 270));
    QCOMPARE(game.window->session().board().grid[4][0], 8);
    QCOMPARE(game.window->steps(), 0);
    QVERIFY(!game.window->gameChanged());
    QCOMPARE(pointer(*game.window), Qt::ArrowCursor);
}

void TestDragging::otherButtonReleaseKeepsTheDragGoing()
{
    StartedGame game;
    game.newGame(0);
    Hand hand(*game.window, 8);
    hand.press(cellCentre(0, 4));
    hand.move(cellCentre(1, 4));
    hand.release(cellCentre(1, 4), Qt::RightButton);
    QVERIFY(game.window->session().dragging());
    hand.move(cellCentre(2, 4));
    hand.release(cellCentre(2, 4));
    QCOMPARE(game.window->session().board().grid[4][2], 8);
    QCOMPARE(game.window->steps(), 1);
}

void TestDragging::pointerShowsMoveAndNoDrop()
{
    StartedGame game;
    game.newGame(0);
    Hand hand(*game.window, 8);
    hand.press(cellCentre(0, 4));
    QCOMPARE(pointer(*game.window), Qt::SizeAllCursor);
    hand.move(cellCentre(1, 4));
    QCOMPARE(pointer(*game.window), Qt::SizeAllCursor);
    hand.move(cellCentre(1, 3));  // diagonal
    QCOMPARE(pointer(*game.window), Qt::ForbiddenCursor);
    hand.move(cellCentre(0, 3));  // blocked by piece 4
    QCOMPARE(pointer(*game.window), Qt::ForbiddenCursor);
    hand.release(cellCentre(0, 3));
    QCOMPARE(pointer(*game.window), Qt::ArrowCursor);
}

void TestDragging::slideOfTwoCellsIsOneStep()
{
    StartedGame game;
    game.newGame(0);
    game.dragCells(8, {{0, 4}, {1, 4}, {2, 4}});
    QCOMPARE(game.picturePos(8), QPoint(150, 270));
    QCOMPARE(game.window->steps(), 1);
    QCOMPARE(game.window->picBoard->lblSteps->text(), QStringLiteral("Steps: 1"));
    QVERIFY(game.window->gameChanged());
}

void TestDragging::blockedReleaseCommitsTheLastFreeCell()
{
    StartedGame game;
    game.newGame(0);
    game.dragCells(8, {{0, 4}, {1, 4}, {2, 4}, {3, 4}});
    QCOMPARE(game.picturePos(8), QPoint(150, 270));
    QCOMPARE(game.window->session().board().grid[4][2], 8);
    QCOMPARE(game.window->session().board().grid[4][3], 9);
    QCOMPARE(game.window->steps(), 1);
}

void TestDragging::diagonalReleaseGoesBackWithoutAStep()
{
    StartedGame game;
    game.newGame(0);
    game.dragCells(8, {{0, 4}, {1, 4}, {1, 3}});
    QCOMPARE(game.picturePos(8), QPoint(30, 270));
    QCOMPARE(game.window->session().board().grid[4][0], 8);
    QCOMPARE(game.window->steps(), 0);
    QVERIFY(!game.window->gameChanged());
    QCOMPARE(game.window->picBoard->lblSteps->text(), QStringLiteral("Steps: 0"));
}

void TestDragging::awayAndBackLeavesGameChangedAsItWas()
{
    StartedGame game;
    game.newGame(0);
    game.dragCells(8, {{0, 4}, {1, 4}, {0, 4}});
    QVERIFY(!game.window->gameChanged());
    QCOMPARE(game.window->steps(), 0);
    // A blocked release without progress still counts as a move made.
    game.dragCells(6, {{1, 3}, {1, 2}});
    QVERIFY(game.window->gameChanged());
    QCOMPARE(game.window->steps(), 0);
}

void TestDragging::doubleClickDoesNotReplayTheLastDrag()
{
    StartedGame game;
    game.newGame(0);
    game.dragCells(8, {{0, 4}, {1, 4}});
    const auto grid = game.window->session().board().grid;
    QTest::mouseDClick(game.window->picBoard->imgPieces[8], Qt::LeftButton, Qt::NoModifier,
                       QPoint(30, 30));
    QCOMPARE(game.window->session().board().grid, grid);
    QCOMPARE(game.window->steps(), 1);
}

void TestDragging::solvedStartIsWonOnPressAndRelease()
{
    LevelTable levels = sampleLevels();
    levels[2].positions = {31, 1, 0, 3, 20, 23, 11, 12, 21, 22};
    StartedGame game(levels);
    game.newGame(2);
    QVERIFY(game.dialogs.messages.isEmpty());
    game.dragCells(9, {{2, 2}});
    QVERIFY(game.dialogs.messages.isEmpty());
    game.dragCells(0, {{1, 3}});
    QCOMPARE(game.dialogs.messages.size(), 1);
    QCOMPARE(game.dialogs.messages[0].text,
             QStringLiteral("Congratulations!! You finished the game in 0 steps."));
}

QTEST_MAIN(TestDragging)
#include "test_dragging.moc"
