#include "model/drag.h"
#include "tests/support/fixtures.h"

#include <QtTest>

using namespace quill;

// Drives a PieceDrag the way the window does: pointer positions in window
// pixels, turned into offsets inside the dragged picture.
struct DragDriver {
    Board board;
    PieceDrag drag;
    std::array<PieceDrag::Cell, kPieceCount> pictures{};
    PointerShape pointer = PointerShape::Default;
    int steps = 0;
    bool changed = false;

    explicit DragDriver(const Positions& positions)
    {
        board.ClearGrid();
        board.SetPiecePositions(positions);
        board.PlacePieces();
        for (int i = 0; i < kPieceCount; ++i)
            pictures[i] = {board.pieces[i].col, board.pieces[i].row};
    }
    int left(int piece) const { return pieceLeftPx(pictures[piece].col); }
    int top(int piece) const { return pieceTopPx(pictures[piece].row); }

    void press(int piece, int x, int y)
    {
        drag.MouseDown(piece, left(piece), top(piece), x - left(piece), y - top(piece));
        pointer = PointerShape::Move;
    }
    void move(int x, int y)
    {
        const int p = drag.dragPiece;
        const auto r = drag.MouseMove(board, left(p), top(p), x - left(p), y - top(p));
        if (!r.handled)
            return;
        pointer = r.pointer;
        if (r.pictureMoved)
            pictures[p] = r.pictureCell;
    }
    PieceDrag::ReleaseResult release(int x, int y)
    {
        const int p = drag.dragPiece;
        const auto r = drag.MouseUp(board, left(p), top(p), x - left(p), y - top(p));
        if (r.handled) {
            pictures[p] = r.pictureCell;
            if (r.committed) {
                changed = true;
                steps += r.stepCounted;
            }
            pointer = PointerShape::Default;
        }
        return r;
    }
    static int cx(int col) { return 30 + 60 * col + 30; }
    static int cy(int row) { return 30 + 60 * row + 30; }
};

class TestDrag : public QObject {
    Q_OBJECT

private slots:
    void pointerCellsTruncateTowardZero();
    void singleSlidesTwoCellsInOneStep();
    void dragBeyondTheEdgeStopsAtTheLastFittingCell();
    void diagonalReleaseReturnsToTheStart();
    void blockedReleaseKeepsTheLastFreeCell();
    void awayAndBackCountsNothing();
    void blockedReleaseWithoutProgressStillCommits();
    void tallPieceGrabbedByItsLowerCell();
    void squareOntoTheGoalAsksForTheWin();
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
    // Row 4: single 8 at column 0, columns 1 and 2 empty, 9 at 3. Move 9 away first.
    Positions p = test::classicStart();
    DragDriver d(p);
    d.press(8, DragDriver::cx(0), DragDriver::cy(4));
    d.move(DragDriver::cx(1), DragDriver::cy(4));
    QCOMPARE(d.pointer, PointerShape::Move);
    d.move(DragDriver::cx(2), DragDriver::cy(4));
    QCOMPARE(d.pictures[8], (PieceDrag::Cell{2, 4}));
    const auto r = d.release(DragDriver::cx(2), DragDriver::cy(4));
    QVERIFY(r.committed && r.stepCounted);
    QCOMPARE(d.steps, 1);
    QCOMPARE(d.board.grid[4][2], 8);
    QCOMPARE(d.board.grid[4][0], -1);
    QCOMPARE(d.board.pieces[8].col, 2);
    QCOMPARE(d.pointer, PointerShape::Default);
}

void TestDrag::dragBeyondTheEdgeStopsAtTheLastFittingCell()
{
    Board empty;
    Positions p{};
    DragDriver d(p);
    d.board.ClearGrid();
    d.board.MarkPiece(1, 0, 2);
    d.pictures[1] = {0, 2};
    d.press(1, DragDriver::cx(0), DragDriver::cy(2));
    d.move(DragDriver::cx(3), DragDriver::cy(2));
    d.move(800, DragDriver::cy(2));
    QCOMPARE(d.pictures[1], (PieceDrag::Cell{2, 2}));
    d.release(800, DragDriver::cy(2));
    QCOMPARE(d.board.pieces[1].col, 2);
    QCOMPARE(d.steps, 1);
    // And beyond the top-left corner of the window.
    d.press(1, DragDriver::cx(3), DragDriver::cy(2));
    d.move(-300, DragDriver::cy(2));
    QCOMPARE(d.pictures[1], (PieceDrag::Cell{0, 2}));
    d.release(-300, DragDriver::cy(2));
    QCOMPARE(d.board.pieces[1].col, 0);
    QCOMPARE(d.steps, 2);
}

void TestDrag::diagonalReleaseReturnsToTheStart()
{
    DragDriver d(test::classicStart());
    d.press(8, DragDriver::cx(0), DragDriver::cy(4));
    d.move(DragDriver::cx(1), DragDriver::cy(4));
    d.move(DragDriver::cx(2), DragDriver::cy(3));
    QCOMPARE(d.pointer, PointerShape::NoDrop);
    QCOMPARE(d.pictures[8], (PieceDrag::Cell{1, 4}));
    const auto r = d.release(DragDriver::cx(2), DragDriver::cy(3));
    QVERIFY(!r.committed);
    QCOMPARE(d.pictures[8], (PieceDrag::Cell{0, 4}));
    QCOMPARE(d.board.grid[4][0], 8);
    QCOMPARE(d.steps, 0);
    QVERIFY(!d.changed);
}

