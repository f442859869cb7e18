#include "model/board.h"
#include "model/solver.h"
#include "tests/support/fixtures.h"
#include "tests/support/plainsearch.h"

#include <QtTest>

#include <deque>
#include <random>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>

using namespace quill;
using test::Metric;
using test::placed;
using test::plainNeighbours;
using test::plainSearch;
using test::PlainResult;
using test::shapeKey;

namespace {

// Plays the moves on a board through the slide tests; fails the test on
// any move the game would refuse. Returns the board afterwards.
Board replay(const Positions& start, const std::vector<SolutionMove>& moves)
{
    Board board = placed(start);
    for (const SolutionMove& move : moves) {
        [&] {
            QVERIFY(move.piece >= 0 && move.piece < kPieceCount);
            const Piece& piece = board.pieces[move.piece];
            QCOMPARE(positionValue(piece.col, piece.row), move.from);
            QVERIFY2(!board.IsSolved(), "a solution goes on after the goal");
            const int16_t toCol = columnOf(move.to), toRow = rowOf(move.to);
            QVERIFY(topLeftAllowed(move.piece, toCol, toRow));
            QVERIFY(move.from != move.to);
            if (toRow == piece.row)
                QVERIFY(board.HorizontalPathFree(move.piece, piece.col, toCol, toRow));
            else if (toCol == piece.col)
                QVERIFY(board.VerticalPathFree(move.piece, piece.row, toRow, toCol));
            else
                QFAIL("a move turns a corner");
            board.UnmarkPiece(move.piece, piece.col, piece.row);
            board.MarkPiece(move.piece, toCol, toRow);
        }();
        if (QTest::currentTestFailed())
            break;
    }
    return board;
}

// Counts the legal positions cell by cell, without the solver: the first
// cell not yet decided is empty, a single, or the top-left of a larger piece.
long countByFilling(std::array<char, kColumns * kRows>& cells, int left[4], int empties)
{
    int first = 0;
    while (first < kColumns * kRows && cells[first])
        ++first;
    if (first == kColumns * kRows)
        return empties == 0 && left[0] == 0 && left[1] == 0 && left[2] == 0 && left[3] == 0;
    long total = 0;
    const int col = first % kColumns, row = first / kColumns;
    auto tryPiece = [&](int cls, int width, int height) {
        if (left[cls] == 0 || col + width > kColumns || row + height > kRows)
            return;
        for (int dc = 0; dc < width; ++dc)
            for (int dr = 0; dr < height; ++dr)
                if (cells[(row + dr) * kColumns + col + dc])
                    return;
        for (int dc = 0; dc < width; ++dc)
            for (int dr = 0; dr < height; ++dr)
                cells[(row + dr) * kColumns + col + dc] = 1;
        --left[cls];
        total += countByFilling(cells, left, empties);
        ++left[cls];
        for (int dc = 0; dc < width; ++dc)
            for (int dr = 0; dr < height; ++dr)
                cells[(row + dr) * kColumns + col + dc] = 0;
    };
    if (empties > 0) {
        cells[first] = 1;
        total += countByFilling(cells, left, empties - 1);
        cells[first] = 0;
    }
    for (int piece : {0, 1, 2, 6})
        tryPiece(static_cast<int>(shapeOf(piece).shapeClass), shapeOf(piece).width, shapeOf(piece).height);
    return total;
}

const SpaceAnalysis& analysis()
{
    static const SpaceAnalysis result = slideSolver().analyse();
    return result;
}

}  // namespace

class TestSolver : public QObject {
    Q_OBJECT

private slots:
    // The space and its index
    void everyLegalPositionHasOneIndex();
    void indexIgnoresSwapsOfSameShapedPieces();
    void mirrorImagesPairUp();
    void neighboursAreMutualAndDistinct();

    // The published facts
    void classicStartFacts();
    void stepMetricIsOneSlide();
    void farthestSolvablePositionNeeds101();

    // Solutions
    void solutionsReplayOnTheBoard();
    void plainSearchAgreesOnShortCases();
    void solutionsNameTheRealPieces();
    void solvedStartNeedsNoSteps();
    void unsolvablePositionsAreReported();

