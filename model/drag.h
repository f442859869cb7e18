#pragma once

#include "model/board.h"

#include <cstdint>

namespace quill {

// Board geometry of the game window, in pixels of its client area.
inline constexpr int kBoardOriginPx = 30;
inline constexpr int kCellPx = 60;

inline int pieceLeftPx(int col) { return kBoardOriginPx + kCellPx * col; }
inline int pieceTopPx(int row) { return kBoardOriginPx + kCellPx * row; }

// The window's pixel coordinate of an event at `offsetPx` inside a picture
// whose edge stands at `edgePx`, computed as the twips arithmetic does.
int pointerPixel(int edgePx, double offsetPx);

// The cell under a pixel coordinate: (p - 30) div 60, truncating toward
// zero, so -29..89 give 0 and further left or up gives a negative cell.
int16_t pointerCell(int pixel);

enum class PointerShape { Default, Move, NoDrop };

// The drag of one piece picture: press, moves and release, as pixel
// positions of the pointer relative to the dragged picture. The board is
// changed only when a release commits a slide.
class PieceDrag {
public:
    struct Cell {
        int16_t col = 0;
        int16_t row = 0;
        bool operator==(const Cell&) const = default;
    };

    struct MoveResult {
        bool handled = false;          // false: nothing happens at all
        bool pictureMoved = false;     // the picture goes to the pointer's cell
        PointerShape pointer = PointerShape::Move;
    };

    struct ReleaseResult {
        bool handled = false;          // false: no drag was in progress
        Cell pictureCell;              // where a committed slide put the picture
        bool committed = false;        // the slide was applied to the board
        bool stepCounted = false;      // it ended on another cell
    };

    bool dragging = false;
    int16_t dragPiece = 0;
    int16_t grabCol = 0;
    int16_t grabRow = 0;
    int16_t startCol = 0;
    int16_t startRow = 0;
    int16_t curCol = 0;
    int16_t curRow = 0;

    // A press of the left button on the picture of `piece`, whose top-left
    // stands at (leftPx, topPx); (xPx, yPx) is the pointer inside it.
    void MouseDown(int16_t piece, int leftPx, int topPx, double xPx, double yPx);

    // Pointer movement while the button is held.
    MoveResult MouseMove(const Board& board, int leftPx, int topPx, double xPx, double yPx);

    // Release of the left button; commits the slide to `board`. A release
    // without a press before it (the second click of a double click, say)
    // must not replay the last drag, so it does nothing.
    ReleaseResult MouseUp(Board& board, int leftPx, int topPx, double xPx, double yPx);

    // The same three steps in board cells, for any pointer that is not a
    // mouse: `pointer` is the pointer cell, `grab` the cell of the piece
    // that is held, relative to its top-left cell.
    void PressCell(int16_t piece, Cell pointer, Cell grab);
    MoveResult MoveToCell(const Board& board, Cell pointer);
    ReleaseResult ReleaseAtCell(Board& board, Cell pointer);

    // The top-left cell of the dragged piece's picture.
    Cell pictureCell() const;

private:
    Cell clamp(const Board& board, Cell pointer) const;
    bool slideFree(const Board& board, Cell target) const;
};

}  // namespace quill
