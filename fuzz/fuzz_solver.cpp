// The solver on any ten position values, as a level or a saved game could
// hold them: it refuses what is no position, and a solution it gives is a
// run of legal slides that ends solved, as short as the distance table says.
#include "fuzz/boardchecks.h"
#include "fuzz/fuzzsupport.h"
#include "model/board.h"
#include "model/levelfile.h"
#include "model/shapes.h"
#include "model/solver.h"

#include <vector>

using namespace quill;
using namespace quill::fuzz;

namespace {

const std::vector<uint8_t>& distances()
{
    static const std::vector<uint8_t> table = slideSolver().distanceTable();
    return table;
}

// The same cells hold the same shapes: what the solver's index keeps.
bool sameShapes(const Positions& a, const Positions& b)
{
    const Board one = placedBoard(a);
    const Board two = placedBoard(b);
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const int16_t x = one.cell(c, r);
            const int16_t y = two.cell(c, r);
            if ((x == Board::kEmpty) != (y == Board::kEmpty))
                return false;
            if (x != Board::kEmpty && shapeOf(x).shapeClass != shapeOf(y).shapeClass)
                return false;
        }
    }
    return true;
}

void checkFault(const Positions& positions, const PositionFault& fault)
{
    const int misplaced = firstMisplacedPiece(positions);
    if (misplaced >= 0) {
        FUZZ_CHECK(fault.kind == PositionFault::Kind::Misplaced);
        FUZZ_CHECK(fault.piece == misplaced && fault.value == positions[misplaced]);
        return;
    }
    const Board board = placedBoard(positions);
    int empty = 0;
    for (const auto& row : board.grid) {
        for (int16_t value : row)
            empty += value == Board::kEmpty;
    }
    if (fault.none()) {
        FUZZ_CHECK(empty == 2);
        return;
    }
    FUZZ_CHECK(fault.kind == PositionFault::Kind::Overlap);
    FUZZ_CHECK(fault.other >= 0 && fault.other < fault.piece && fault.piece < kPieceCount);
    FUZZ_CHECK(Board::onBoard(fault.col, fault.row));
    for (int piece : {fault.piece, fault.other}) {
        const CellMask cells = footprint(piece, columnOf(positions[piece]), rowOf(positions[piece]));
        FUZZ_CHECK(cells[fault.row][fault.col]);
    }
}

// Plays the moves on a board, each as the drag code would commit it.
void checkSolution(const Positions& start, const Solution& solution)
{
    Board board = placedBoard(start);
    for (const SolutionMove& move : solution.moves) {
        FUZZ_CHECK(move.piece >= 0 && move.piece < kPieceCount && move.from != move.to);
        const Piece& piece = board.pieces[move.piece];
        FUZZ_CHECK(positionValue(piece.col, piece.row) == move.from);
        FUZZ_CHECK(positionAllowed(move.piece, move.to));
        const int16_t col = columnOf(move.to);
        const int16_t row = rowOf(move.to);
        if (row == piece.row)
            FUZZ_CHECK(board.HorizontalPathFree(move.piece, piece.col, col, row));
        else if (col == piece.col)
            FUZZ_CHECK(board.VerticalPathFree(move.piece, piece.row, row, col));
        else
            FUZZ_CHECK(!"a slide turned a corner");
        board.UnmarkPiece(move.piece, piece.col, piece.row);
        board.MarkPiece(move.piece, col, row);
    }
    FUZZ_CHECK(board.IsSolved());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    (void)distances();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes = inputBytes(data, size).left(2 * kPieceCount);
    bytes.append(QByteArray(2 * kPieceCount - bytes.size(), '\0'));
    Positions start{};
    for (int i = 0; i < kPieceCount; ++i)
        start[i] = readInt16(bytes, 2 * i);

    const SlideSolver& solver = slideSolver();
    const Solution solution = solver.solve(start);
    checkFault(start, solution.fault);
    const int index = solver.indexOf(start);
    if (!solution.fault.none()) {
        FUZZ_CHECK(solution.outcome == Solution::Outcome::Invalid && index == -1);
        return 0;
    }

    FUZZ_CHECK(index >= 0 && index < solver.positionCount());
    FUZZ_CHECK(solver.indexOf(solver.positionsAt(index)) == index);
    FUZZ_CHECK(sameShapes(solver.positionsAt(index), start));
    FUZZ_CHECK(solver.mirrorOf(solver.mirrorOf(index)) == index);
    FUZZ_CHECK(solver.isSolvedAt(index) == (placedBoard(start).IsSolved()));

    const uint8_t distance = distances()[static_cast<std::size_t>(index)];
    if (solution.outcome == Solution::Outcome::Unsolvable) {
        FUZZ_CHECK(distance == SlideSolver::kUnsolvable);
        return 0;
    }
    FUZZ_CHECK(solution.outcome == Solution::Outcome::Solved);
    FUZZ_CHECK(solution.steps() == distance);
    checkSolution(start, solution);

    // A slide changes the distance to the goal by one at most, and a
    // position that is not solved has a neighbour one step nearer.
    bool nearer = distance == 0;
    for (int next : solver.neighboursOf(index)) {
        const int d = distances()[static_cast<std::size_t>(next)];
        FUZZ_CHECK(d >= distance - 1 && d <= distance + 1);
        nearer = nearer || d == distance - 1;
    }
    FUZZ_CHECK(nearer);
    return 0;
}
