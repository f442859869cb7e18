// The game in progress: undo and redo, hints, the solution shown, keyboard
// play over the drag rules, the player's record, and what the screen reader
// is told.

#include "model/gamesession.h"
#include "model/levelcode.h"
#include "model/progress.h"
#include "model/solver.h"
#include "model/spoken.h"
#include "tests/support/dragdriver.h"
#include "tests/support/fixtures.h"

#include <QtTest>
#include <limits>

using namespace quill;
using Key = GameSession::Key;

namespace {

using Cell = PieceDrag::Cell;
using test::startedSession;

// One mouse drag of `piece` from the centre of one of its cells to the
// centre of another cell.
GameSession::Outcome mouseSlide(GameSession& s, int piece, Cell from, Cell to)
{
    return test::sessionDrag(s, piece, {QPoint(from.col, from.row), QPoint(to.col, to.row)});
}

// Presses keys given as letters: l r u d for the arrows, p for Space, x for Esc.
GameSession::Outcome keys(GameSession& s, const char* script)
{
    GameSession::Outcome last;
    for (const char* c = script; *c; ++c) {
        switch (*c) {
        case 'l': last = s.PressKey(Key::Left); break;
        case 'r': last = s.PressKey(Key::Right); break;
        case 'u': last = s.PressKey(Key::Up); break;
        case 'd': last = s.PressKey(Key::Down); break;
        case 'p': last = s.PressKey(Key::PickUpOrPutDown); break;
        case 'x': last = s.PressKey(Key::PutBack); break;
        }
    }
    return last;
}

// The board stands whole: its grid is the one its pieces make.
bool wholeBoard(const GameSession& s)
{
    Board fresh;
    fresh.ClearGrid();
    fresh.SetPiecePositions(s.board().PiecePositions());
    fresh.PlacePieces();
    return fresh.grid == s.board().grid;
}

// Follows hint after hint to the win, as a player would; the slides taken.
int followHints(GameSession& s)
{
    int slides = 0;
    while (const std::optional<GameSession::Hint> next = s.FindHint()) {
        const Piece& p = s.board().pieces[next->piece];
        ++slides;
        if (mouseSlide(s, next->piece, {p.col, p.row}, next->target).won)
            break;
    }
    return slides;
}

}  // namespace

class TestSession : public QObject {
    Q_OBJECT

private slots:
    void levelsAreStartedLoadedSavedAndRecorded();
    void undoAndRedoRetraceTheSlides();
    void redoOntoTheGoalWins();
    void nothingToTakeBackBeforeAGameOrAfterAWin();
    void stepCountStopsAtItsTopAndUndoRestoresIt();
    void hintIsTheFirstSlideOfAShortestSolution();
    void hintWithoutSolutionAndWhenItGoes();
    void shownSolutionWinsInTheFewestSteps_data();
    void shownSolutionWinsInTheFewestSteps();
    void stoppedSolutionLeavesAWholePositionAndNoRecord();
    void keyboardSelectionFindsTheNearestPiece();
    void keyboardSlidesFollowTheDragRules();
    void keyboardPutBackAndWin();
    void progressKeepsTheBestOfTheLevelAsPlayed();
    void brokenProgressFilesReadAsEmpty_data();
    void brokenProgressFilesReadAsEmpty();
    void recordNeverClaimsFewerStepsThanTheStartNeeds();
    void equalWinIsNoNewRecordAndLeavesTheFile();
    void shorterRecordFileHoldsOnlyTheNewContent();
    void recordFileIsReadWholeOrLeftAlone();
    void randomLevelsCountOnceWithTheirBest();
    void randomLevelPlaysSavesLoadsAndWins();
    void spokenNamesSayWhatAndWhere();
};

