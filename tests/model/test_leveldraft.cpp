// The level being edited, without a window: decoding a record onto the
// board, the place and remove rule of a click, storing, stepping through
// the levels, the verdict and what counts as unsaved.

#include "model/leveldraft.h"
#include "model/solver.h"
#include "tests/support/fixtures.h"

#include <QtTest>
#include <algorithm>

using namespace quill;

namespace {

using Grid = decltype(Board::grid);
constexpr int16_t kBlank = LevelDraft::kBlank;

LevelDraft draftOf(const Positions& first)
{
    LevelTable levels = test::sampleLevels();
    levels[0].positions = first;
    LevelDraft draft;
    draft.Load(levels);
    return draft;
}

}  // namespace

class TestLevelDraft : public QObject {
    Q_OBJECT

private slots:
    void clicksPlaceMoveAndRemove_data();
    void clicksPlaceMoveAndRemove();
    void levelsWrapAndStoreWhatTheBoardShows();
    void misplacedPieceStaysOffTheBoardAndKeepsItsValue();
    void nameIsKeptByteForByteUntilItIsEdited();
    void verdictSaysWhatKeepsTheLevelFromBeingPlayed();
    void onlyARealChangeIsUnsaved();
};

void TestLevelDraft::clicksPlaceMoveAndRemove_data()
{
    // On the classic start: 2 | 0 0 | 3 over 4 | 1 1 | 5, singles 6 and 7
    // at (1,3) and (2,3), 8 and 9 in row 4's corners; (1,4), (2,4) empty.
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QPoint>("placedAt");  // the piece's top-left afterwards; (-1,-1) off the board
    QTest::newRow("single onto an empty cell") << 8 << 1 << 4 << true << QPoint(1, 4);
    QTest::newRow("single onto another piece") << 8 << 1 << 3 << false << QPoint(0, 4);
    QTest::newRow("wide in column 3") << 1 << 3 << 4 << false << QPoint(1, 2);
    QTest::newRow("square in row 4") << 0 << 1 << 4 << false << QPoint(1, 0);
    QTest::newRow("square on its own top-left") << 0 << 1 << 0 << true << QPoint(1, 0);
    QTest::newRow("blank on a lower cell of a tall piece") << int(kBlank) << 0 << 3 << true << QPoint(-1, -1);
    QTest::newRow("blank on the square in row 0") << int(kBlank) << 2 << 0 << true << QPoint(-1, -1);
    QTest::newRow("blank on an empty cell") << int(kBlank) << 2 << 4 << false << QPoint(-1, -1);
}

void TestLevelDraft::clicksPlaceMoveAndRemove()
{
    QFETCH(int, piece);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(bool, changed);
    QFETCH(QPoint, placedAt);
    LevelDraft draft = draftOf(test::classicStart());
    const Grid before = draft.board().grid;
    const int16_t covering = draft.board().cell(col, row);
    QCOMPARE(draft.ClickCell(static_cast<int16_t>(piece), static_cast<int16_t>(col), static_cast<int16_t>(row)),
             changed);
    const int moved = piece == kBlank ? covering : piece;
    if (moved >= 0) {
        const Piece& p = draft.board().pieces[moved];
        QCOMPARE(QPoint(p.col, p.row), placedAt);
    }
    if (!changed)
        QCOMPARE(draft.board().grid, before);
    // Every cell of the grid belongs to the piece that stands there.
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const int16_t owner = draft.board().cell(c, r);
            if (owner < 0)
                continue;
            const Piece& p = draft.board().pieces[owner];
            QVERIFY(c >= p.col && c < p.col + p.width && r >= p.row && r < p.row + p.height);
        }
    }
}

void TestLevelDraft::levelsWrapAndStoreWhatTheBoardShows()
{
    LevelDraft draft = draftOf(test::classicStart());
    draft.Prev();
    QCOMPARE(draft.curLevel(), int16_t(69));
    draft.Next();
    QCOMPARE(draft.curLevel(), int16_t(0));
    // Cleared and left: stored with every piece at 0 and the name as it was.
    draft.ClearBoard();
    draft.Next();
    QCOMPARE(draft.levels()[0].positions, Positions{});
    QCOMPARE(draft.levels()[0].name, test::sampleLevels()[0].name);
    // Shown again, the overlapping pieces hold the cells in index order.
    draft.Prev();
    QCOMPARE(draft.board().cell(0, 0), int16_t(9));
    QCOMPARE(draft.board().cell(1, 0), int16_t(1));
    QCOMPARE(draft.board().cell(0, 1), int16_t(5));
    QCOMPARE(draft.board().cell(1, 1), int16_t(0));
}

