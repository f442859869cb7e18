#include "model/board.h"
#include "tests/support/fixtures.h"

#include <QtTest>

using namespace quill;

class TestBoard : public QObject {
    Q_OBJECT

private slots:
    void shapesComeFromTheOneTable();
    void placingTheClassicStartLeavesTwoEmptyCells();
    void laterPiecesWinSharedCells();
    void pathTestWithEqualEndsTestsThePresentFootprint();
    void tallPieceSlidesDownOverItsOwnCells();
    void wideSlideNeedsTheWholeBandFree();
    void squareSlidingOntoTheGoalSolves();
    void unmarkThenMarkLeavesPassedCellsAlone();
    void solvedRightAfterPlacing();
    void positionValuesDecode();
    void allowedTopLeftCellsFollowTheShapes();
    void testsNeverReachOutsideTheGrid();
    void positionsRoundTrip();
};

static Board placed(const Positions& positions)
{
    Board board;
    board.ClearGrid();
    board.SetPiecePositions(positions);
    board.PlacePieces();
    return board;
}

void TestBoard::shapesComeFromTheOneTable()
{
    Board board;
    const int widths[] = {2, 2, 1, 1, 1, 1, 1, 1, 1, 1};
    const int heights[] = {2, 1, 2, 2, 2, 2, 1, 1, 1, 1};
    for (int i = 0; i < kPieceCount; ++i) {
        QCOMPARE(board.pieces[i].width, widths[i]);
        QCOMPARE(board.pieces[i].height, heights[i]);
    }
    QCOMPARE(QString(shapeOf(0).editorName), QStringLiteral("Ordrane"));
    QCOMPARE(QString(shapeOf(9).editorName), QStringLiteral("Soldier D"));
}

void TestBoard::placingTheClassicStartLeavesTwoEmptyCells()
{
    const Board board = placed(test::classicStart());
    const int16_t expected[5][4] = {{2, 0, 0, 3}, {2, 0, 0, 3}, {4, 1, 1, 5}, {4, 6, 7, 5},
                                    {8, -1, -1, 9}};
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            QCOMPARE(board.grid[r][c], expected[r][c]);
}

void TestBoard::laterPiecesWinSharedCells()
{
    // Every piece at position 0: the order 0,4,2,5,3,1,6,7,8,9 decides.
    Board board = placed(Positions{});
    QCOMPARE(board.grid[0][0], 9);
    QCOMPARE(board.grid[0][1], 1);  // 0 then 1 (wide)
    QCOMPARE(board.grid[1][0], 3);  // tall pieces: 4, 2, 5, 3 in that order
    QCOMPARE(board.grid[1][1], 0);
    QCOMPARE(board.grid[2][0], -1);

    // Pieces 0 and 6 both at 0.
    Positions p = test::classicStart();
    p[0] = 0;
    p[6] = 0;
    p[2] = 30;
    board = placed(p);
    QCOMPARE(board.grid[0][0], 6);
    QCOMPARE(board.grid[0][1], 0);
    QCOMPARE(board.grid[1][0], 0);
    QCOMPARE(board.grid[1][1], 0);
}

void TestBoard::pathTestWithEqualEndsTestsThePresentFootprint()
{
    const Board board = placed(test::classicStart());
    for (int i = 0; i < kPieceCount; ++i) {
        const Piece& p = board.pieces[i];
        QVERIFY(board.HorizontalPathFree(i, p.col, p.col, p.row));
        QVERIFY(board.VerticalPathFree(i, p.row, p.row, p.col));
    }
    // Another piece's footprint is not free.
    QVERIFY(!board.HorizontalPathFree(6, 2, 2, 3));
}

void TestBoard::tallPieceSlidesDownOverItsOwnCells()
{
    Board board;
    board.ClearGrid();
    board.MarkPiece(2, 2, 1);
    QVERIFY(board.VerticalPathFree(2, 1, 3, 2));
    board.MarkPiece(6, 2, 4);
    QVERIFY(!board.VerticalPathFree(2, 1, 3, 2));
    QVERIFY(board.VerticalPathFree(2, 1, 2, 2));
    board.UnmarkPiece(6, 2, 4);
    board.MarkPiece(7, 2, 3);
    QVERIFY(!board.VerticalPathFree(2, 1, 3, 2));
}

void TestBoard::wideSlideNeedsTheWholeBandFree()
{
    Board board;
    board.ClearGrid();
    board.MarkPiece(1, 2, 2);
    QVERIFY(board.HorizontalPathFree(1, 2, 0, 2));
    board.MarkPiece(6, 0, 2);
    QVERIFY(board.CellFree(1, 1, 2));
    QVERIFY(!board.HorizontalPathFree(1, 2, 0, 2));
    QVERIFY(!board.HorizontalPathFree(1, 0, 2, 2));  // symmetric in its ends
    QVERIFY(board.HorizontalPathFree(1, 2, 1, 2));
}