    // The whole-space analysis
    void distanceTableIsConsistent();
    void groupsPartitionTheSpace();

    // Bad input
    void misplacedPiecesAreRefused();
    void overlapsAreRefused();
    void anyTenValuesAreSafe();
};

void TestSolver::everyLegalPositionHasOneIndex()
{
    const SlideSolver& solver = slideSolver();
    std::array<char, kColumns * kRows> cells{};
    int left[4] = {0, 0, 0, 0};
    for (int piece = 0; piece < kPieceCount; ++piece)
        ++left[static_cast<int>(shapeOf(piece).shapeClass)];
    const long counted = countByFilling(cells, left, 2);
    QCOMPARE(counted, 65880L);
    QCOMPARE(solver.positionCount(), 65880);

    std::unordered_set<std::string> keys;
    for (int index = 0; index < solver.positionCount(); ++index) {
        const Positions positions = solver.positionsAt(index);
        QVERIFY(findPositionFault(positions).none());
        QCOMPARE(solver.indexOf(positions), index);
        keys.insert(shapeKey(placed(positions)));
    }
    QCOMPARE(static_cast<int>(keys.size()), solver.positionCount());
}

void TestSolver::indexIgnoresSwapsOfSameShapedPieces()
{
    const SlideSolver& solver = slideSolver();
    Positions swapped = test::classicStart();
    std::swap(swapped[2], swapped[5]);
    std::swap(swapped[6], swapped[9]);
    std::swap(swapped[7], swapped[8]);
    const int index = solver.indexOf(swapped);
    QCOMPARE(index, solver.indexOf(test::classicStart()));
    // Read back, the pieces of one shape stand in reading order.
    QCOMPARE(solver.positionsAt(index), test::classicStart());
}

void TestSolver::mirrorImagesPairUp()
{
    const SlideSolver& solver = slideSolver();
    const SpaceAnalysis& space = analysis();
    int selfMirrored = 0;
    for (int index = 0; index < solver.positionCount(); ++index) {
        const int mirror = solver.mirrorOf(index);
        QCOMPARE(solver.mirrorOf(mirror), index);
        QCOMPARE(space.distance[mirror], space.distance[index]);
        selfMirrored += mirror == index;
        if (index % 11 == 0) {
            // Column c of a piece w cells wide becomes column 4 - w - c.
            Positions byHand = solver.positionsAt(index);
            for (int piece = 0; piece < kPieceCount; ++piece)
                byHand[piece] = positionValue(kColumns - shapeOf(piece).width - columnOf(byHand[piece]),
                                              rowOf(byHand[piece]));
            QCOMPARE(solver.indexOf(byHand), mirror);
        }
    }
    QCOMPARE(solver.mirrorOf(solver.indexOf(test::classicStart())), solver.indexOf(test::classicStart()));
    QVERIFY(selfMirrored > 0);
    QVERIFY(selfMirrored < solver.positionCount());
}

void TestSolver::neighboursAreMutualAndDistinct()
{
    const SlideSolver& solver = slideSolver();
    for (int index = 0; index < solver.positionCount(); index += 7) {
        const std::vector<int> next = solver.neighboursOf(index);
        std::unordered_set<int> distinct(next.begin(), next.end());
        QCOMPARE(distinct.size(), next.size());
        QVERIFY(!distinct.count(index));
        for (int n : next) {
            const std::vector<int> back = solver.neighboursOf(n);
            QVERIFY(std::find(back.begin(), back.end(), index) != back.end());
        }
        // The same slides as the board allows, one for one.
        std::unordered_set<int> plain;
        for (const Positions& p : plainNeighbours(solver.positionsAt(index), Metric::Slides))
            plain.insert(solver.indexOf(p));
        QVERIFY(plain == distinct);
    }
}

