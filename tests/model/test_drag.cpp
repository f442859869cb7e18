// The drag rules of a piece picture, driven through the game session with
// pointer positions in window pixels, as the window gives them.

#include "model/drag.h"
#include "tests/support/dragdriver.h"
#include "tests/support/fixtures.h"

#include <QtTest>

using namespace quill;
using namespace quill::test;
using Cell = PieceDrag::Cell;

namespace {

// A started game and one drag on it, an event at a time.
struct Drag {
    GameSession session;
    SessionPointer pointer{session};

    explicit Drag(const Positions& positions) : session(startedSession(positions)) {}
    StepwiseDrag<SessionPointer> of(int piece) { return {pointer, piece}; }
    Cell picture(int piece) const { return session.pictureCell(static_cast<int16_t>(piece)); }
    int16_t cell(int col, int row) const { return session.board().cell(col, row); }
};

QPoint at(int col, int row)
{
    return cellCentre(col, row);
}

// The wide piece at (0,2) with (2,2) and (3,2) empty beside it.
Positions wideBesideTwoEmptyCells()
{
    return {1, 20, 0, 3, 30, 33, 31, 32, 41, 42};
}

// Tall piece 2 at (1,1), with (1,3) and (1,4) empty below it.
Positions tallAboveTwoEmptyCells()
{
    return {2, 22, 11, 0, 20, 32, 1, 33, 40, 43};
}

}  // namespace

class TestDrag : public QObject {
    Q_OBJECT

private slots:
    void pointerCellsTruncateTowardZero();
    void singleSlidesTwoCellsInOneStep();
    void dragBeyondTheEdgeStopsAtTheLastFittingCell();
    void diagonalReleaseReturnsToTheStart();
    void pastTheTopTheLowerCellKeepsThePieceOnTheBoard();
    void blockedReleaseKeepsTheLastFreeCell();
    void awayAndBackCountsNothing();
    void blockedReleaseWithoutProgressStillCommits();
    void tallPieceGrabbedByItsLowerCell();
    void squareOntoTheGoalWins();
    void releaseWithoutPressDoesNothing();
    void movesOnlyWhileDragging();
};

void TestDrag::pointerCellsTruncateTowardZero()
{
    QCOMPARE(pointerCell(30), 0);
    QCOMPARE(pointerCell(89), 0);
    QCOMPARE(pointerCell(90), 1);
    QCOMPARE(pointerCell(150), 2);
    QCOMPARE(pointerCell(-29), 0);
    QCOMPARE(pointerCell(29), 0);
    QCOMPARE(pointerCell(-30), -1);
    QCOMPARE(pointerPixel(150, 10.0), 160);
    QCOMPARE(pointerPixel(30, -50.0), -20);
    QCOMPARE(pieceLeftPx(2) * 15, 2250);
    QCOMPARE(pieceTopPx(1) * 15, 1350);
}

void TestDrag::singleSlidesTwoCellsInOneStep()
{
    // Row 4: single 8 at column 0, columns 1 and 2 empty, 9 at 3.
    Drag d(classicStart());
    auto drag = d.of(8);
    drag.press(at(0, 4));
    drag.move(at(1, 4));
    QCOMPARE(d.pointer.shape, PointerShape::Move);
    drag.move(at(2, 4));
    QCOMPARE(d.picture(8), (Cell{2, 4}));
    QVERIFY(drag.release(at(2, 4)).committed);
    QCOMPARE(d.session.steps(), 1);
    QCOMPARE(d.cell(2, 4), 8);
    QCOMPARE(d.cell(0, 4), Board::kEmpty);
    QCOMPARE(d.session.board().pieces[8].col, 2);
    QCOMPARE(d.pointer.shape, PointerShape::Default);
}

