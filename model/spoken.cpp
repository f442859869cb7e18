#include "model/spoken.h"

#include <QStringList>

#include <cstdlib>

namespace quill {
namespace {

// Plain concatenation: these words are made on every move of a piece.
QString span(QLatin1String one, QLatin1String many, int first, int count)
{
    if (count == 1)
        return one + QLatin1Char(' ') + QString::number(first + 1);
    return many + QLatin1Char(' ') + QString::number(first + 1) + QLatin1String(" to ")
           + QString::number(first + count);
}

}  // namespace

QString spokenPieceName(int piece)
{
    switch (shapeOf(piece).shapeClass) {
    case ShapeClass::Square: return QStringLiteral("Principal piece");
    case ShapeClass::Wide: return QStringLiteral("Wide piece");
    case ShapeClass::Tall: return QLatin1String("Tall piece ") + QString::number(piece - 1);
    case ShapeClass::Single: return QLatin1String("Small piece ") + QString::number(piece - 5);
    }
    return {};
}

QString spokenPlace(int piece, int col, int row)
{
    const Shape& shape = shapeOf(piece);
    return span(QLatin1String("column"), QLatin1String("columns"), col, shape.width) + QLatin1String(", ")
           + span(QLatin1String("row"), QLatin1String("rows"), row, shape.height);
}

QString spokenPiece(int piece, int col, int row)
{
    const Shape& shape = shapeOf(piece);
    return spokenPieceName(piece) + QLatin1String(", ") + QString::number(shape.width) + QLatin1String(" by ")
           + QString::number(shape.height) + QLatin1String(", ") + spokenPlace(piece, col, row);
}

QString spokenFreeWays(const Board& board, int piece)
{
    const Piece& p = board.pieces[piece];
    const auto id = static_cast<int16_t>(piece);
    QStringList ways;
    if (p.col > 0 && board.HorizontalPathFree(id, p.col, static_cast<int16_t>(p.col - 1), p.row))
        ways << QStringLiteral("left");
    if (p.col + p.width < kColumns
        && board.HorizontalPathFree(id, p.col, static_cast<int16_t>(p.col + 1), p.row))
        ways << QStringLiteral("right");
    if (p.row > 0 && board.VerticalPathFree(id, p.row, static_cast<int16_t>(p.row - 1), p.col))
        ways << QStringLiteral("up");
    if (p.row + p.height < kRows
        && board.VerticalPathFree(id, p.row, static_cast<int16_t>(p.row + 1), p.col))
        ways << QStringLiteral("down");
    if (ways.isEmpty())
        return QStringLiteral("It cannot slide.");
    const QString last = ways.takeLast();
    return QStringLiteral("It can slide ")
           + (ways.isEmpty() ? last : ways.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last)
           + QLatin1Char('.');
}

QString spokenCell(int col, int row)
{
    return QStringLiteral("column %1, row %2").arg(col + 1).arg(row + 1);
}

SpokenText spokenPicture(const GameSession& session, int piece)
{
    const PieceDrag::Cell cell = session.pictureCell(static_cast<int16_t>(piece));
    return {spokenPiece(piece, cell.col, cell.row), spokenFreeWays(session.board(), piece)};
}

QString hintMessage(const std::optional<GameSession::Hint>& hint)
{
    if (!hint)
        return QStringLiteral("No sequence of slides finishes the level from here.");
    return QStringLiteral("Slide the marked piece to the marked cells. The level can be finished in %1 more %2.")
        .arg(hint->stepsLeft)
        .arg(hint->stepsLeft == 1 ? QStringLiteral("step") : QStringLiteral("steps"));
}

namespace {

// "the wide piece left by 2 cells, to columns 1 to 2, row 5" for a
// straight slide from one top-left cell to another.
QString slideWords(int piece, PieceDrag::Cell from, PieceDrag::Cell to)
{
    const int across = to.col - from.col;
    const int down = to.row - from.row;
    const int cells = std::abs(across) + std::abs(down);
    const char* way = across < 0 ? "left" : across > 0 ? "right" : down < 0 ? "up" : "down";
    return QStringLiteral("the %1 %2 by %3 %4, to %5")
        .arg(spokenPieceName(piece).toLower(), QLatin1String(way))
        .arg(cells)
        .arg(cells == 1 ? QStringLiteral("cell") : QStringLiteral("cells"), spokenPlace(piece, to.col, to.row));
}

}  // namespace

SpokenText spokenBoard(const GameSession& session)
{
    SpokenText spoken{QStringLiteral("Board"),
                      QStringLiteral("Arrow keys choose a piece, Space or Enter picks it up, arrow "
                                     "keys slide it, Space or Enter puts it down, Esc puts it back.")};
    if (session.state() == GameSession::State::Won) {
        spoken.name = QStringLiteral("Board: the level is finished");
    } else if (session.playing() && session.selectionShown()) {
        const int16_t piece = session.selectedPiece();
        const PieceDrag::Cell cell = session.pictureCell(piece);
        spoken.name = QStringLiteral("Board: ") + spokenPiece(piece, cell.col, cell.row)
                      + (session.holding() ? QStringLiteral(", held") : QStringLiteral(", selected"));
    }
    if (const std::optional<GameSession::Hint>& hint = session.hint()) {
        const PieceDrag::Cell from = session.pictureCell(hint->piece);
        spoken.description = from == hint->target
            ? QStringLiteral("Hint: let go of the %1 where it stands, at %2.")
                  .arg(spokenPieceName(hint->piece).toLower(),
                       spokenPlace(hint->piece, hint->target.col, hint->target.row))
            : QStringLiteral("Hint: slide ") + slideWords(hint->piece, from, hint->target) + QLatin1Char('.');
    } else if (const std::optional<GameSession::ShownSlide>& shown = session.shownSlide()) {
        spoken.description = QStringLiteral("Solution, step %1 of %2: slide ").arg(shown->number).arg(shown->total)
                             + slideWords(shown->slide.piece, shown->slide.from, shown->slide.to) + QLatin1Char('.');
    }
    return spoken;
}

}  // namespace quill
