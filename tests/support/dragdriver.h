#pragma once

// Mouse drags as the window system reports them, for the game session and
// for the real window alike: a press, moves and a release at points of the
// window, each given to the dragged picture relative to where that picture
// stands at that moment.

#include "model/gamesession.h"

#include <QList>
#include <QPoint>
#include <QPointF>

namespace quill::test {

// Window pixel of the centre of a board cell.
inline QPoint cellCentre(int col, int row)
{
    return {pieceLeftPx(col) + kCellPx / 2, pieceTopPx(row) + kCellPx / 2};
}

// A drag of one piece taken an event at a time, at points of the window.
// `Pointer` receives the events: picturePos(piece) is where the picture
// stands in the window, press, move and release take the point inside it.
template <typename Pointer>
struct StepwiseDrag {
    Pointer& pointer;
    int piece;

    QPointF inside(QPoint at) const { return QPointF(at - pointer.picturePos(piece)); }
    void press(QPoint at) { pointer.press(piece, inside(at)); }
    void move(QPoint at) { pointer.move(piece, inside(at)); }
    auto release(QPoint at) { return pointer.release(piece, inside(at)); }
};

// A whole drag: pressed at the first point, moved through the others and
// let go at the last.
template <typename Pointer>
auto dragThrough(Pointer& pointer, int piece, const QList<QPoint>& points)
{
    StepwiseDrag<Pointer> drag{pointer, piece};
    drag.press(points.first());
    for (const QPoint& at : points.mid(1))
        drag.move(at);
    return drag.release(points.last());
}

// The same through the centres of board cells, (col, row) each.
template <typename Pointer>
auto dragCells(Pointer& pointer, int piece, const QList<QPoint>& cells)
{
    QList<QPoint> points;
    for (const QPoint& cell : cells)
        points << cellCentre(cell.x(), cell.y());
    return dragThrough(pointer, piece, points);
}

// The game session as the receiver, keeping the pointer shape the window
// would show.
struct SessionPointer {
    GameSession& session;
    PointerShape shape = PointerShape::Default;

    QPoint picturePos(int piece) const
    {
        const PieceDrag::Cell cell = session.pictureCell(static_cast<int16_t>(piece));
        return {pieceLeftPx(cell.col), pieceTopPx(cell.row)};
    }
    void press(int piece, QPointF at)
    {
        session.MousePress(static_cast<int16_t>(piece), at.x(), at.y());
        shape = PointerShape::Move;
    }
    void move(int, QPointF at)
    {
        const PieceDrag::MoveResult result = session.MouseMove(at.x(), at.y());
        if (result.handled)
            shape = result.pointer;
    }
    GameSession::Outcome release(int, QPointF at)
    {
        const GameSession::Outcome outcome = session.MouseRelease(at.x(), at.y());
        if (outcome.handled)
            shape = PointerShape::Default;
        return outcome;
    }
};

// A session playing `positions` with `steps` counted, as New Game (or, with
// steps, Load Game) starts one.
inline GameSession startedSession(const Positions& positions, int32_t steps = 0)
{
    GameSession session;
    LevelTable levels;
    levels[0].positions = positions;
    session.SetLevels(levels);
    SavedGame game;
    game.positions = positions;
    game.steps = steps;
    session.LoadGame(game);
    return session;
}

// One mouse drag of `piece` through the centres of `cells` on a session.
inline GameSession::Outcome sessionDrag(GameSession& session, int piece, const QList<QPoint>& cells)
{
    SessionPointer pointer{session};
    return dragCells(pointer, piece, cells);
}

}  // namespace quill::test