void TestSession::levelsAreStartedLoadedSavedAndRecorded()
{
    QTemporaryDir dir;
    const QString record = dir.filePath("qlm-progress.txt");
    GameSession s(record);
    LevelTable levels = test::sampleLevels();
    levels[1].positions = test::oneSlideFromTheGoal();
    levels[2].positions[4] = 43;  // a tall piece in row 4 cannot be played
    s.SetLevels(levels);
    QVERIFY(!s.canSave());
    QCOMPARE(s.levelVerdicts()[1].steps, 1);
    QVERIFY(!s.levelVerdicts()[2].valid());

    QVERIFY(s.StartLevel(1));
    QString refusal;
    QVERIFY(!s.StartLevel(2, &refusal));
    QCOMPARE(refusal, QStringLiteral("Level 3 cannot be played because Dunmale has no place on the board at "
                                     "position value 43."));
    for (int16_t outside : {int16_t(-1), int16_t(kLevelCount)})
        QVERIFY(!s.StartLevel(outside));
    QCOMPARE(s.levelIndex(), int16_t(1));
    QVERIFY(s.canSave());

    // A saved game of level 1 renames it and goes on from its steps; its
    // record reads back as the same game, and Restart goes back to the
    // collection's start.
    SavedGame saved;
    saved.level = 1;
    saved.steps = 7;
    saved.name = QStringLiteral("Saved name");
    saved.positions = test::oneSlideFromTheGoal();
    saved.positions[8] = 41;
    SavedGame offTheBoard = saved;
    offTheBoard.positions[4] = 43;
    QVERIFY(!s.LoadGame(offTheBoard));
    QCOMPARE(s.levels()[1].name, levels[1].name);
    for (int16_t outside : {int16_t(-1), int16_t(kLevelCount)}) {
        offTheBoard = saved;
        offTheBoard.level = outside;
        QVERIFY(!s.LoadGame(offTheBoard));
    }
    QVERIFY(s.LoadGame(saved));
    QCOMPARE(s.levels()[1].name, saved.name);
    QCOMPARE(s.levelName(), saved.name);
    QCOMPARE(s.SavedRecord(), saved);
    // Restart in the middle of a drag, after a slide.
    mouseSlide(s, 8, {1, 4}, {0, 4});
    test::SessionPointer pointer{s};
    test::StepwiseDrag<test::SessionPointer>{pointer, 7}.press(test::cellCentre(2, 1));
    QVERIFY(s.gameChanged() && s.dragging());
    QVERIFY(s.StartLevel(s.levelIndex()));
    QCOMPARE(s.board().PiecePositions(), test::oneSlideFromTheGoal());
    QCOMPARE(s.steps(), 0);
    QVERIFY(!s.gameChanged() && !s.dragging());

    // The win goes into the record.
    QVERIFY(mouseSlide(s, 0, {1, 2}, {1, 3}).won);
    s.Win();
    QVERIFY(!s.canSave());
    QCOMPARE(readProgressFile(record).bestFor(1, test::oneSlideFromTheGoal()), std::optional<int32_t>(1));

    // A new collection is judged anew.
    levels[1].positions = test::classicStart();
    s.SetLevels(levels);
    QCOMPARE(s.levelVerdicts()[1].steps, 90);
}

void TestSession::undoAndRedoRetraceTheSlides()
{
    GameSession s = startedSession(test::classicStart(), 5);
    const Board atStart = s.board();
    // Single 8 from (0,4) right to (1,4), then single 9 from (3,4) left to (2,4).
    QVERIFY(mouseSlide(s, 8, {0, 4}, {1, 4}).committed);
    QVERIFY(mouseSlide(s, 9, {3, 4}, {2, 4}).committed);
    const Board afterTwo = s.board();
    QCOMPARE(s.steps(), 7);
    s.SetUnchanged();

    QVERIFY(s.Undo().committed);
    QCOMPARE(s.steps(), 6);
    QVERIFY(s.gameChanged());
    QCOMPARE(s.board().pieces[9].col, 3);
    QCOMPARE(s.board().cell(3, 4), int16_t(9));
    QCOMPARE(s.board().cell(2, 4), Board::kEmpty);
    s.Undo();
    QCOMPARE(s.board().grid, atStart.grid);
    QCOMPARE(s.steps(), 5);
    QVERIFY(!s.canUndo());
    QVERIFY(s.canRedo());

    const GameSession::Outcome redone = s.Redo();
    QVERIFY(redone.handled && redone.committed && !redone.won);
    s.Redo();
    QCOMPARE(s.board().grid, afterTwo.grid);
    QCOMPARE(s.steps(), 7);
    QVERIFY(!s.canRedo());

    // A new slide empties what could be put back; a drag that ends where it
    // started is no slide and keeps it.
    s.Undo();
    mouseSlide(s, 9, {3, 4}, {3, 4});
    QVERIFY(s.canRedo());
    mouseSlide(s, 8, {1, 4}, {0, 4});
    QVERIFY(!s.canRedo());
    QCOMPARE(s.steps(), 7);

    // Starting the level again leaves nothing to take back or put back,
    // also with a slide undone just before.
    s.Undo();
    QVERIFY(s.canRedo());
    QVERIFY(s.StartLevel(0));
    const Board restarted = s.board();
    QVERIFY(!s.canUndo());
    QVERIFY(!s.canRedo());
    QVERIFY(!s.Redo().handled);
    QCOMPARE(s.board().grid, restarted.grid);

    // Pieces taken by their right or lower half go back whole.
    mouseSlide(s, 8, {0, 4}, {1, 4});
    QVERIFY(mouseSlide(s, 4, {0, 3}, {0, 4}).committed);
    s.Undo();
    QCOMPARE(s.board().PiecePositions()[4], int16_t(20));
    QVERIFY(s.StartLevel(0));
    mouseSlide(s, 6, {1, 3}, {1, 4});
    mouseSlide(s, 7, {2, 3}, {2, 4});
    QVERIFY(mouseSlide(s, 1, {2, 2}, {2, 3}).committed);
    QCOMPARE(s.board().cell(1, 2), Board::kEmpty);
    s.Undo();
    QCOMPARE(s.board().PiecePositions()[1], int16_t(21));
}

void TestSession::redoOntoTheGoalWins()
{
    GameSession s = startedSession(test::oneSlideFromTheGoal());
    const GameSession::Outcome win = mouseSlide(s, 0, {1, 2}, {1, 3});
    QVERIFY(win.won);
    QVERIFY(!s.Undo().won);
    QVERIFY(!s.board().IsSolved());
    const GameSession::Outcome redo = s.Redo();
    QVERIFY(redo.won);
    QVERIFY(s.board().IsSolved());
    QCOMPARE(s.steps(), 1);
}