void TestBoard::squareSlidingOntoTheGoalSolves()
{
    Board board;
    board.ClearGrid();
    board.MarkPiece(0, 1, 2);
    board.MarkPiece(6, 1, 4);
    QVERIFY(!board.VerticalPathFree(0, 2, 3, 1));
    board.UnmarkPiece(6, 1, 4);
    board.MarkPiece(6, 0, 4);
    QVERIFY(board.VerticalPathFree(0, 2, 3, 1));
    QVERIFY(!board.IsSolved());
    board.UnmarkPiece(0, 1, 2);
    board.MarkPiece(0, 1, 3);
    QVERIFY(board.IsSolved());
    QCOMPARE(board.pieces[0].col, 1);
    QCOMPARE(board.pieces[0].row, 3);
    QCOMPARE(board.grid[2][1], -1);
}

void TestBoard::unmarkThenMarkLeavesPassedCellsAlone()
{
    Board board;
    board.ClearGrid();
    board.MarkPiece(6, 0, 4);
    board.grid[4][1] = 7;  // whatever stands there is not touched
    board.UnmarkPiece(6, 0, 4);
    board.MarkPiece(6, 3, 4);
    QCOMPARE(board.grid[4][0], -1);
    QCOMPARE(board.grid[4][1], 7);
    QCOMPARE(board.grid[4][2], -1);
    QCOMPARE(board.grid[4][3], 6);
}

void TestBoard::solvedRightAfterPlacing()
{
    Positions p = test::classicStart();
    p[0] = 31;
    p[6] = 1;
    p[7] = 2;
    p[1] = 11;
    QVERIFY(placed(p).IsSolved());
    QVERIFY(!placed(test::classicStart()).IsSolved());
    Board other = placed(test::classicStart());
    other.grid[3][1] = other.grid[3][2] = other.grid[4][1] = 0;
    QVERIFY(!other.IsSolved());
}

void TestBoard::positionValuesDecode()
{
    QCOMPARE(columnOf(43), 3);
    QCOMPARE(rowOf(43), 4);
    QCOMPARE(columnOf(0), 0);
    QCOMPARE(rowOf(0), 0);
    QCOMPARE(positionValue(2, 1), 12);
}

void TestBoard::allowedTopLeftCellsFollowTheShapes()
{
    QVERIFY(positionAllowed(0, 32));
    QVERIFY(!positionAllowed(0, 3));   // column 3
    QVERIFY(!positionAllowed(0, 40));  // row 4
    QVERIFY(positionAllowed(1, 42));
    QVERIFY(!positionAllowed(1, 43));
    QVERIFY(positionAllowed(2, 33));
    QVERIFY(!positionAllowed(2, 40));
    QVERIFY(positionAllowed(6, 43));
    QVERIFY(!positionAllowed(6, 44));  // column 4
    QVERIFY(!positionAllowed(6, 50));  // row 5
    QVERIFY(!positionAllowed(6, -1));
    QVERIFY(!positionAllowed(6, -10));
    QCOMPARE(firstMisplacedPiece(test::classicStart()), -1);
    Positions p = test::classicStart();
    p[5] = 7;
    p[8] = 99;
    QCOMPARE(firstMisplacedPiece(p), 5);
}

void TestBoard::testsNeverReachOutsideTheGrid()
{
    Board board;
    board.ClearGrid();
    QVERIFY(!board.CellFree(6, 4, 0));
    QVERIFY(!board.CellFree(6, -1, 0));
    QVERIFY(!board.CellFree(6, 0, 5));
    QVERIFY(!board.HorizontalPathFree(0, 0, 3, 0));
    QVERIFY(!board.VerticalPathFree(2, 0, 4, 0));
    // Marking a shape that reaches off the board writes only its cells on it.
    board.MarkPiece(0, 3, 4);
    QCOMPARE(board.grid[4][3], 0);
    int marked = 0;
    for (const auto& row : board.grid)
        for (int16_t v : row)
            marked += (v == 0);
    QCOMPARE(marked, 1);

    // A piece number outside the table is refused and touches nothing.
    const auto grid = board.grid;
    for (int16_t outside : {int16_t(-1), int16_t(kPieceCount)}) {
        QVERIFY(!topLeftAllowed(outside, 0, 0));
        QVERIFY(!board.HorizontalPathFree(outside, 0, 1, 1));
        QVERIFY(!board.VerticalPathFree(outside, 0, 1, 1));
        board.MarkPiece(outside, 1, 1);
        board.UnmarkPiece(outside, 3, 4);
        QCOMPARE(board.grid, grid);
    }
}

void TestBoard::positionsRoundTrip()
{
    const Board board = placed(test::classicStart());
    QCOMPARE(board.PiecePositions(), test::classicStart());
}

QTEST_GUILESS_MAIN(TestBoard)
#include "test_board.moc"
