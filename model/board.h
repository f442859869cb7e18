#pragma once

#include "model/levelfile.h"
#include "model/shapes.h"

#include <array>
#include <cstdint>

namespace quill {

struct Piece {
    int16_t col = 0;
    int16_t row = 0;
    int16_t width = 1;
    int16_t height = 1;
};

// One position on the board: the occupancy grid and the ten piece records.
// Cells outside the 5 x 4 grid are never read or written: they count as
// occupied for the tests and are skipped when marking.
class Board {
public:
    static constexpr int16_t kEmpty = -1;

    // An empty grid, and every piece with its width and height from the
    // shape table.
    Board();

    std::array<std::array<int16_t, kColumns>, kRows> grid;  // grid[row][col]
    std::array<Piece, kPieceCount> pieces;

    void ClearGrid();
    void SetPiecePositions(const Positions& positions);
    void PlacePieces();

    bool CellFree(int16_t piece, int16_t col, int16_t row) const;
    bool HorizontalPathFree(int16_t piece, int16_t fromCol, int16_t toCol, int16_t row) const;
    bool VerticalPathFree(int16_t piece, int16_t fromRow, int16_t toRow, int16_t col) const;
    void UnmarkPiece(int16_t piece, int16_t col, int16_t row);
    void MarkPiece(int16_t piece, int16_t col, int16_t row);
    bool IsSolved() const;
    // Whether letting go of `piece` wins: only the principal piece can.
    bool WonBy(int16_t piece) const { return piece == kPrincipalPiece && IsSolved(); }

    // Whether every cell the piece covers from top-left (col, row) is on the
    // board and empty or its own.
    bool FootprintFree(int16_t piece, int col, int row) const;

    // The inverse of SetPiecePositions: row * 10 + col of every piece.
    Positions PiecePositions() const;

    int16_t cell(int col, int row) const;
    static bool onBoard(int col, int row) { return col >= 0 && col < kColumns && row >= 0 && row < kRows; }

private:
    void setCell(int col, int row, int16_t value);
};

// The order in which PlacePieces writes pieces: a later piece wins a shared cell.
inline constexpr std::array<int16_t, kPieceCount> kPlacementOrder = {0, 4, 2, 5, 3, 1, 6, 7, 8, 9};

}  // namespace quill
