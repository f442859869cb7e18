#include "tests/editor/editorsession.h"

#include "model/solver.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace quill;
using namespace quill::test;

// Choosing a piece or Blank, and placing, moving and removing pieces with
// clicks on the grid.
class TestEditorGrid : public QObject {
    Q_OBJECT


private slots:
    void verdictFollowsEveryChange();
    void keyboardAloneEditsTheGrid();
    void edgeRuleOfEachShapeClass_data();
    void edgeRuleOfEachShapeClass();
    void squareGoesIntoTheBottomRightCorner();
    void cellOfAnotherPieceRefusesTheClick();
    void clickOnTheOwnTopLeftCellChangesNothing();
    void tallPieceMovesDownOntoItsOwnCell();
    void placedPieceMovesInOneStep();
    void blankRemovesTheWholePieceFromAnyOfItsCells_data();
    void blankRemovesTheWholePieceFromAnyOfItsCells();
    void blankOnAnEmptyCellChangesNothing();
    void swatchClickChoosesThePieceAndMovesTheFocus();
    void blankSwatchChoosesBlankAndMovesTheFocus();
    void optionClickChoosesWithoutTouchingTheBoard();
    void choiceOutlivesLevelsAndCommands();
};

void TestEditorGrid::edgeRuleOfEachShapeClass_data()
{
    QTest::addColumn<int>("piece");
    QTest::addColumn<QSize>("cells");
    QTest::addColumn<QList<int>>("refused");  // label indices
    QTest::newRow("square") << 0 << QSize(2, 2) << QList<int>{3, 7, 11, 15, 16, 17, 18, 19};
    QTest::newRow("wide") << 1 << QSize(2, 1) << QList<int>{3, 7, 11, 15, 19};
    QTest::newRow("tall") << 4 << QSize(1, 2) << QList<int>{16, 17, 18, 19};
    QTest::newRow("single") << 8 << QSize(1, 1) << QList<int>{};
}

void TestEditorGrid::edgeRuleOfEachShapeClass()
{
    QFETCH(int, piece);
    QFETCH(QSize, cells);
    QFETCH(QList<int>, refused);
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    click(ed.cmdClear);
    const BoardView empty = viewOf(ed);
    choose(ed.optPieces[piece]);
    QCOMPARE(ed.selPiece, piece);

    for (int k = 0; k < frmLevelEd::kCellCount; ++k) {
        const int col = k % kColumns;
        const int row = k / kColumns;
        click(ed.lblGrid[k]);
        if (refused.contains(k)) {
            QVERIFY2(viewOf(ed) == empty, qPrintable(QStringLiteral("cell %1").arg(k)));
            QCOMPARE(ed.draft().board().pieces[piece].col, -1);
            continue;
        }
        QCOMPARE(ed.draft().board().pieces[piece].col, col);
        QCOMPARE(ed.draft().board().pieces[piece].row, row);
        const QRect footprint(col, row, cells.width(), cells.height());
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kColumns; ++c) {
                const int want = footprint.contains(c, r) ? piece : -1;
                QCOMPARE(int(cellAt(ed, c, r)), want);
            }
        }
        QCOMPARE(colourMismatch(ed), QString());
        click(ed.cmdClear);
    }
}

void TestEditorGrid::squareGoesIntoTheBottomRightCorner()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    click(ed.lblBlank);
    clickCell(ed, 2, 3);  // soldier B
    clickCell(ed, 3, 3);  // lower cell of Pellick
    clickCell(ed, 3, 4);  // soldier D
    click(ed.lblColor[0]);
    clickCell(ed, 2, 3);
    const Grid want = {{
        {2, -1, -1, 3},
        {2, -1, -1, 3},
        {4, 1, 1, -1},
        {4, 6, 0, 0},
        {8, -1, 0, 0},
    }};
    QCOMPARE(ed.draft().board().grid, want);
    QCOMPARE(ed.draft().board().pieces[0].col, 2);
    QCOMPARE(ed.draft().board().pieces[0].row, 3);
    QCOMPARE(colourMismatch(ed), QString());
}

void TestEditorGrid::cellOfAnotherPieceRefusesTheClick()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    const BoardView before = viewOf(ed);
    choose(ed.optPieces[6]);
    clickCell(ed, 1, 0);  // the square's cell
    QCOMPARE(viewOf(ed), before);
    // Tessamor's lower cell is its own, but the cell below it is Dunmale's.
    choose(ed.optPieces[2]);
    clickCell(ed, 0, 1);
    QCOMPARE(viewOf(ed), before);
    // The wide piece one row down would cover the soldiers.
    choose(ed.optPieces[1]);
    clickCell(ed, 1, 3);
    QCOMPARE(viewOf(ed), before);
    QCOMPARE(ed.draft().board().pieces[1].row, 2);
    QVERIFY(session.dialogs.messages.isEmpty());
}