void TestDrag::dragBeyondTheEdgeStopsAtTheLastFittingCell()
{
    Drag d(wideBesideTwoEmptyCells());
    auto right = d.of(1);
    right.press(at(0, 2));
    right.move(at(3, 2));
    QCOMPARE(d.picture(1), (Cell{2, 2}));
    QCOMPARE(d.pointer.shape, PointerShape::Move);
    right.move({800, at(0, 2).y()});
    QCOMPARE(d.picture(1), (Cell{2, 2}));
    right.release({800, at(0, 2).y()});
    QCOMPARE(d.session.board().pieces[1].col, 2);
    QCOMPARE(d.session.steps(), 1);
    // And beyond the top-left corner of the window, grabbed by its right cell.
    auto left = d.of(1);
    left.press(at(3, 2));
    left.move(at(0, 2));
    QCOMPARE(d.picture(1), (Cell{0, 2}));
    QCOMPARE(d.pointer.shape, PointerShape::Move);
    left.move({-300, at(0, 2).y()});
    QCOMPARE(d.picture(1), (Cell{0, 2}));
    left.release({-300, at(0, 2).y()});
    QCOMPARE(d.session.board().pieces[1].col, 0);
    QCOMPARE(d.session.steps(), 2);
    // Grabbed by its right cell and dragged far right, it stops at the edge.
    QVERIFY(dragThrough(d.pointer, 1, {at(1, 2), {800, at(1, 2).y()}}).committed);
    QCOMPARE(d.session.board().pieces[1].col, 2);
    // Pressed on the last pixel of its left cell, it is held by that cell.
    d.of(1).press({pieceLeftPx(2) + kCellPx - 1, at(2, 2).y()});
    QCOMPARE(d.picture(1), (Cell{2, 2}));
}

void TestDrag::diagonalReleaseReturnsToTheStart()
{
    Drag d(classicStart());
    auto drag = d.of(8);
    drag.press(at(0, 4));
    drag.move(at(1, 4));
    drag.move(at(2, 3));
    QCOMPARE(d.pointer.shape, PointerShape::NoDrop);
    QCOMPARE(d.picture(8), (Cell{1, 4}));
    QVERIFY(!drag.release(at(2, 3)).committed);
    QCOMPARE(d.picture(8), (Cell{0, 4}));
    QCOMPARE(d.cell(0, 4), 8);
    QCOMPARE(d.session.steps(), 0);
    QVERIFY(!d.session.gameChanged());
}

void TestDrag::pastTheTopTheLowerCellKeepsThePieceOnTheBoard()
{
    // Tall piece 3 at (3,2) under two empty cells, grabbed by its lower cell.
    Drag d({0, 20, 2, 23, 22, 30, 31, 41, 42, 43});
    auto up = d.of(3);
    up.press(at(3, 3));
    for (const QPoint& to : {at(3, 1), at(3, 0), QPoint(at(3, 0).x(), -300)}) {
        up.move(to);
        QCOMPARE(d.picture(3), (Cell{3, 0}));
        QCOMPARE(d.pointer.shape, PointerShape::Move);
    }
    up.release({at(3, 0).x(), -300});
    QCOMPARE(d.session.board().pieces[3].row, 0);

    // Tall piece 2 at (2,0), held by its lower cell, slides right beside it;
    // let go far right with no move between, it stops at the edge all the same.
    Drag side({0, 20, 2, 23, 22, 30, 31, 41, 42, 43});
    auto right = side.of(2);
    right.press(at(2, 1));
    QVERIFY(right.release({800, at(2, 1).y()}).committed);
    QCOMPARE(side.cell(3, 0), 2);
    QCOMPARE(side.cell(2, 0), Board::kEmpty);
}

void TestDrag::blockedReleaseKeepsTheLastFreeCell()
{
    Drag d(classicStart());
    auto drag = d.of(8);
    drag.press(at(0, 4));
    auto moveTo = [&d](QPoint to) {
        const QPointF inside(to - d.pointer.picturePos(8));
        return d.session.MouseMove(inside.x(), inside.y());
    };
    QVERIFY(moveTo(at(2, 4)).pictureMoved);
    QVERIFY(!moveTo(at(2, 4) + QPoint(5, 5)).handled);  // the same cell
    QVERIFY(!moveTo(at(3, 4)).pictureMoved);
    drag.move(at(3, 4) + QPoint(5, 0));  // piece 9 stands there
    QCOMPARE(d.pointer.shape, PointerShape::NoDrop);
    QCOMPARE(d.picture(8), (Cell{2, 4}));
    drag.release(at(3, 4));
    QCOMPARE(d.picture(8), (Cell{2, 4}));
    QCOMPARE(d.cell(2, 4), 8);
    QCOMPARE(d.cell(3, 4), 9);
    QCOMPARE(d.session.steps(), 1);

    // No jump over a piece: single 6 cannot pass the tall piece below it,
    // nor the wide piece, held by its right cell, single 6 beside it.
    Drag jump(tallAboveTwoEmptyCells());
    dragCells(jump.pointer, 6, {{1, 0}, {1, 3}});
    QCOMPARE(jump.cell(1, 0), 6);
    QCOMPARE(jump.session.steps(), 0);
    Drag past({0, 22, 2, 3, 30, 31, 21, 32, 33, 42});
    dragCells(past.pointer, 1, {{3, 2}, {1, 2}});
    QCOMPARE(past.session.board().pieces[1].col, 2);
}