void TestSession::nothingToTakeBackBeforeAGameOrAfterAWin()
{
    GameSession none;
    QVERIFY(!none.canUndo());
    QVERIFY(!none.Undo().handled);
    QVERIFY(!none.FindHint());
    QVERIFY(!none.PressKey(Key::Right).handled);

    GameSession s = startedSession(test::oneSlideFromTheGoal());
    mouseSlide(s, 8, {0, 4}, {1, 4});
    mouseSlide(s, 8, {1, 4}, {0, 4});
    mouseSlide(s, 0, {1, 2}, {1, 3});
    s.Win();
    QVERIFY(!s.canUndo());
    QVERIFY(!s.Undo().handled);
    QVERIFY(!s.FindHint());
    QVERIFY(!s.gameChanged());
}

void TestSession::stepCountStopsAtItsTopAndUndoRestoresIt()
{
    constexpr int32_t top = std::numeric_limits<int32_t>::max();
    GameSession s = startedSession(test::classicStart(), top - 1);
    mouseSlide(s, 8, {0, 4}, {1, 4});
    mouseSlide(s, 8, {1, 4}, {0, 4});
    QCOMPARE(s.steps(), top);
    s.Undo();
    QCOMPARE(s.steps(), top);
    s.Undo();
    QCOMPARE(s.steps(), top - 1);
}

void TestSession::hintIsTheFirstSlideOfAShortestSolution()
{
    GameSession s = startedSession(test::classicStart());
    const std::optional<GameSession::Hint> hint = s.FindHint();
    QVERIFY(hint);
    QCOMPARE(hint->stepsLeft, 90);
    QVERIFY(!s.gameChanged());
    QCOMPARE(s.steps(), 0);

    // Following it leaves one step fewer, with the hinted piece moved.
    const Piece& piece = s.board().pieces[hint->piece];
    const Cell from{piece.col, piece.row};
    mouseSlide(s, hint->piece, from, hint->target);
    QCOMPARE((Cell{s.board().pieces[hint->piece].col, s.board().pieces[hint->piece].row}), hint->target);
    QCOMPARE(slideSolver().solve(s.board().PiecePositions()).steps(), 89);

    // Following hint after hint finishes the level.
    int slides = 1;
    GameSession::Outcome last;
    while (const std::optional<GameSession::Hint> next = s.FindHint()) {
        const Piece& p = s.board().pieces[next->piece];
        last = mouseSlide(s, next->piece, {p.col, p.row}, next->target);
        ++slides;
        if (last.won)
            break;
    }
    QVERIFY(last.won);
    QCOMPARE(slides, 90);
}

void TestSession::hintWithoutSolutionAndWhenItGoes()
{
    // Find an unsolvable position to play from.
    const SlideSolver& solver = slideSolver();
    const std::vector<uint8_t> distance = solver.distanceTable();
    const auto stuck = std::find(distance.begin(), distance.end(), SlideSolver::kUnsolvable);
    QVERIFY(stuck != distance.end());
    GameSession lost = startedSession(solver.positionsAt(static_cast<int>(stuck - distance.begin())));
    QVERIFY(!lost.FindHint());
    QVERIFY(!lost.hint());

    GameSession s = startedSession(test::classicStart());
    auto hinted = [&s] { return s.FindHint().has_value(); };
    QVERIFY(hinted());
    s.MousePress(8, 30, 30);
    QVERIFY(!s.hint());
    s.MouseRelease(30 + 60, 30);
    QVERIFY(hinted());
    s.Undo();
    QVERIFY(!s.hint());
    QVERIFY(hinted());
    s.Redo();
    QVERIFY(!s.hint());
    QVERIFY(hinted());
    keys(s, "r");
    QVERIFY(s.hint());  // the selection frame appearing is no press on a piece
    keys(s, "p");
    QVERIFY(!s.hint());
    keys(s, "x");
    QVERIFY(hinted());
    s.StartLevel(0);
    QVERIFY(!s.hint());

    // On the goal already: the hint is to let go of the principal piece
    // where it stands, and putting it back there is still no win.
    GameSession solved = startedSession({31, 21, 0, 3, 20, 23, 11, 12, 40, 43});
    const std::optional<GameSession::Hint> letGo = solved.FindHint();
    QVERIFY(letGo && letGo->piece == 0);
    QCOMPARE(letGo->target, (Cell{1, 3}));
    keys(solved, "dp");
    QVERIFY(!keys(solved, "x").won);
}

void TestSession::shownSolutionWinsInTheFewestSteps_data()
{
    QTest::addColumn<Positions>("start");
    QTest::addColumn<int>("steps");
    const std::vector<uint8_t>& distance = slideDistances();
    const auto far = std::find(distance.begin(), distance.end(), 57);
    QTest::newRow("classic start") << test::classicStart() << 0;
    QTest::newRow("a saved game") << slideSolver().positionsAt(static_cast<int>(far - distance.begin())) << 12;
    QTest::newRow("one slide") << test::oneSlideFromTheGoal() << 3;
    QTest::newRow("on the goal") << Positions{31, 21, 0, 3, 20, 23, 11, 12, 40, 43} << 7;
}