void TestEditorGrid::clickOnTheOwnTopLeftCellChangesNothing()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    const BoardView before = viewOf(ed);
    for (int piece : {0, 1, 5, 9}) {
        choose(ed.optPieces[piece]);
        const Piece at = ed.draft().board().pieces[piece];
        clickCell(ed, at.col, at.row);
        QCOMPARE(viewOf(ed), before);
        QCOMPARE(ed.draft().board().pieces[piece].col, at.col);
        QCOMPARE(ed.draft().board().pieces[piece].row, at.row);
    }
}

void TestEditorGrid::tallPieceMovesDownOntoItsOwnCell()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    click(ed.cmdClear);
    click(ed.lblColor[2]);
    clickCell(ed, 0, 1);
    QCOMPARE(cellAt(ed, 0, 1), 2);
    QCOMPARE(cellAt(ed, 0, 2), 2);
    QCOMPARE(cellAt(ed, 0, 3), -1);

    clickCell(ed, 0, 2);
    QCOMPARE(cellAt(ed, 0, 1), -1);
    QCOMPARE(cellColour(ed, 0, 1), blankColour(ed));
    QCOMPARE(cellAt(ed, 0, 2), 2);
    QCOMPARE(cellAt(ed, 0, 3), 2);
    QCOMPARE(cellColour(ed, 0, 2), pieceColour(ed, 2));
    QCOMPARE(cellColour(ed, 0, 3), pieceColour(ed, 2));
    QCOMPARE(ed.draft().board().pieces[2].row, 2);
}

void TestEditorGrid::placedPieceMovesInOneStep()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    choose(ed.optPieces[9]);
    clickCell(ed, 1, 4);
    Grid want = classicGridWithout(9);
    want[4][1] = 9;
    QCOMPARE(ed.draft().board().grid, want);
    QCOMPARE(colourMismatch(ed), QString());
    // A piece that was off the board comes back with one click.
    click(ed.lblBlank);
    clickCell(ed, 1, 2);
    QCOMPARE(ed.draft().board().grid, [] {
        Grid g = classicGridWithout(9);
        g[4][1] = 9;
        g[2][1] = g[2][2] = -1;
        return g;
    }());
    choose(ed.optPieces[1]);
    clickCell(ed, 1, 2);
    QCOMPARE(ed.draft().board().grid, want);
    QCOMPARE(colourMismatch(ed), QString());
}

void TestEditorGrid::blankRemovesTheWholePieceFromAnyOfItsCells_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    const Grid grid = classicGrid();
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            if (grid[row][col] >= 0)
                QTest::addRow("piece %d at %d,%d", grid[row][col], col, row) << col << row;
        }
    }
}

void TestEditorGrid::blankRemovesTheWholePieceFromAnyOfItsCells()
{
    QFETCH(int, col);
    QFETCH(int, row);
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    const int piece = classicGrid()[row][col];
    choose(ed.optBlank);
    QCOMPARE(ed.selPiece, -1);
    clickCell(ed, col, row);
    QCOMPARE(ed.draft().board().grid, classicGridWithout(piece));
    QCOMPARE(colourMismatch(ed), QString());
    QCOMPARE(ed.draft().board().pieces[piece].col, -1);
    QCOMPARE(ed.draft().board().pieces[piece].row, -1);
    for (int other = 0; other < kPieceCount; ++other) {
        if (other != piece)
            QVERIFY(ed.draft().board().pieces[other].col >= 0);
    }
}

void TestEditorGrid::blankOnAnEmptyCellChangesNothing()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    const BoardView before = viewOf(ed);
    choose(ed.optBlank);
    clickCell(ed, 1, 4);
    clickCell(ed, 2, 4);
    QCOMPARE(viewOf(ed), before);
}

void TestEditorGrid::swatchClickChoosesThePieceAndMovesTheFocus()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    const BoardView before = viewOf(ed);
    click(ed.lblColor[4]);
    QVERIFY(ed.optPieces[4]->isChecked());
    QCOMPARE(ed.selPiece, 4);
    QCOMPARE(QApplication::focusWidget(), ed.optPieces[4]);
    QCOMPARE(viewOf(ed), before);

    // The swatch of the piece already chosen still takes the focus back.
    click(ed.txtLevelName);
    QCOMPARE(QApplication::focusWidget(), ed.txtLevelName);
    click(ed.lblColor[4]);
    QCOMPARE(QApplication::focusWidget(), ed.optPieces[4]);
    QCOMPARE(ed.selPiece, 4);
}

void TestEditorGrid::blankSwatchChoosesBlankAndMovesTheFocus()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    click(ed.cmdNext);
    QCOMPARE(QApplication::focusWidget(), ed.cmdNext);
    click(ed.lblBlank);
    QVERIFY(ed.optBlank->isChecked());
    QVERIFY(!ed.optPieces[0]->isChecked());
    QCOMPARE(ed.selPiece, -1);
    QCOMPARE(QApplication::focusWidget(), ed.optBlank);
}

void TestEditorGrid::optionClickChoosesWithoutTouchingTheBoard()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    const BoardView before = viewOf(ed);
    choose(ed.optPieces[7]);
    QCOMPARE(ed.selPiece, 7);
    QCOMPARE(QApplication::focusWidget(), ed.optPieces[7]);
    choose(ed.optBlank);
    QCOMPARE(ed.selPiece, -1);
    QVERIFY(!ed.optPieces[7]->isChecked());
    choose(ed.optPieces[0]);
    QCOMPARE(ed.selPiece, 0);
    QCOMPARE(viewOf(ed), before);
}