void TestSolver::classicStartFacts()
{
    const SlideSolver& solver = slideSolver();
    const SpaceAnalysis& space = analysis();
    const int classic = solver.indexOf(test::classicStart());
    QVERIFY(classic >= 0);
    QCOMPARE(space.groupSize[space.group[classic]], 25955);
    QCOMPARE(int(space.distance[classic]), 90);
    const Solution solution = solver.solve(test::classicStart());
    QCOMPARE(solution.outcome, Solution::Outcome::Solved);
    QCOMPARE(solution.steps(), 90);
    QVERIFY(replay(test::classicStart(), solution.moves).IsSolved());

    // The same figures from a search that knows nothing of the solver.
    const PlainResult plain = plainSearch(test::classicStart(), Metric::Slides, false);
    QCOMPARE(plain.reached, 25955);
    QCOMPARE(plain.steps, 90);
}

void TestSolver::stepMetricIsOneSlide()
{
    // One cell at a time the classic start takes 116 steps; when any path of
    // one piece counts once it takes 81. The solver counts straight slides.
    QCOMPARE(plainSearch(test::classicStart(), Metric::SingleCells).steps, 116);
    QCOMPARE(plainSearch(test::classicStart(), Metric::AnyPath).steps, 81);
    QCOMPARE(slideSolver().solve(test::classicStart()).steps(), 90);
}

void TestSolver::farthestSolvablePositionNeeds101()
{
    const SlideSolver& solver = slideSolver();
    const SpaceAnalysis& space = analysis();
    QCOMPARE(space.maxDistance, 101);
    int farthest = 0;
    for (int index = 0; index < solver.positionCount(); ++index) {
        if (space.distance[index] != 101)
            continue;
        ++farthest;
        const Positions start = solver.positionsAt(index);
        const Solution solution = solver.solve(start);
        QCOMPARE(solution.steps(), 101);
        QVERIFY(replay(start, solution.moves).IsSolved());
        QCOMPARE(plainSearch(start, Metric::Slides).steps, 101);
    }
    QCOMPARE(farthest, space.farthestCount);
    QVERIFY(farthest > 0);
}

void TestSolver::solutionsReplayOnTheBoard()
{
    const SlideSolver& solver = slideSolver();
    const SpaceAnalysis& space = analysis();
    int checked = 0;
    for (int index = 0; index < solver.positionCount(); index += 97) {
        if (space.distance[index] == SlideSolver::kUnsolvable)
            continue;
        const Positions start = solver.positionsAt(index);
        const Solution solution = solver.solve(start);
        QCOMPARE(solution.outcome, Solution::Outcome::Solved);
        QCOMPARE(solution.steps(), int(space.distance[index]));
        const Board end = replay(start, solution.moves);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(end.IsSolved());
        ++checked;
    }
    QVERIFY(checked > 400);
}

void TestSolver::plainSearchAgreesOnShortCases()
{
    const SlideSolver& solver = slideSolver();
    const SpaceAnalysis& space = analysis();
    // A few positions of every distance up to 14, picked evenly.
    std::array<int, 15> taken{};
    for (int index = 0; index < solver.positionCount(); index += 13) {
        const int d = space.distance[index];
        if (d > 14 || taken[d] >= 3)
            continue;
        ++taken[d];
        const Positions start = solver.positionsAt(index);
        QCOMPARE(plainSearch(start, Metric::Slides).steps, solver.solve(start).steps());
    }
    for (int d = 0; d <= 14; ++d)
        QCOMPARE(taken[d], 3);
}

void TestSolver::solutionsNameTheRealPieces()
{
    const SlideSolver& solver = slideSolver();
    // The classic start with its tall pieces and singles dealt out anew.
    Positions start = test::classicStart();
    std::rotate(start.begin() + 2, start.begin() + 3, start.begin() + 6);
    std::reverse(start.begin() + 6, start.end());
    const Solution solution = solver.solve(start);
    QCOMPARE(solution.steps(), 90);
    QVERIFY(replay(start, solution.moves).IsSolved());
    // The first moves of the classic solution use the pieces on the same cells.
    const Solution classic = solver.solve(test::classicStart());
    for (std::size_t i = 0; i < classic.moves.size(); ++i) {
        QCOMPARE(solution.moves[i].from, classic.moves[i].from);
        QCOMPARE(solution.moves[i].to, classic.moves[i].to);
        QCOMPARE(shapeOf(solution.moves[i].piece).shapeClass, shapeOf(classic.moves[i].piece).shapeClass);
    }
    QVERIFY(solution.moves != classic.moves);
}