void TestDrag::blockedReleaseKeepsTheLastFreeCell()
{
    DragDriver d(test::classicStart());
    d.press(8, DragDriver::cx(0), DragDriver::cy(4));
    d.move(DragDriver::cx(2), DragDriver::cy(4));
    d.move(DragDriver::cx(3), DragDriver::cy(4));  // piece 9 stands there
    QCOMPARE(d.pointer, PointerShape::NoDrop);
    QCOMPARE(d.pictures[8], (PieceDrag::Cell{2, 4}));
    d.release(DragDriver::cx(3), DragDriver::cy(4));
    QCOMPARE(d.pictures[8], (PieceDrag::Cell{2, 4}));
    QCOMPARE(d.board.grid[4][2], 8);
    QCOMPARE(d.board.grid[4][3], 9);
    QCOMPARE(d.steps, 1);
}

void TestDrag::awayAndBackCountsNothing()
{
    DragDriver d(test::classicStart());
    d.press(8, DragDriver::cx(0), DragDriver::cy(4));
    d.move(DragDriver::cx(2), DragDriver::cy(4));
    d.move(DragDriver::cx(0), DragDriver::cy(4));
    const auto r = d.release(DragDriver::cx(0), DragDriver::cy(4));
    QVERIFY(!r.committed);
    QCOMPARE(d.steps, 0);
    QVERIFY(!d.changed);
}

void TestDrag::blockedReleaseWithoutProgressStillCommits()
{
    DragDriver d(test::classicStart());
    d.press(6, DragDriver::cx(1), DragDriver::cy(3));
    d.move(DragDriver::cx(1), DragDriver::cy(2));  // piece 1 above
    QCOMPARE(d.pointer, PointerShape::NoDrop);
    const auto r = d.release(DragDriver::cx(1), DragDriver::cy(2));
    QVERIFY(r.committed);
    QVERIFY(!r.stepCounted);
    QVERIFY(d.changed);
    QCOMPARE(d.steps, 0);
    QCOMPARE(d.board.grid[3][1], 6);
}

void TestDrag::tallPieceGrabbedByItsLowerCell()
{
    Positions p{};
    DragDriver d(p);
    d.board.ClearGrid();
    d.board.MarkPiece(2, 1, 0);
    d.pictures[2] = {1, 0};
    // Pressed in the upper half of its lower cell: the piece's own offset
    // (65 pixels) decides the grabbed cell, not the board's origin.
    d.press(2, DragDriver::cx(1), 30 + 65);
    QCOMPARE(d.drag.grabRow, 1);
    d.move(DragDriver::cx(1), DragDriver::cy(2));
    d.move(DragDriver::cx(1), DragDriver::cy(3));
    d.move(DragDriver::cx(1), DragDriver::cy(4));
    d.release(DragDriver::cx(1), DragDriver::cy(4));
    QCOMPARE(d.board.pieces[2].row, 3);
    QCOMPARE(d.board.grid[4][1], 2);
    QCOMPARE(d.board.grid[0][1], -1);

    // Grabbed by the lower cell again and dragged far below the board: the
    // clamp keeps the grabbed row, so the piece reaches the bottom row.
    d.board.UnmarkPiece(2, 1, 3);
    d.board.MarkPiece(2, 1, 0);
    d.pictures[2] = {1, 0};
    d.press(2, DragDriver::cx(1), DragDriver::cy(1));
    d.move(DragDriver::cx(1), 900);
    QCOMPARE(d.pictures[2], (PieceDrag::Cell{1, 3}));
    d.release(DragDriver::cx(1), 900);
    QCOMPARE(d.board.pieces[2].row, 3);
    QCOMPARE(d.board.grid[4][1], 2);
}

void TestDrag::squareOntoTheGoalAsksForTheWin()
{
    Positions p{};
    DragDriver d(p);
    d.board.ClearGrid();
    d.board.MarkPiece(0, 1, 2);
    d.pictures[0] = {1, 2};
    d.press(0, DragDriver::cx(1), DragDriver::cy(2));
    d.move(DragDriver::cx(1), DragDriver::cy(3));
    const auto r = d.release(DragDriver::cx(1), DragDriver::cy(3));
    QVERIFY(r.checkWin);
    QVERIFY(d.board.IsSolved());
    QCOMPARE(d.steps, 1);
}

void TestDrag::releaseWithoutPressDoesNothing()
{
    DragDriver d(test::classicStart());
    d.press(8, DragDriver::cx(0), DragDriver::cy(4));
    d.move(DragDriver::cx(1), DragDriver::cy(4));
    d.release(DragDriver::cx(1), DragDriver::cy(4));
    const Board before = d.board;
    const auto again = d.release(DragDriver::cx(1), DragDriver::cy(4));
    QVERIFY(!again.handled);
    QCOMPARE(d.board.grid, before.grid);
}

void TestDrag::movesOnlyWhileDragging()
{
    DragDriver d(test::classicStart());
    d.drag.dragPiece = 8;
    d.move(DragDriver::cx(2), DragDriver::cy(4));
    QCOMPARE(d.pictures[8], (PieceDrag::Cell{0, 4}));
}

QTEST_GUILESS_MAIN(TestDrag)
#include "test_drag.moc"
