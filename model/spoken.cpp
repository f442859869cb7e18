#include "model/spoken.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdlib>

namespace quill {
namespace {

QString columnSpan(int first, int count)
{
    if (count == 1)
        return QCoreApplication::translate("Spoken", "column %1").arg(first + 1);
    return QCoreApplication::translate("Spoken", "columns %1 to %2").arg(first + 1).arg(first + count);
}

QString rowSpan(int first, int count)
{
    if (count == 1)
        return QCoreApplication::translate("Spoken", "row %1").arg(first + 1);
    return QCoreApplication::translate("Spoken", "rows %1 to %2").arg(first + 1).arg(first + count);
}

// A piece's name at the start of a text, or inside a sentence, where some
// languages write it differently.
QString pieceWords(int piece, bool inSentence)
{
    switch (shapeOf(piece).shapeClass) {
    case ShapeClass::Square:
        return inSentence ? QCoreApplication::translate("Spoken", "principal piece")
                          : QCoreApplication::translate("Spoken", "Principal piece");
    case ShapeClass::Wide:
        return inSentence ? QCoreApplication::translate("Spoken", "wide piece")
                          : QCoreApplication::translate("Spoken", "Wide piece");
    case ShapeClass::Tall:
        return (inSentence ? QCoreApplication::translate("Spoken", "tall piece %1")
                           : QCoreApplication::translate("Spoken", "Tall piece %1"))
            .arg(piece - 1);
    case ShapeClass::Single:
        return (inSentence ? QCoreApplication::translate("Spoken", "small piece %1")
                           : QCoreApplication::translate("Spoken", "Small piece %1"))
            .arg(piece - 5);
    }
    return {};
}

QString wayWord(int across, int down)
{
    if (across < 0)
        return QCoreApplication::translate("Spoken", "left", "direction of a slide");
    if (across > 0)
        return QCoreApplication::translate("Spoken", "right", "direction of a slide");
    return down < 0 ? QCoreApplication::translate("Spoken", "up", "direction of a slide")
                    : QCoreApplication::translate("Spoken", "down", "direction of a slide");
}

}  // namespace

QString spokenPieceName(int piece)
{
    return pieceWords(piece, false);
}

QString spokenPlace(int piece, int col, int row)
{
    const Shape& shape = shapeOf(piece);
    return QCoreApplication::translate("Spoken", "%1, %2", "columns, rows")
        .arg(columnSpan(col, shape.width), rowSpan(row, shape.height));
}

QString spokenPiece(int piece, int col, int row)
{
    const Shape& shape = shapeOf(piece);
    return QCoreApplication::translate("Spoken", "%1, %2 by %3, %4", "piece, width by height, place")
        .arg(spokenPieceName(piece), QString::number(shape.width), QString::number(shape.height),
             spokenPlace(piece, col, row));
}

QString spokenFreeWays(const Board& board, int piece)
{
    const Piece& p = board.pieces[piece];
    const auto id = static_cast<int16_t>(piece);
    QStringList ways;
    if (p.col > 0 && board.HorizontalPathFree(id, p.col, static_cast<int16_t>(p.col - 1), p.row))
        ways << wayWord(-1, 0);
    if (p.col + p.width < kColumns
        && board.HorizontalPathFree(id, p.col, static_cast<int16_t>(p.col + 1), p.row))
        ways << wayWord(1, 0);
    if (p.row > 0 && board.VerticalPathFree(id, p.row, static_cast<int16_t>(p.row - 1), p.col))
        ways << wayWord(0, -1);
    if (p.row + p.height < kRows
        && board.VerticalPathFree(id, p.row, static_cast<int16_t>(p.row + 1), p.col))
        ways << wayWord(0, 1);
    if (ways.isEmpty())
        return QCoreApplication::translate("Spoken", "It cannot slide.");
    const QString last = ways.takeLast();
    const QString all =
        ways.isEmpty() ? last : QCoreApplication::translate("Spoken", "%1 or %2", "the last of several directions").arg(ways.join(QStringLiteral(", ")), last);
    return QCoreApplication::translate("Spoken", "It can slide %1.").arg(all);
}

QString spokenCell(int col, int row)
{
    return QCoreApplication::translate("Spoken", "column %1, row %2").arg(col + 1).arg(row + 1);
}

SpokenText spokenPicture(const GameSession& session, int piece)
{
    const PieceDrag::Cell cell = session.pictureCell(static_cast<int16_t>(piece));
    return {spokenPiece(piece, cell.col, cell.row), spokenFreeWays(session.board(), piece)};
}

QString hintMessage(const std::optional<GameSession::Hint>& hint)
{
    if (!hint)
        return QCoreApplication::translate("Spoken", "No sequence of slides finishes the level from here.");
    if (hint->stepsLeft == 1)
        return QCoreApplication::translate("Spoken", "Slide the marked piece to the marked cells. The level can be finished in 1 more step.");
    return QCoreApplication::translate(
        "Spoken", "Slide the marked piece to the marked cells. The level can be finished in %n more steps.", nullptr,
        hint->stepsLeft);
}

namespace {

// "the wide piece left by 2 cells, to columns 1 to 2, row 5" for a
// straight slide from one top-left cell to another.
QString slideWords(int piece, PieceDrag::Cell from, PieceDrag::Cell to)
{
    const int across = to.col - from.col;
    const int down = to.row - from.row;
    const int cells = std::abs(across) + std::abs(down);
    const QString words = cells == 1
        ? QCoreApplication::translate("Spoken", "the %1 %2 by 1 cell, to %3", "piece, direction, place")
        : QCoreApplication::translate("Spoken", "the %1 %2 by %n cells, to %3", "piece, direction, place", cells);
    return words.arg(pieceWords(piece, true), wayWord(across, down), spokenPlace(piece, to.col, to.row));
}

}  // namespace

SpokenText spokenBoard(const GameSession& session)
{
    SpokenText spoken{QCoreApplication::translate("Spoken", "Board"),
                      QCoreApplication::translate("Spoken", "Arrow keys choose a piece, Space or Enter picks it up, arrow "
                           "keys slide it, Space or Enter puts it down, Esc puts it back.")};
    if (session.state() == GameSession::State::Won) {
        spoken.name = QCoreApplication::translate("Spoken", "Board: the level is finished");
    } else if (session.playing() && session.selectionShown()) {
        const int16_t piece = session.selectedPiece();
        const PieceDrag::Cell cell = session.pictureCell(piece);
        spoken.name = (session.holding() ? QCoreApplication::translate("Spoken", "Board: %1, held") : QCoreApplication::translate("Spoken", "Board: %1, selected"))
                          .arg(spokenPiece(piece, cell.col, cell.row));
    }
    if (const std::optional<GameSession::Hint>& hint = session.hint()) {
        const PieceDrag::Cell from = session.pictureCell(hint->piece);
        spoken.description = from == hint->target
            ? QCoreApplication::translate("Spoken", "Hint: let go of the %1 where it stands, at %2.")
                  .arg(pieceWords(hint->piece, true), spokenPlace(hint->piece, hint->target.col, hint->target.row))
            : QCoreApplication::translate("Spoken", "Hint: slide %1.").arg(slideWords(hint->piece, from, hint->target));
    } else if (const std::optional<GameSession::ShownSlide>& shown = session.shownSlide()) {
        spoken.description = QCoreApplication::translate("Spoken", "Solution, step %1 of %2: slide %3.")
                                 .arg(QString::number(shown->number), QString::number(shown->total),
                                      slideWords(shown->slide.piece, shown->slide.from, shown->slide.to));
    }
    return spoken;
}

}  // namespace quill