void TestSession::shownSolutionWinsInTheFewestSteps()
{
    QFETCH(Positions, start);
    QFETCH(int, steps);
    QTemporaryDir dir;
    GameSession s(dir.filePath("qlm-progress.txt"));
    s.SetLevels(test::sampleLevels());
    QVERIFY(s.LoadGame(SavedGame{steps, 0, QStringLiteral("Shown"), start}));
    const int fewest = fewestSteps(start);
    QVERIFY(s.StartSolution());
    int slides = 0;
    GameSession::Outcome last;
    while (s.showingSolution()) {
        last = s.PlaySolutionSlide();
        QVERIFY(last.handled);
        slides += last.committed ? 1 : 0;
        QCOMPARE(s.steps(), steps + slides);
        QVERIFY(wholeBoard(s));
    }
    QVERIFY(last.won);
    QCOMPARE(slides, fewest);
    QVERIFY(s.board().IsSolved());
    QVERIFY(s.gameChanged() || fewest == 0);
    QVERIFY(s.assisted());
    s.Win();
    QVERIFY(!QFile::exists(dir.filePath("qlm-progress.txt")));
}

void TestSession::stoppedSolutionLeavesAWholePositionAndNoRecord()
{
    QTemporaryDir dir;
    const QString record = dir.filePath("qlm-progress.txt");
    GameSession s(record);
    s.SetLevels(test::sampleLevels());
    QVERIFY(s.StartLevel(1));
    QVERIFY(s.StartSolution());
    for (int i = 0; i < 3; ++i)
        s.PlaySolutionSlide();
    s.StopSolution();
    QVERIFY(!s.showingSolution());
    QVERIFY(!s.PlaySolutionSlide().handled);
    QCOMPARE(s.steps(), 3);
    QCOMPARE(fewestSteps(s.board().PiecePositions()), 87);
    QVERIFY(wholeBoard(s));
    QVERIFY(spokenBoard(s).description.startsWith(QStringLiteral("Solution, step 3 of 90: slide the ")));

    // The player takes over: the shown slides come back one by one, and a
    // win of this game is still no record.
    for (int i = 0; i < 3; ++i)
        QVERIFY(s.Undo().committed);
    QCOMPARE(s.board().PiecePositions(), test::classicStart());
    QVERIFY(!s.shownSlide());
    QCOMPARE(followHints(s), 90);
    s.Win();
    QVERIFY(!QFile::exists(record));

    // A restart is the player's own game again; any input ends a show.
    QVERIFY(s.StartLevel(1));
    QVERIFY(!s.assisted());
    QVERIFY(s.StartSolution());
    s.MousePress(8, 30, 30);
    QVERIFY(!s.showingSolution());
    s.MouseRelease(30, 30);
    QCOMPARE(followHints(s), 90);
    s.Win();
    QCOMPARE(readProgressFile(record).bestFor(1, test::classicStart()), std::optional<int32_t>(90));

    GameSession lost = startedSession(slideSolver().positionsAt(static_cast<int>(
        std::find(slideDistances().begin(), slideDistances().end(), SlideSolver::kUnsolvable) - slideDistances().begin())));
    QVERIFY(!lost.StartSolution());
    QVERIFY(!lost.showingSolution());
}

void TestSession::keyboardSelectionFindsTheNearestPiece()
{
    // Classic start: 2 | 0 0 | 3 over 4 | 1 1 | 5, singles 6 7 in row 3,
    // 8 and 9 in row 4's corners.
    GameSession s = startedSession(test::classicStart());
    QVERIFY(!s.selectionShown());
    QVERIFY(!keys(s, "p").handled);  // no frame yet: nothing to pick up
    keys(s, "d");
    QVERIFY(s.selectionShown());
    QCOMPARE(s.selectedPiece(), 0);  // the first arrow only shows the frame
    const QList<QPair<const char*, int>> moves = {
        {"d", 1}, {"d", 6}, {"r", 7}, {"r", 5}, {"u", 3}, {"u", 3}, {"l", 0}, {"l", 2},
        {"l", 2}, {"d", 4}, {"d", 8}, {"r", 9},
    };
    for (const auto& [key, piece] : moves) {
        keys(s, key);
        QCOMPARE(s.selectedPiece(), piece);
    }
    QCOMPARE(s.steps(), 0);
    QCOMPARE(s.board().PiecePositions(), test::classicStart());

    // Centres half a cell apart count: the wide piece at the right edge
    // finds the single under its right half. Rows 0-1: 0 0 2 3, rows 2-3:
    // 4 5 1 1 over 4 5 6 7, row 4: 8 9 . .
    GameSession edge = startedSession({0, 22, 2, 3, 20, 21, 32, 33, 40, 41});
    const GameSession::Outcome shown = keys(edge, "d");
    QVERIFY(shown.handled && !shown.committed && !shown.won);
    for (const auto& [key, piece] : QList<QPair<const char*, int>>{{"r", 2}, {"d", 6}, {"u", 1}, {"r", 7}}) {
        const GameSession::Outcome moved = keys(edge, key);
        QVERIFY(moved.handled && !moved.committed && !moved.won);
        QCOMPARE(edge.selectedPiece(), piece);
    }
}

