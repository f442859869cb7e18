#pragma once

#include "model/levelfile.h"

#include <cstdint>

namespace quill {

enum class ShapeClass { Square, Wide, Tall, Single };

struct Shape {
    ShapeClass shapeClass;
    int16_t width;   // in cells
    int16_t height;  // in cells
    const char* editorName;  // English; pieceEditorName gives it in the player's language
};

inline constexpr int kColumns = 4;
inline constexpr int kRows = 5;
inline constexpr int16_t kPrincipalPiece = 0;
inline constexpr int16_t kGoalPosition = 31;  // the principal piece at column 1, row 3

// The one table of piece shapes, by piece index 0..9.
const Shape& shapeOf(int piece);

// Whether `piece` may stand with its top-left cell at (col, row): the whole
// shape lies on the board.
bool topLeftAllowed(int piece, int col, int row);

// The same for a position value (row * 10 + column); negative values and
// values whose column is above 3 are never allowed.
bool positionAllowed(int piece, int16_t value);

inline int16_t positionValue(int col, int row) { return static_cast<int16_t>(row * 10 + col); }
inline int16_t columnOf(int16_t value) { return static_cast<int16_t>(value % 10); }
inline int16_t rowOf(int16_t value) { return static_cast<int16_t>(value / 10); }

// The first piece whose position value is not allowed, or -1 when all ten
// can be put on the board. Overlaps are not looked at.
int firstMisplacedPiece(const Positions& positions);

// Calls visit(col, row) for every cell the piece covers from top-left (col, row).
template <typename Visit>
void forEachCell(int piece, int col, int row, Visit visit)
{
    const Shape& shape = shapeOf(piece);
    for (int dc = 0; dc < shape.width; ++dc)
        for (int dr = 0; dr < shape.height; ++dr)
            visit(col + dc, row + dr);
}

}  // namespace quill
