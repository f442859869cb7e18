#pragma once

#include "fuzz/fuzzsupport.h"
#include "model/board.h"
#include "model/levelfile.h"
#include "model/shapes.h"

#include <array>

// What every position put on a board must keep to, shared by the harnesses
// of the files that carry positions.
namespace quill::fuzz {

using CellMask = std::array<std::array<bool, kColumns>, kRows>;

inline CellMask footprint(int piece, int col, int row)
{
    CellMask mask{};
    forEachCell(piece, col, row, [&](int c, int r) {
        if (Board::onBoard(c, r))
            mask[r][c] = true;
    });
    return mask;
}

// A piece's place is allowed exactly when its whole shape lies on the board.
inline void checkPlaceRule(int piece, int16_t value)
{
    bool onBoard = true;
    forEachCell(piece, columnOf(value), rowOf(value),
                [&](int c, int r) { onBoard = onBoard && Board::onBoard(c, r); });
    FUZZ_CHECK(positionAllowed(piece, value) == onBoard);
}

inline void checkGridHoldsPieces(const Board& board)
{
    for (const auto& row : board.grid) {
        for (int16_t value : row)
            FUZZ_CHECK(value == Board::kEmpty || (value >= 0 && value < kPieceCount));
    }
}

// ClearGrid, SetPiecePositions, PlacePieces: the order of every new game.
inline Board placedBoard(const Positions& positions)
{
    Board board;
    board.ClearGrid();
    board.SetPiecePositions(positions);
    board.PlacePieces();
    checkGridHoldsPieces(board);
    return board;
}

// For a position whose pieces all have a place: a cell is taken exactly
// when some piece covers it, and by one of the pieces that cover it.
inline void checkPlacement(const Board& board, const Positions& positions)
{
    FUZZ_CHECK(board.PiecePositions() == positions);
    std::array<CellMask, kPieceCount> covers{};
    for (int piece = 0; piece < kPieceCount; ++piece)
        covers[piece] = footprint(piece, columnOf(positions[piece]), rowOf(positions[piece]));
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            bool covered = false;
            for (const CellMask& mask : covers)
                covered = covered || mask[r][c];
            const int16_t value = board.cell(c, r);
            FUZZ_CHECK(covered == (value != Board::kEmpty));
            if (value != Board::kEmpty)
                FUZZ_CHECK(covers[value][r][c]);
        }
    }
    // Only the principal piece writes 0, so a placed board is won only
    // with that piece on its goal.
    if (board.IsSolved())
        FUZZ_CHECK(positions[0] == kGoalPosition);
}

// Applies one slide the path test allowed and checks that it touched only
// the cells the piece left and entered, and can be slid back.
inline void checkSlide(const Board& before, int16_t piece, int16_t col, int16_t row, bool horizontal)
{
    const Piece from = before.pieces[piece];
    Board after = before;
    after.UnmarkPiece(piece, from.col, from.row);
    after.MarkPiece(piece, col, row);

    const CellMask left = footprint(piece, from.col, from.row);
    const CellMask entered = footprint(piece, col, row);
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            if (entered[r][c])
                FUZZ_CHECK(after.cell(c, r) == piece);
            else if (left[r][c])
                FUZZ_CHECK(after.cell(c, r) == Board::kEmpty);
            else
                FUZZ_CHECK(after.cell(c, r) == before.cell(c, r));
        }
    }
    for (int other = 0; other < kPieceCount; ++other) {
        const Piece& p = after.pieces[other];
        if (other == piece) {
            FUZZ_CHECK(p.col == col && p.row == row);
        } else {
            FUZZ_CHECK(p.col == before.pieces[other].col && p.row == before.pieces[other].row);
        }
    }
    FUZZ_CHECK(horizontal ? after.HorizontalPathFree(piece, col, from.col, row)
                          : after.VerticalPathFree(piece, from.row, row, col));
    checkGridHoldsPieces(after);
}

// Every slide of every piece to every top-left cell of its row and column.
inline void checkSlides(const Board& board)
{
    for (int16_t piece = 0; piece < kPieceCount; ++piece) {
        const Piece& p = board.pieces[piece];
        const Shape& shape = shapeOf(piece);
        for (int16_t col = 0; col + shape.width <= kColumns; ++col) {
            const bool free = board.HorizontalPathFree(piece, p.col, col, p.row);
            FUZZ_CHECK(free == board.HorizontalPathFree(piece, col, p.col, p.row));
            if (free)
                checkSlide(board, piece, col, p.row, true);
        }
        for (int16_t row = 0; row + shape.height <= kRows; ++row) {
            const bool free = board.VerticalPathFree(piece, p.row, row, p.col);
            FUZZ_CHECK(free == board.VerticalPathFree(piece, row, p.row, p.col));
            if (free)
                checkSlide(board, piece, p.col, row, false);
        }
    }
}

// Calls the board with arguments no file could give (any piece number,
// any cell, far off the board); it must stay within its 5 x 4 cells.
// Each command is 8 bytes: operation, piece, three 16-bit arguments.
inline void runBoardScript(Board& board, const QByteArray& script)
{
    constexpr qsizetype kCommandSize = 8;
    constexpr qsizetype kMaxCommands = 32;
    for (qsizetype at = 0; at + kCommandSize <= script.size() && at < kMaxCommands * kCommandSize;
         at += kCommandSize) {
        const auto op = static_cast<uint8_t>(script[at]) % 6;
        const auto piece = static_cast<int16_t>(static_cast<signed char>(script[at + 1]));
        const int16_t a = readInt16(script, static_cast<int>(at + 2));
        const int16_t b = readInt16(script, static_cast<int>(at + 4));
        const int16_t c = readInt16(script, static_cast<int>(at + 6));
        switch (op) {
        case 0: (void)board.HorizontalPathFree(piece, a, b, c); break;
        case 1: (void)board.VerticalPathFree(piece, a, b, c); break;
        case 2: board.UnmarkPiece(piece, a, b); break;
        case 3: board.MarkPiece(piece, a, b); break;
        case 4: (void)board.CellFree(piece, a, b); break;
        default: (void)board.IsSolved(); (void)board.PiecePositions(); break;
        }
        checkGridHoldsPieces(board);
    }
}

}  // namespace quill::fuzz