void TestSession::keyboardSlidesFollowTheDragRules()
{
    GameSession s = startedSession(test::classicStart());
    keys(s, "rddd");  // frame on 0, then 1, 6, 8
    QCOMPARE(s.selectedPiece(), 8);
    const GameSession::Outcome picked = keys(s, "p");
    QVERIFY(picked.handled && !picked.committed && !picked.won);
    QVERIFY(s.holding());
    QVERIFY(!s.MouseMove(100, 30).handled);  // the mouse does not take over
    QVERIFY(!s.MouseRelease(100, 30).handled);
    QCOMPARE(s.pictureCell(8), (Cell{0, 4}));
    // Up is blocked by the tall piece 4, left by the edge; right slides on.
    QVERIFY(!keys(s, "u").handled);
    QVERIFY(!keys(s, "l").handled);
    const GameSession::Outcome slid = keys(s, "r");
    QVERIFY(slid.handled && !slid.committed && !slid.won);
    QCOMPARE(s.pictureCell(8), (Cell{1, 4}));
    QCOMPARE(s.board().pieces[8].col, 0);  // nothing committed while held
    keys(s, "r");
    QCOMPARE(s.pictureCell(8), (Cell{2, 4}));
    // Up from here turns a corner: refused, as a diagonal drag is.
    QVERIFY(!keys(s, "u").handled);
    QVERIFY(!keys(s, "r").handled);  // single 9 stands at (3,4)
    const GameSession::Outcome down = keys(s, "p");
    QVERIFY(down.committed);
    QVERIFY(!s.holding());
    QCOMPARE(s.steps(), 1);
    QVERIFY(s.gameChanged());
    QCOMPARE(s.board().cell(2, 4), int16_t(8));
    QCOMPARE(s.board().cell(0, 4), Board::kEmpty);
    // Away and back before putting down: no step, as with the mouse.
    keys(s, "plrp");
    QCOMPARE(s.steps(), 1);
    QVERIFY(s.Undo().committed);
    QCOMPARE(s.board().cell(0, 4), int16_t(8));

    // A press on a piece ends the hold; a restart takes the frame away.
    keys(s, "p");
    test::SessionPointer pointer{s};
    test::StepwiseDrag<test::SessionPointer>{pointer, 9}.press(test::cellCentre(3, 4));
    QVERIFY(!s.holding() && s.dragging());
    s.MouseRelease(30, 30);
    keys(s, "p");
    QVERIFY(s.holding());
    QVERIFY(s.StartLevel(s.levelIndex()));
    QVERIFY(!s.selectionShown() && !s.holding() && !s.dragging());
    QCOMPARE(s.selectedPiece(), 0);
    keys(s, "d");
    QVERIFY(s.selectionShown());
}

void TestSession::keyboardPutBackAndWin()
{
    GameSession s = startedSession(test::oneSlideFromTheGoal());
    keys(s, "d");  // frame on the principal piece
    keys(s, "pd");
    QCOMPARE(s.pictureCell(0), (Cell{1, 3}));
    const GameSession::Outcome back = keys(s, "x");
    QVERIFY(back.handled);
    QVERIFY(!back.committed && !back.won);
    QCOMPARE(s.pictureCell(0), (Cell{1, 2}));
    QCOMPARE(s.steps(), 0);
    QVERIFY(!s.gameChanged());

    keys(s, "pd");
    const GameSession::Outcome win = keys(s, "p");
    QVERIFY(win.committed);
    QVERIFY(win.won);
    QCOMPARE(s.steps(), 1);
    QVERIFY(s.board().IsSolved());
    s.Win();
    QVERIFY(!s.selectionShown() && !s.dragging());
}

void TestSession::progressKeepsTheBestOfTheLevelAsPlayed()
{
    Progress progress;
    const Positions start = test::classicStart();
    QVERIFY(progress.noteWin(4, start, 120));
    QVERIFY(!progress.noteWin(4, start, 130));
    QVERIFY(progress.noteWin(4, start, 95));
    QVERIFY(!progress.noteWin(4, start, -3));  // an edited saved game
    QCOMPARE(progress.bestFor(4, start), std::optional<int32_t>(95));
    QVERIFY(!progress.bestFor(5, start));

    // The level changed in the editor: the old record no longer shows, and
    // the first win of the new level counts whatever its steps.
    Positions changed = start;
    changed[8] = 41;
    QVERIFY(!progress.bestFor(4, changed));
    QVERIFY(progress.noteWin(4, changed, 200));
    QCOMPARE(progress.bestFor(4, changed), std::optional<int32_t>(200));
    QVERIFY(!progress.bestFor(4, start));

    // Through the file and back.
    QTemporaryDir dir;
    const QString path = dir.filePath("qlm-progress.txt");
    QVERIFY(progress.noteWin(69, start, 90));
    QVERIFY(writeProgressFile(path, progress).ok());
    const Progress again = readProgressFile(path);
    QCOMPARE(again.records(), progress.records());
}