void TestLevelDraft::misplacedPieceStaysOffTheBoardAndKeepsItsValue()
{
    Positions start = test::classicStart();
    start[3] = 45;
    LevelDraft draft = draftOf(start);
    QCOMPARE(draft.board().pieces[3].col, LevelDraft::kOffBoard);
    QCOMPARE(draft.LevelAsStored().positions[3], int16_t(45));
    QCOMPARE(draft.Verdict(), QStringLiteral("Kirrow has no place on the board at position value 45."));
    // Once placed, it is stored where it stands.
    QVERIFY(draft.ClickCell(3, 3, 0));
    QCOMPARE(draft.LevelAsStored().positions[3], int16_t(3));
    draft.Prev();
    QCOMPARE(draft.levels()[0].positions[3], int16_t(3));

    // Cleared, the board is free everywhere and no stored value is kept.
    LevelDraft cleared = draftOf(start);
    cleared.ClearBoard();
    QCOMPARE(cleared.LevelAsStored().positions[3], int16_t(0));
    QVERIFY(cleared.ClickCell(8, 1, 2));  // where the wide piece stood
}

void TestLevelDraft::nameIsKeptByteForByteUntilItIsEdited()
{
    LevelTable levels = test::sampleLevels();
    levels[0].name = QStringLiteral("Ab") + QString(8, QChar(0));
    levels[1].name = QString(10, QChar(0));
    LevelDraft draft;
    draft.Load(levels);
    draft.Next();
    QCOMPARE(draft.shownName(), QString());
    draft.Prev();
    QCOMPARE(draft.shownName(), QStringLiteral("Ab"));
    QCOMPARE(draft.LevelAsStored().name, levels[0].name);
    draft.SetNameText(QStringLiteral("Abc"));
    QCOMPARE(draft.LevelAsStored().name, QStringLiteral("Abc       "));
}

void TestLevelDraft::verdictSaysWhatKeepsTheLevelFromBeingPlayed()
{
    LevelDraft draft = draftOf(test::classicStart());
    QCOMPARE(draft.Verdict(), QStringLiteral("Fewest steps: 90"));
    draft.ClickCell(kBlank, 3, 4);
    QCOMPARE(draft.Verdict(), QStringLiteral("Soldier D is not on the board."));
    Positions overlapping = test::classicStart();
    overlapping[6] = 0;
    QCOMPARE(draftOf(overlapping).Verdict(), QStringLiteral("Tessamor and Soldier A share the cell in column 1, row 1."));
    Positions won = test::oneSlideFromTheGoal();
    won[0] = 31;
    won[8] = 21;
    won[9] = 22;
    QCOMPARE(draftOf(won).Verdict(), QStringLiteral("Already solved"));
    const std::vector<uint8_t> distance = slideSolver().distanceTable();
    const auto stuck = std::find(distance.begin(), distance.end(), SlideSolver::kUnsolvable);
    QCOMPARE(draftOf(slideSolver().positionsAt(int(stuck - distance.begin()))).Verdict(),
             QStringLiteral("Cannot be solved"));
}

void TestLevelDraft::onlyARealChangeIsUnsaved()
{
    LevelDraft draft = draftOf(test::classicStart());
    QVERIFY(!draft.HasUnsavedChanges());
    draft.ClickCell(8, 1, 4);
    QVERIFY(draft.HasUnsavedChanges());
    draft.ClickCell(8, 0, 4);
    QVERIFY(!draft.HasUnsavedChanges());
    draft.SetNameText(QStringLiteral("Other"));
    draft.Next();
    QVERIFY(draft.HasUnsavedChanges());
    draft.Saved();
    QVERIFY(!draft.HasUnsavedChanges());
}

QTEST_GUILESS_MAIN(TestLevelDraft)
#include "test_leveldraft.moc"