void TestEditorGrid::choiceOutlivesLevelsAndCommands()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    click(ed.lblColor[5]);
    for (QPushButton* command : {ed.cmdNext, ed.cmdClear, ed.cmdSave, ed.cmdPrev}) {
        click(command);
        QCOMPARE(ed.selPiece, 5);
        QVERIFY(ed.optPieces[5]->isChecked());
    }
}

void TestEditorGrid::verdictFollowsEveryChange()
{
    LevelTable levels = sampleLevels();
    // Level 2: the principal piece one row above the goal, the cells below it free.
    levels[1].positions = oneSlideFromTheGoal();
    // Level 3: two pieces overlap; level 4: a piece without a place.
    levels[2].positions[6] = 0;
    levels[3].positions[3] = 45;
    // Level 5: no sequence of slides solves it.
    const std::vector<uint8_t> distance = slideSolver().distanceTable();
    const auto stuck = std::find(distance.begin(), distance.end(), SlideSolver::kUnsolvable);
    levels[4].positions = slideSolver().positionsAt(static_cast<int>(stuck - distance.begin()));
    EditorSession session(levels);
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    const QLabel* verdict = ed.lblVerdict;
    QCOMPARE(verdict->text(), QStringLiteral("Fewest steps: 90"));
    click(ed.lblBlank);
    clickCell(ed, 3, 4);
    QCOMPARE(verdict->text(), QStringLiteral("Soldier D is not on the board."));
    click(ed.lblColor[9]);
    clickCell(ed, 3, 4);
    QCOMPARE(verdict->text(), QStringLiteral("Fewest steps: 90"));
    click(ed.lblColor[0]);
    click(ed.cmdNext);
    QCOMPARE(verdict->text(), QStringLiteral("Fewest steps: 1"));
    // The principal piece moved onto the goal by a click.
    clickCell(ed, 1, 3);
    QCOMPARE(verdict->text(), QStringLiteral("Already solved"));
    click(ed.cmdNext);
    QCOMPARE(verdict->text(), QStringLiteral("Tessamor and Soldier A share the cell in column 1, row 1."));
    click(ed.cmdNext);
    QCOMPARE(verdict->text(), QStringLiteral("Kirrow has no place on the board at position value 45."));
    click(ed.cmdNext);
    QCOMPARE(verdict->text(), QStringLiteral("Cannot be solved"));
    click(ed.cmdClear);
    QCOMPARE(verdict->text(), QStringLiteral("Ordrane is not on the board."));
}

void TestEditorGrid::keyboardAloneEditsTheGrid()
{
    EditorSession session;
    QVERIFY(session.opened());
    frmLevelEd& ed = session.ed();
    auto key = [](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, m);
    };
    // From the first option button, Shift+Tab goes round to the grid.
    QTRY_COMPARE(QApplication::focusWidget(), ed.optPieces[0]);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), ed.picGrid);
    auto heard = [&ed] {
        return QAccessible::queryAccessibleInterface(ed.picGrid)->text(QAccessible::Name);
    };
    QCOMPARE(heard(), QStringLiteral("Grid, column 1, row 1: Tessamor"));
    // Down to the bottom row, right to its second cell: empty.
    for (int i = 0; i < 6; ++i)
        key(Qt::Key_Down);
    key(Qt::Key_Right);
    QCOMPARE(ed.picGrid->cell(), 17);
    QCOMPARE(heard(), QStringLiteral("Grid, column 2, row 5: empty"));
    // Ordrane is chosen: it does not fit there; Space changes nothing.
    const BoardView before = viewOf(ed);
    key(Qt::Key_Space);
    QVERIFY(viewOf(ed) == before);
    // Tab to the chosen option, arrow down to Soldier D, back to the grid.
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ed.optPieces[0]);
    for (int i = 0; i < 9; ++i)
        key(Qt::Key_Down);
    QCOMPARE(ed.selPiece, 9);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), ed.picGrid);
    key(Qt::Key_Space);
    QCOMPARE(cellAt(ed, 1, 4), int16_t(9));
    QCOMPARE(cellAt(ed, 3, 4), Board::kEmpty);
    QCOMPARE(heard(), QStringLiteral("Grid, column 2, row 5: Soldier D"));
    QCOMPARE(QAccessible::queryAccessibleInterface(ed.lblGrid[19])->text(QAccessible::Name),
             QStringLiteral("column 4, row 5: empty"));
    QCOMPARE(colourMismatch(ed), QString());
    // Back past Clear and Exit to Save, which Enter presses.
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), ed.cmdSave);
    key(Qt::Key_Return);
    QCOMPARE(decodeLevelTable(session.fileBytes())[0].positions[9], int16_t(41));
}

QTEST_MAIN(TestEditorGrid)
#include "test_editor_grid.moc"
