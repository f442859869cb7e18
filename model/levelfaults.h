#pragma once

#include "model/levelfile.h"

#include <QString>
#include <cstdint>

namespace quill {

// What keeps ten position values from being a position on the board.
struct PositionFault {
    enum class Kind { None, Misplaced, Overlap };
    Kind kind = Kind::None;
    int piece = -1;     // the misplaced piece, or the later of two overlapping ones
    int other = -1;     // overlap: the earlier piece on the shared cell
    int16_t value = 0;  // misplaced: its position value
    int col = -1;       // overlap: the shared cell
    int row = -1;

    bool none() const { return kind == Kind::None; }
};

// The first piece, in index order, whose top-left cell is not allowed for
// its shape; no fault when every piece has a place on the board. Overlaps
// are not looked at: a level may be played with them.
PositionFault misplacedFault(const Positions& positions);

// The first fault, looking at the pieces in index order: a misplaced piece,
// or a piece that covers a cell of a piece with a lower index.
PositionFault findPositionFault(const Positions& positions);

// The name of a piece as the editor and the faults give it: "Kirrow",
// "Soldier A".
QString pieceEditorName(int piece);

// The words every program uses for a fault, with the pieces' names and
// cells counted from 1: "Kirrow has no place on the board at position value
// 45." or "Tessamor and Soldier A share the cell in column 1, row 1."
QString faultText(const PositionFault& fault);

// "Level 5 cannot be played because Kirrow has no place on the board at
// position value 45." for the level of index `index`.
QString levelRefusalText(int index, const PositionFault& fault);

// "Soldier D is not on the board.", of a level being edited.
QString notOnBoardText(int piece);

}  // namespace quill
