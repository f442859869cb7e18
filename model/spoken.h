#pragma once

#include "model/board.h"
#include "model/gamesession.h"

#include <QString>

namespace quill {

// What the game says of its pieces to a player who cannot see the board,
// through the screen reader: columns and rows count from 1, as people do.

// "Principal piece", "Wide piece", "Tall piece 1" to "4", "Small piece 1" to "4".
QString spokenPieceName(int piece);

// "columns 2 to 3, rows 1 to 2", or "column 4, row 5" for a single cell.
QString spokenPlace(int piece, int col, int row);

// "Principal piece, 2 by 2, columns 2 to 3, rows 1 to 2".
QString spokenPiece(int piece, int col, int row);

// Where the piece can slide from where it stands: "It can slide left or
// down." or "It cannot slide."
QString spokenFreeWays(const Board& board, int piece);

// "column 1, row 1" of a single cell.
QString spokenCell(int col, int row);

// The accessible name and description of a control.
struct SpokenText {
    QString name;
    QString description;
};

// A piece picture: what and where the piece is, and where it can slide.
SpokenText spokenPicture(const GameSession& session, int piece);

// The message of Hint: "Slide the marked piece to the marked cells. The
// level can be finished in N more steps.", or that no sequence of slides
// finishes the level from here.
QString hintMessage(const std::optional<GameSession::Hint>& hint);

// The board: the piece the keyboard selects or holds, and the hint on show
// or the slide the game showed last (or how to play from the keyboard).
SpokenText spokenBoard(const GameSession& session);

}  // namespace quill
