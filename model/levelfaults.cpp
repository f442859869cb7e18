#include "model/levelfaults.h"

#include "model/shapes.h"
#include "model/spoken.h"

#include <QCoreApplication>
#include <array>

namespace quill {
QString pieceEditorName(int piece)
{
    return QCoreApplication::translate("Shapes", shapeOf(piece).editorName);
}

PositionFault misplacedFault(const Positions& positions)
{
    PositionFault fault;
    const int misplaced = firstMisplacedPiece(positions);
    if (misplaced >= 0) {
        fault.kind = PositionFault::Kind::Misplaced;
        fault.piece = misplaced;
        fault.value = positions[misplaced];
    }
    return fault;
}

PositionFault findPositionFault(const Positions& positions)
{
    PositionFault fault = misplacedFault(positions);
    std::array<std::array<int, kColumns>, kRows> owner;
    for (auto& row : owner)
        row.fill(-1);
    for (int piece = 0; piece < kPieceCount && fault.none(); ++piece) {
        forEachCell(piece, columnOf(positions[piece]), rowOf(positions[piece]), [&](int col, int row) {
            int& cell = owner[row][col];
            if (cell >= 0 && fault.none()) {
                fault.kind = PositionFault::Kind::Overlap;
                fault.piece = piece;
                fault.other = cell;
                fault.col = col;
                fault.row = row;
            }
            cell = piece;
        });
    }
    return fault;
}

QString faultText(const PositionFault& fault)
{
    switch (fault.kind) {
    case PositionFault::Kind::None:
        break;
    case PositionFault::Kind::Misplaced:
        return QCoreApplication::translate("LevelFaults", "%1 has no place on the board at position value %2.")
            .arg(pieceEditorName(fault.piece))
            .arg(fault.value);
    case PositionFault::Kind::Overlap:
        return QCoreApplication::translate("LevelFaults", "%1 and %2 share the cell in %3.")
            .arg(pieceEditorName(fault.other), pieceEditorName(fault.piece), spokenCell(fault.col, fault.row));
    }
    return {};
}

QString levelRefusalText(int index, const PositionFault& fault)
{
    return QCoreApplication::translate("LevelFaults", "Level %1 cannot be played because %2")
        .arg(QString::number(index + 1), faultText(fault));
}

QString notOnBoardText(int piece)
{
    return QCoreApplication::translate("LevelFaults", "%1 is not on the board.").arg(pieceEditorName(piece));
}

}  // namespace quill