void TestSolver::solvedStartNeedsNoSteps()
{
    const Positions solved = {31, 21, 0, 3, 20, 23, 11, 12, 40, 43};
    QVERIFY(findPositionFault(solved).none());
    QVERIFY(placed(solved).IsSolved());
    const Solution solution = slideSolver().solve(solved);
    QCOMPARE(solution.outcome, Solution::Outcome::Solved);
    QCOMPARE(solution.steps(), 0);
    QVERIFY(slideSolver().isSolvedAt(slideSolver().indexOf(solved)));
}

void TestSolver::unsolvablePositionsAreReported()
{
    const SlideSolver& solver = slideSolver();
    const SpaceAnalysis& space = analysis();
    // The smallest unsolvable group and one larger one.
    int smallest = -1, larger = -1;
    for (int g = 0; g < space.groupCount(); ++g) {
        if (space.groupSolvable[g])
            continue;
        if (smallest < 0 || space.groupSize[g] < space.groupSize[smallest])
            smallest = g;
        if (space.groupSize[g] > 50 && larger < 0)
            larger = g;
    }
    QVERIFY(smallest >= 0 && larger >= 0);
    for (int g : {smallest, larger}) {
        const int index = int(std::find(space.group.begin(), space.group.end(), g) - space.group.begin());
        const Positions start = solver.positionsAt(index);
        const Solution solution = solver.solve(start);
        QCOMPARE(solution.outcome, Solution::Outcome::Unsolvable);
        QVERIFY(solution.moves.empty());
        const PlainResult plain = plainSearch(start, Metric::Slides);
        QCOMPARE(plain.steps, -1);
        QCOMPARE(plain.reached, space.groupSize[g]);
    }
}

void TestSolver::distanceTableIsConsistent()
{
    const SlideSolver& solver = slideSolver();
    const std::vector<uint8_t> distance = solver.distanceTable();
    QCOMPARE(distance, analysis().distance);
    int solved = 0;
    for (int index = 0; index < solver.positionCount(); ++index) {
        const uint8_t d = distance[index];
        QCOMPARE(d == 0, solver.isSolvedAt(index));
        QCOMPARE(d == 0, placed(solver.positionsAt(index)).IsSolved());
        solved += d == 0;
        // A breadth-first distance: some neighbour is one step nearer and none
        // is more than one step nearer; unsolvable positions only touch their kind.
        bool nearer = false;
        for (int n : solver.neighboursOf(index)) {
            if (d == SlideSolver::kUnsolvable) {
                QCOMPARE(distance[n], SlideSolver::kUnsolvable);
                continue;
            }
            QVERIFY(distance[n] != SlideSolver::kUnsolvable);
            QVERIFY(distance[n] + 1 >= d);
            nearer = nearer || distance[n] + 1 == d;
        }
        if (d != 0 && d != SlideSolver::kUnsolvable)
            QVERIFY(nearer);
    }
    QCOMPARE(solved, analysis().solvedCount);
}

void TestSolver::groupsPartitionTheSpace()
{
    const SlideSolver& solver = slideSolver();
    const SpaceAnalysis& space = analysis();
    long total = 0;
    for (int size : space.groupSize)
        total += size;
    QCOMPARE(total, long(solver.positionCount()));
    std::vector<int> counted(space.groupCount(), 0);
    int solvable = 0;
    for (int index = 0; index < solver.positionCount(); ++index) {
        const int g = space.group[index];
        ++counted[g];
        QCOMPARE(bool(space.groupSolvable[g]), space.distance[index] != SlideSolver::kUnsolvable);
        solvable += space.distance[index] != SlideSolver::kUnsolvable;
        for (int n : solver.neighboursOf(index))
            QCOMPARE(space.group[n], g);
    }
    QCOMPARE(counted, space.groupSize);
    QCOMPARE(solvable, space.solvableCount);
    int solvableGroups = 0;
    for (uint8_t s : space.groupSolvable)
        solvableGroups += s;
    QCOMPARE(solvableGroups, space.solvableGroupCount);
    QVERIFY(space.solvableGroupCount < space.groupCount());
}