void TestSession::brokenProgressFilesReadAsEmpty_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("records");
    const QByteArray good = "3 95 1 21 0 3 20 23 31 32 40 43\n";
    QTest::newRow("good") << good << 1;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("binary") << QByteArray("\x00\xff\x12\n\x80", 5) << 0;
    QTest::newRow("level 0") << QByteArray("0 95 1 21 0 3 20 23 31 32 40 43\n") << 0;
    QTest::newRow("level 71") << QByteArray("71 95 1 21 0 3 20 23 31 32 40 43\n") << 0;
    QTest::newRow("negative best") << QByteArray("3 -1 1 21 0 3 20 23 31 32 40 43\n") << 0;
    QTest::newRow("best beyond 32 bits") << QByteArray("3 2147483648 1 21 0 3 20 23 31 32 40 43\n") << 0;
    QTest::newRow("position beyond 16 bits") << QByteArray("3 95 1 21 0 3 20 23 31 32 40 32768\n") << 0;
    QTest::newRow("nine positions") << QByteArray("3 95 1 21 0 3 20 23 31 32 40\n") << 0;
    QTest::newRow("thirteen words") << QByteArray("3 95 1 21 0 3 20 23 31 32 40 43 7\n") << 0;
    QTest::newRow("words") << QByteArray("three 95 1 21 0 3 20 23 31 32 40 43\n") << 0;
    QTest::newRow("bad lines around a good one") << "junk\n" + good + "4 x\r\n" << 1;
    QTest::newRow("best below the fewest steps") << QByteArray("3 89 1 21 0 3 20 23 31 32 40 43\n") << 0;
    QTest::newRow("crlf and blanks") << QByteArray(" 3\t95 1 21 0 3 20 23 31 32 40 43 \r\n") << 1;
}

void TestSession::brokenProgressFilesReadAsEmpty()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, records);
    QTemporaryDir dir;
    test::writeAllBytes(dir.filePath("p"), bytes);
    const Progress progress = readProgressFile(dir.filePath("p"));
    const auto& all = progress.records();
    QCOMPARE(int(std::count_if(all.begin(), all.end(), [](const auto& r) { return r.has_value(); })), records);
    if (records)
        QCOMPARE(progress.bestFor(2, test::classicStart()), std::optional<int32_t>(95));
    QCOMPARE(readProgressFile(dir.filePath("missing")).records(), Progress().records());
}

void TestSession::recordNeverClaimsFewerStepsThanTheStartNeeds()
{
    Progress progress;
    const Positions start = test::classicStart();  // 90 steps at the fewest
    QVERIFY(!progress.noteWin(4, start, 89));
    QVERIFY(!progress.noteRandomWin(start, 89));
    QVERIFY(progress.noteWin(4, start, 90));
    QVERIFY(progress.noteRandomWin(start, 90));
    Positions overlapping = start;
    overlapping[9] = 40;
    QVERIFY(!progress.noteWin(5, overlapping, 100));
    const Positions unsolvable = {0, 2, 12, 13, 20, 32, 31, 40, 41, 43};
    QVERIFY(!progress.noteWin(6, unsolvable, 100));
    QVERIFY(!progress.noteRandomWin(unsolvable, 100));
    // A level of the collection may start solved; a random level never does.
    const Positions solved = {31, 21, 0, 3, 20, 23, 11, 12, 40, 43};
    QVERIFY(progress.noteWin(7, solved, 0));
    QVERIFY(!progress.noteRandomWin(solved, 0));
    QVERIFY(!progress.records()[5] && !progress.records()[6]);
    QCOMPARE(progress.randomRecords().size(), std::size_t(1));
}

void TestSession::equalWinIsNoNewRecordAndLeavesTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("qlm-progress.txt");
    const Positions start = test::classicStart();
    QVERIFY(recordWin(path, 4, start, 95).newRecord);
    QVERIFY(recordRandomWin(path, start, 92).newRecord);
    const QByteArray bytes = test::readAllBytes(path);
    const QDateTime yesterday = QDateTime::currentDateTime().addDays(-1);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(yesterday, QFileDevice::FileModificationTime));
    }
    QVERIFY(!readProgressFile(path).noteWin(4, start, 95));
    QVERIFY(!recordWin(path, 4, start, 95).newRecord);
    QVERIFY(!recordRandomWin(path, start, 92).newRecord);
    QCOMPARE(test::readAllBytes(path), bytes);
    QCOMPARE(QFileInfo(path).lastModified().toSecsSinceEpoch(), yesterday.toSecsSinceEpoch());
}

void TestSession::shorterRecordFileHoldsOnlyTheNewContent()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("qlm-progress.txt");
    Progress longer;
    for (int k = 0; k < kLevelCount; ++k)
        QVERIFY(longer.noteWin(k, test::classicStart(), 1000 + k));
    QVERIFY(writeProgressFile(path, longer).ok());
    Progress shorter;
    QVERIFY(shorter.noteWin(2, test::classicStart(), 90));
    QVERIFY(writeProgressFile(path, shorter).ok());
    QVERIFY(shorter.encode().size() < longer.encode().size());
    QCOMPARE(test::readAllBytes(path), shorter.encode());
}