void TestDrag::awayAndBackCountsNothing()
{
    Drag d(classicStart());
    QVERIFY(!dragCells(d.pointer, 8, {{0, 4}, {2, 4}, {0, 4}}).committed);
    QCOMPARE(d.session.steps(), 0);
    QVERIFY(!d.session.gameChanged());
}

void TestDrag::blockedReleaseWithoutProgressStillCommits()
{
    Drag d(classicStart());
    auto drag = d.of(6);
    drag.press(at(1, 3));
    drag.move(at(1, 2));  // piece 1 above
    QCOMPARE(d.pointer.shape, PointerShape::NoDrop);
    QVERIFY(drag.release(at(1, 2)).committed);
    QVERIFY(d.session.gameChanged());
    QCOMPARE(d.session.steps(), 0);
    QCOMPARE(d.cell(1, 3), 6);
}

void TestDrag::tallPieceGrabbedByItsLowerCell()
{
    Drag d(tallAboveTwoEmptyCells());
    // Pressed in the upper half of its lower cell: the piece's own offset
    // (65 pixels) decides the grabbed cell, not the board's origin.
    auto drag = d.of(2);
    drag.press({at(1, 1).x(), pieceTopPx(1) + 65});
    drag.move(at(1, 3));
    QCOMPARE(d.picture(2), (Cell{1, 2}));
    drag.move(at(1, 4));
    QCOMPARE(d.picture(2), (Cell{1, 3}));
    drag.move(at(1, 5));  // a row below the board: the piece holds at the bottom
    QCOMPARE(d.picture(2), (Cell{1, 3}));
    QCOMPARE(d.pointer.shape, PointerShape::Move);
    drag.release(at(1, 4));
    QCOMPARE(d.session.board().pieces[2].row, 3);
    QCOMPARE(d.cell(1, 4), 2);
    QCOMPARE(d.cell(1, 1), Board::kEmpty);

    // Grabbed by the lower cell again and dragged far below the board: the
    // clamp keeps the grabbed row, so the piece reaches the bottom row.
    d.session.Undo();
    auto far = d.of(2);
    far.press(at(1, 2));
    far.move({at(1, 2).x(), 900});
    QCOMPARE(d.picture(2), (Cell{1, 3}));
    far.release({at(1, 2).x(), 900});
    QCOMPARE(d.session.board().pieces[2].row, 3);
    QCOMPARE(d.cell(1, 4), 2);
}

void TestDrag::squareOntoTheGoalWins()
{
    Drag d(oneSlideFromTheGoal());
    QVERIFY(dragCells(d.pointer, 0, {{1, 2}, {1, 3}}).won);
    QVERIFY(d.session.board().IsSolved());
    QCOMPARE(d.session.steps(), 1);
}

void TestDrag::releaseWithoutPressDoesNothing()
{
    Drag d(classicStart());
    dragCells(d.pointer, 8, {{0, 4}, {1, 4}});
    const Board before = d.session.board();
    QVERIFY(!d.of(8).release(at(1, 4)).handled);
    QCOMPARE(d.session.board().grid, before.grid);
}

void TestDrag::movesOnlyWhileDragging()
{
    Drag d(classicStart());
    d.of(8).move(at(2, 4));
    QCOMPARE(d.picture(8), (Cell{0, 4}));
    QCOMPARE(d.pointer.shape, PointerShape::Default);
}

QTEST_GUILESS_MAIN(TestDrag)
#include "test_drag.moc"