void TestSolver::misplacedPiecesAreRefused()
{
    struct Case {
        int piece;
        int16_t value;
    };
    // The square in column 3, the wide piece in column 3, a tall piece in
    // row 4, a column above 3, a row above 4, a negative value.
    const Case cases[] = {{0, 3}, {0, 41}, {1, 13}, {2, 40}, {6, 4}, {7, 50}, {9, -1}, {5, -10}};
    for (const Case& c : cases) {
        Positions positions = test::classicStart();
        positions[c.piece] = c.value;
        const PositionFault fault = findPositionFault(positions);
        QCOMPARE(fault.kind, PositionFault::Kind::Misplaced);
        QCOMPARE(fault.piece, c.piece);
        QCOMPARE(fault.value, c.value);
        QCOMPARE(slideSolver().indexOf(positions), -1);
        const Solution solution = slideSolver().solve(positions);
        QCOMPARE(solution.outcome, Solution::Outcome::Invalid);
        QCOMPARE(solution.fault.piece, c.piece);
    }
}

void TestSolver::overlapsAreRefused()
{
    // Pieces 0 and 6 both at 0: the single lands on the square's top-left cell.
    Positions positions = test::classicStart();
    positions[6] = 1;
    PositionFault fault = findPositionFault(positions);
    QCOMPARE(fault.kind, PositionFault::Kind::Overlap);
    QCOMPARE(fault.piece, 6);
    QCOMPARE(fault.other, 0);
    QCOMPARE(fault.col, 1);
    QCOMPARE(fault.row, 0);

    // A tall piece reaching into the wide piece's row from above.
    positions = test::classicStart();
    positions[3] = 12;
    fault = findPositionFault(positions);
    QCOMPARE(fault.kind, PositionFault::Kind::Overlap);
    QCOMPARE(fault.piece, 3);
    QCOMPARE(fault.other, 0);
    QCOMPARE(fault.col, 2);
    QCOMPARE(fault.row, 1);
    QCOMPARE(slideSolver().solve(positions).outcome, Solution::Outcome::Invalid);

    // A level the editor left empty: every piece at 0.
    const Positions zero{};
    fault = findPositionFault(zero);
    QCOMPARE(fault.kind, PositionFault::Kind::Overlap);
    QCOMPARE(fault.piece, 1);
}

void TestSolver::anyTenValuesAreSafe()
{
    const SlideSolver& solver = slideSolver();
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> anyValue(-32768, 32767);
    std::uniform_int_distribution<int> cellValue(0, 43);
    int legal = 0;
    for (int round = 0; round < 20000; ++round) {
        Positions positions;
        for (int16_t& v : positions)
            v = static_cast<int16_t>(round % 2 ? anyValue(random) : cellValue(random));
        // Some rounds start from the classic start with one or two pieces moved.
        if (round % 4 == 0) {
            positions = test::classicStart();
            positions[round / 4 % kPieceCount] = static_cast<int16_t>(cellValue(random));
        }
        const bool valid = findPositionFault(positions).none();
        const int index = solver.indexOf(positions);
        QCOMPARE(index >= 0, valid);
        const Solution solution = solver.solve(positions);
        QCOMPARE(solution.outcome == Solution::Outcome::Invalid, !valid);
        if (valid) {
            ++legal;
            QCOMPARE(solver.indexOf(solver.positionsAt(index)), index);
            const uint8_t d = analysis().distance[index];
            QCOMPARE(solution.outcome == Solution::Outcome::Unsolvable, d == SlideSolver::kUnsolvable);
            if (d != SlideSolver::kUnsolvable)
                QCOMPARE(solution.steps(), int(d));
        }
    }
    QVERIFY(legal > 0);
}

QTEST_GUILESS_MAIN(TestSolver)
#include "test_solver.moc"
