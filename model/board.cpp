#include "model/board.h"

#include <algorithm>

namespace quill {

Board::Board()
{
    ClearGrid();
    for (int i = 0; i < kPieceCount; ++i) {
        pieces[i].width = shapeOf(i).width;
        pieces[i].height = shapeOf(i).height;
    }
}

void Board::ClearGrid()
{
    for (auto& row : grid)
        row.fill(kEmpty);
}

void Board::SetPiecePositions(const Positions& positions)
{
    for (int i = 0; i < kPieceCount; ++i) {
        pieces[i].col = columnOf(positions[i]);
        pieces[i].row = rowOf(positions[i]);
    }
}

void Board::PlacePieces()
{
    for (int16_t piece : kPlacementOrder) {
        forEachCell(piece, pieces[piece].col, pieces[piece].row,
                    [&](int col, int row) { setCell(col, row, piece); });
    }
}

int16_t Board::cell(int col, int row) const
{
    return onBoard(col, row) ? grid[row][col] : static_cast<int16_t>(-2);
}

void Board::setCell(int col, int row, int16_t value)
{
    if (onBoard(col, row))
        grid[row][col] = value;
}

bool Board::CellFree(int16_t piece, int16_t col, int16_t row) const
{
    if (!onBoard(col, row))
        return false;
    const int16_t value = grid[row][col];
    return value == kEmpty || value == piece;
}

bool Board::FootprintFree(int16_t piece, int col, int row) const
{
    bool free = true;
    forEachCell(piece, col, row, [&](int c, int r) {
        if (!CellFree(piece, static_cast<int16_t>(c), static_cast<int16_t>(r)))
            free = false;
    });
    return free;
}

bool Board::HorizontalPathFree(int16_t piece, int16_t fromCol, int16_t toCol, int16_t row) const
{
    if (piece < 0 || piece >= kPieceCount)
        return false;
    const int lo = std::min(fromCol, toCol);
    const int hi = std::max(fromCol, toCol);
    for (int k = lo; k <= hi; ++k) {
        if (!FootprintFree(piece, k, row))
            return false;
    }
    return true;
}

bool Board::VerticalPathFree(int16_t piece, int16_t fromRow, int16_t toRow, int16_t col) const
{
    if (piece < 0 || piece >= kPieceCount)
        return false;
    const int lo = std::min(fromRow, toRow);
    const int hi = std::max(fromRow, toRow);
    for (int k = lo; k <= hi; ++k) {
        if (!FootprintFree(piece, col, k))
            return false;
    }
    return true;
}

void Board::UnmarkPiece(int16_t piece, int16_t col, int16_t row)
{
    if (piece < 0 || piece >= kPieceCount)
        return;
    forEachCell(piece, col, row, [&](int c, int r) { setCell(c, r, kEmpty); });
}

void Board::MarkPiece(int16_t piece, int16_t col, int16_t row)
{
    if (piece < 0 || piece >= kPieceCount)
        return;
    forEachCell(piece, col, row, [&](int c, int r) { setCell(c, r, piece); });
    pieces[piece].col = col;
    pieces[piece].row = row;
}

bool Board::IsSolved() const
{
    bool solved = true;
    forEachCell(kPrincipalPiece, columnOf(kGoalPosition), rowOf(kGoalPosition),
                [&](int col, int row) { solved = solved && grid[row][col] == kPrincipalPiece; });
    return solved;
}

Positions Board::PiecePositions() const
{
    Positions positions{};
    for (int i = 0; i < kPieceCount; ++i)
        positions[i] = positionValue(pieces[i].col, pieces[i].row);
    return positions;
}

}  // namespace quill