void TestSession::recordFileIsReadWholeOrLeftAlone()
{
    // A long-time player's record, far beyond any fixed read size, keeps
    // every line through the next win.
    QTemporaryDir dir;
    const QString path = dir.filePath("qlm-progress.txt");
    Progress many;
    for (int index = 0; many.randomRecords().size() < 15000; ++index)
        many.noteRandomWin(slideSolver().positionsAt(index), 200);
    QVERIFY(many.encode().size() > 256 * 1024);
    QVERIFY(writeProgressFile(path, many).ok());
    QVERIFY(recordWin(path, 0, test::classicStart(), 95).newRecord);
    QCOMPARE(readProgressFile(path).randomRecords(), many.randomRecords());
    QCOMPARE(readProgressFile(path).bestFor(0, test::classicStart()), std::optional<int32_t>(95));

    // A file that cannot be read whole is refused and stays; a record that
    // cannot be written says so.
    const QByteArray oversized(kProgressFileLimit + 1, '#');
    test::writeAllBytes(path, oversized);
    const RecordOutcome tooLarge = recordWin(path, 0, test::classicStart(), 90);
    QVERIFY(tooLarge.failed() && !tooLarge.newRecord);
    QCOMPARE(tooLarge.status.errorNumber, EFBIG);
    QCOMPARE(test::readAllBytes(path), oversized);
    const QString folder = dir.filePath("folder");
    QVERIFY(QDir().mkdir(folder));
    QCOMPARE(recordRandomWin(folder, test::classicStart(), 90).status.errorNumber, EISDIR);
    QVERIFY(QFileInfo(folder).isDir());
    const RecordOutcome unwritten = recordWin(dir.filePath("gone/qlm-progress.txt"), 0, test::classicStart(), 90);
    QVERIFY(unwritten.failed() && !unwritten.newRecord);
}

void TestSession::randomLevelsCountOnceWithTheirBest()
{
    Progress progress;
    const Positions classic = test::classicStart();                        // 90 steps, code GGXT-4AN
    const Positions farthest = {1, 21, 23, 0, 32, 20, 13, 40, 41, 43};    // 101 steps
    const Positions farthestSinglesSwapped = {1, 21, 23, 0, 32, 20, 40, 41, 13, 43};
    QVERIFY(progress.noteRandomWin(classic, 95));
    QVERIFY(!progress.noteRandomWin(classic, 95));
    QVERIFY(progress.noteRandomWin(classic, 90));
    QVERIFY(progress.noteRandomWin(farthestSinglesSwapped, 120));
    QVERIFY(!progress.noteRandomWin(farthest, 120));  // the same board as seen
    QVERIFY(progress.noteWin(0, classic, 100));
    QCOMPARE(progress.bestFor(0, classic), std::optional<int32_t>(100));
    for (int outside : {-1, kLevelCount}) {
        QVERIFY(!progress.noteWin(outside, classic, 100));
        QVERIFY(!progress.bestFor(outside, classic));
    }
    QCOMPARE(progress.bestForRandom(classic), std::optional<int32_t>(90));
    QCOMPARE(progress.randomTally().finished, 2);
    QCOMPARE(progress.randomTally().inFewestSteps, 1);

    // The lines of the collection as before, then the random ones, which
    // have too few words for a reader that knows only the collection.
    const QByteArray bytes = progress.encode();
    QVERIFY(bytes.startsWith("# Quillmere progress: level, fewest steps, start position of the level\n"
                             "1 100 1 21 0 3 20 23 31 32 40 43\n#"));
    QVERIFY(bytes.endsWith("\n# Random levels: level code, fewest steps\n"
                           "random GGXT-4AN 90\nrandom " + levelCode(farthest).toLatin1() + " 120\n"));
    const Progress again = Progress::decode(bytes);
    QCOMPARE(again.records(), progress.records());
    QCOMPARE(again.randomRecords(), progress.randomRecords());

    // Mistyped codes, fewer steps than the level needs and extra words are
    // skipped; of two lines of one board the better counts, whichever of
    // its codes they use.
    const Progress read = Progress::decode("random GGXT-4AM 95\nrandom GGXT-4AN 89\nrandom GGXT-4AN 95 1\n"
                                           "random 4H7A-RCC 130\nrandom 4h7arcc 125\nrandom "
                                           + levelCode(farthest).toLatin1() + " 128\n");
    QCOMPARE(read.randomRecords(), (std::map<Positions, int32_t>{{farthest, 125}}));

    Progress more = progress;
    QVERIFY(more.noteRandomWin(test::oneSlideFromTheGoal(), 1));
    QCOMPARE(more.randomTally().finished, 3);
    QCOMPARE(more.randomTally().inFewestSteps, 2);
}

