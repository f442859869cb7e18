#include "model/shapes.h"

#include <QtGlobal>
#include <array>

namespace quill {
namespace {

constexpr std::array<Shape, kPieceCount> kShapes = {{
    {ShapeClass::Square, 2, 2, QT_TRANSLATE_NOOP("Shapes", "Ordrane")},
    {ShapeClass::Wide, 2, 1, QT_TRANSLATE_NOOP("Shapes", "Belvik")},
    {ShapeClass::Tall, 1, 2, QT_TRANSLATE_NOOP("Shapes", "Tessamor")},
    {ShapeClass::Tall, 1, 2, QT_TRANSLATE_NOOP("Shapes", "Kirrow")},
    {ShapeClass::Tall, 1, 2, QT_TRANSLATE_NOOP("Shapes", "Dunmale")},
    {ShapeClass::Tall, 1, 2, QT_TRANSLATE_NOOP("Shapes", "Pellick")},
    {ShapeClass::Single, 1, 1, QT_TRANSLATE_NOOP("Shapes", "Soldier A")},
    {ShapeClass::Single, 1, 1, QT_TRANSLATE_NOOP("Shapes", "Soldier B")},
    {ShapeClass::Single, 1, 1, QT_TRANSLATE_NOOP("Shapes", "Soldier C")},
    {ShapeClass::Single, 1, 1, QT_TRANSLATE_NOOP("Shapes", "Soldier D")},
}};

}  // namespace

const Shape& shapeOf(int piece)
{
    return kShapes.at(static_cast<std::size_t>(piece));
}

bool topLeftAllowed(int piece, int col, int row)
{
    if (piece < 0 || piece >= kPieceCount)
        return false;
    const Shape& shape = shapeOf(piece);
    return col >= 0 && row >= 0 && col + shape.width <= kColumns && row + shape.height <= kRows;
}

bool positionAllowed(int piece, int16_t value)
{
    if (value < 0)
        return false;
    return topLeftAllowed(piece, columnOf(value), rowOf(value));
}

int firstMisplacedPiece(const Positions& positions)
{
    for (int i = 0; i < kPieceCount; ++i) {
        if (!positionAllowed(i, positions[i]))
            return i;
    }
    return -1;
}

}  // namespace quill
