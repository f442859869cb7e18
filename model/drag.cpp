#include "model/drag.h"

#include "model/rounding.h"

namespace quill {

int pointerPixel(int edgePx, double offsetPx)
{
    const long twips = roundHalfEven((edgePx + offsetPx) * kTwipsPerPixel);
    return static_cast<int>(twips / kTwipsPerPixel);
}

int16_t pointerCell(int pixel)
{
    return static_cast<int16_t>((pixel - kBoardOriginPx) / kCellPx);
}

namespace {

PieceDrag::Cell pointerCellOf(int leftPx, int topPx, double xPx, double yPx)
{
    return {pointerCell(pointerPixel(leftPx, xPx)), pointerCell(pointerPixel(topPx, yPx))};
}

}  // namespace

void PieceDrag::MouseDown(int16_t piece, int leftPx, int topPx, double xPx, double yPx)
{
    // Which cell of the piece is pressed: its own pixel offset, not the
    // board's, decides.
    const Cell grab{static_cast<int16_t>(pointerPixel(0, xPx) / kCellPx),
                    static_cast<int16_t>(pointerPixel(0, yPx) / kCellPx)};
    PressCell(piece, pointerCellOf(leftPx, topPx, xPx, yPx), grab);
}

PieceDrag::MoveResult PieceDrag::MouseMove(const Board& board, int leftPx, int topPx, double xPx,
                                           double yPx)
{
    if (!dragging)
        return {};
    return MoveToCell(board, pointerCellOf(leftPx, topPx, xPx, yPx));
}

PieceDrag::ReleaseResult PieceDrag::MouseUp(Board& board, int leftPx, int topPx, double xPx,
                                            double yPx)
{
    if (!dragging)
        return {};
    return ReleaseAtCell(board, pointerCellOf(leftPx, topPx, xPx, yPx));
}

void PieceDrag::PressCell(int16_t piece, Cell pointer, Cell grab)
{
    dragPiece = piece;
    curCol = pointer.col;
    curRow = pointer.row;
    startCol = curCol;
    startRow = curRow;
    grabCol = grab.col;
    grabRow = grab.row;
    dragging = true;
}

PieceDrag::Cell PieceDrag::pictureCell() const
{
    return {static_cast<int16_t>(curCol - grabCol), static_cast<int16_t>(curRow - grabRow)};
}

PieceDrag::Cell PieceDrag::clamp(const Board& board, Cell cell) const
{
    const Piece& piece = board.pieces[dragPiece];
    if (cell.col - grabCol < 0)
        cell.col = grabCol;
    if (cell.row - grabRow < 0)
        cell.row = grabRow;
    if (cell.col - grabCol + piece.width > kColumns)
        cell.col = static_cast<int16_t>(kColumns - piece.width + grabCol);
    if (cell.row - grabRow + piece.height > kRows)
        cell.row = static_cast<int16_t>(kRows - piece.height + grabRow);
    return cell;
}

// Only called for a straight slide: same column or same row as the start.
bool PieceDrag::slideFree(const Board& board, Cell target) const
{
    if (target.col == startCol) {
        return board.VerticalPathFree(dragPiece, static_cast<int16_t>(startRow - grabRow),
                                      static_cast<int16_t>(target.row - grabRow),
                                      static_cast<int16_t>(target.col - grabCol));
    }
    return board.HorizontalPathFree(dragPiece, static_cast<int16_t>(startCol - grabCol),
                                    static_cast<int16_t>(target.col - grabCol),
                                    static_cast<int16_t>(target.row - grabRow));
}

PieceDrag::MoveResult PieceDrag::MoveToCell(const Board& board, Cell target)
{
    MoveResult result;
    if (!dragging || target == Cell{curCol, curRow})
        return result;
    target = clamp(board, target);
    result.handled = true;

    // A straight slide through free cells, or back at the start, is
    // followed; a blocked or diagonal cell only changes the pointer.
    const bool sameCol = target.col == startCol;
    const bool sameRow = target.row == startRow;
    const bool followed = (sameCol && sameRow) || (sameCol != sameRow && slideFree(board, target));
    if (followed) {
        curCol = target.col;
        curRow = target.row;
        result.pictureMoved = true;
    } else {
        result.pointer = PointerShape::NoDrop;
    }
    return result;
}

PieceDrag::ReleaseResult PieceDrag::ReleaseAtCell(Board& board, Cell target)
{
    ReleaseResult result;
    if (!dragging)
        return result;
    result.handled = true;
    target = clamp(board, target);
    const Cell start{startCol, startRow};
    const bool sameCol = target.col == startCol;
    const bool sameRow = target.row == startRow;
    if (sameCol != sameRow) {
        if (!slideFree(board, target))
            target = {curCol, curRow};
        const Cell topLeft{static_cast<int16_t>(target.col - grabCol),
                           static_cast<int16_t>(target.row - grabRow)};
        board.UnmarkPiece(dragPiece, static_cast<int16_t>(startCol - grabCol),
                          static_cast<int16_t>(startRow - grabRow));
        board.MarkPiece(dragPiece, topLeft.col, topLeft.row);
        result.pictureCell = topLeft;
        result.committed = true;
        result.stepCounted = !(target == start);
    }
    // Otherwise (diagonal, or at the start) the picture goes back to the start.
    dragging = false;
    return result;
}

}  // namespace quill