void TestSession::randomLevelPlaysSavesLoadsAndWins()
{
    QTemporaryDir dir;
    LevelTable levels = test::sampleLevels();
    levels[4].positions = test::oneSlideFromTheGoal();
    GameSession s(dir.filePath("qlm-progress.txt"));
    s.SetLevels(levels);
    QVERIFY(!s.StartRandom({31, 21, 0, 3, 20, 23, 11, 12, 40, 43}));  // solved already
    QVERIFY(s.StartRandom(test::classicStart()));
    QCOMPARE(s.levelStatus(), QStringLiteral("Random: GGXT-4AN"));
    mouseSlide(s, 8, {0, 4}, {1, 4});
    QCOMPARE(s.stepsStatus(), QStringLiteral("Steps: 1 (fewest 90)"));

    // Through the 36 bytes into another game: the same game, the collection
    // untouched, and Restart Level in both back to the dealt start.
    GameSession loaded;
    loaded.SetLevels(levels);
    QVERIFY(loaded.LoadGame(decodeSavedGame(encodeSavedGame(s.SavedRecord()))));
    QCOMPARE(loaded.SavedRecord(), randomSavedGame(test::classicStart(), 1, s.board().PiecePositions()));
    QCOMPARE(loaded.levels(), levels);
    for (GameSession* game : {&s, &loaded}) {
        QVERIFY(game->StartLevel(game->levelIndex()));
        QCOMPARE(game->board().PiecePositions(), test::classicStart());
        QCOMPARE(game->steps(), 0);
    }
    SavedGame mistyped = s.SavedRecord();
    mistyped.name = fitLevelName(QStringLiteral("GGXT-4AM"));
    QVERIFY(!loaded.LoadGame(mistyped));

    // Each win goes to the record of its kind; a game of the collection
    // saves as before.
    for (bool random : {true, false}) {
        QVERIFY(random ? s.StartRandom(levels[4].positions) : s.StartLevel(4));
        if (random)
            QVERIFY(s.stepsStatus().endsWith(QStringLiteral(" (fewest 1)")));
        QVERIFY(mouseSlide(s, 0, {1, 2}, {1, 3}).won);
        s.Win();
    }
    const Progress progress = readProgressFile(dir.filePath("qlm-progress.txt"));
    QCOMPARE(progress.bestForRandom(levels[4].positions), std::optional<int32_t>(1));
    QCOMPARE(progress.bestFor(4, levels[4].positions), std::optional<int32_t>(1));
    QCOMPARE(progress.randomTally().finished, 1);
    QVERIFY(s.StartLevel(2));
    QCOMPARE(s.levelStatus(), QStringLiteral("Level: 3 - Level 3   "));
    QCOMPARE(s.stepsStatus(), QStringLiteral("Steps: 0"));
    QCOMPARE(s.SavedRecord(), (SavedGame{0, 2, levels[2].name, levels[2].positions}));
}

void TestSession::spokenNamesSayWhatAndWhere()
{
    GameSession s = startedSession(test::classicStart());
    QCOMPARE(spokenPicture(s, 0).name, QStringLiteral("Principal piece, 2 by 2, columns 2 to 3, rows 1 to 2"));
    QCOMPARE(spokenPicture(s, 1).name, QStringLiteral("Wide piece, 2 by 1, columns 2 to 3, row 3"));
    QCOMPARE(spokenPicture(s, 5).name, QStringLiteral("Tall piece 4, 1 by 2, column 4, rows 3 to 4"));
    QCOMPARE(spokenPicture(s, 9).name, QStringLiteral("Small piece 4, 1 by 1, column 4, row 5"));
    QCOMPARE(spokenPicture(s, 8).description, QStringLiteral("It can slide right."));
    QCOMPARE(spokenPicture(s, 0).description, QStringLiteral("It cannot slide."));
    QCOMPARE(spokenPicture(s, 6).description, QStringLiteral("It can slide down."));
    QCOMPARE(spokenBoard(s).name, QStringLiteral("Board"));

    // The held piece is spoken of where it is carried, before it is put down.
    keys(s, "rdddp");
    QCOMPARE(spokenBoard(s).name, QStringLiteral("Board: Small piece 3, 1 by 1, column 1, row 5, held"));
    keys(s, "r");
    QCOMPARE(spokenPicture(s, 8).name, QStringLiteral("Small piece 3, 1 by 1, column 2, row 5"));
    keys(s, "p");
    QCOMPARE(spokenBoard(s).name, QStringLiteral("Board: Small piece 3, 1 by 1, column 2, row 5, selected"));
    QCOMPARE(spokenPicture(s, 8).description, QStringLiteral("It can slide left or right."));
    // Starting the level again takes the keyboard's frame away.
    s.StartLevel(0);
    QVERIFY(!s.selectionShown());
    QCOMPARE(spokenBoard(s).name, QStringLiteral("Board"));
    // Blocked on the left, free on the right and below.
    GameSession ways = startedSession(test::classicStart());
    mouseSlide(ways, 7, {2, 3}, {2, 4});
    QCOMPARE(spokenPicture(ways, 6).description, QStringLiteral("It can slide right or down."));
    QCOMPARE(spokenPicture(ways, 7).description, QStringLiteral("It can slide left or up."));
    // The hint says which piece, which way, how far and where to.
    GameSession near = startedSession(test::oneSlideFromTheGoal());
    near.FindHint();
    QCOMPARE(spokenBoard(near).description,
             QStringLiteral("Hint: slide the principal piece down by 1 cell, to columns 2 to 3, rows 4 to 5."));
    QCOMPARE(hintMessage(near.hint()), QStringLiteral("Slide the marked piece to the marked cells. The level "
                                                      "can be finished in 1 more step."));
    QVERIFY(hintMessage(s.FindHint()).endsWith(QStringLiteral(" in 90 more steps.")));
    QCOMPARE(hintMessage(std::nullopt), QStringLiteral("No sequence of slides finishes the level from here."));
    QVERIFY(mouseSlide(near, 0, {1, 2}, {1, 3}).won);
    near.Win();
    QCOMPARE(spokenBoard(near).name, QStringLiteral("Board: the level is finished"));
    // On the goal before it is let go of, the hint is to let go.
    GameSession onGoal = startedSession({31, 21, 0, 3, 20, 23, 11, 12, 40, 43});
    onGoal.FindHint();
    QCOMPARE(spokenBoard(onGoal).description,
             QStringLiteral("Hint: let go of the principal piece where it stands, at columns 2 to 3, rows 4 to 5."));
}

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"
