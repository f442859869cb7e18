#include "model/gamesession.h"

#include "model/solver.h"

#include <cstdlib>
#include <limits>

namespace quill {

void GameSession::Start(int16_t level, const Positions& positions, int32_t startSteps)
{
    levelIndex = level;
    steps = startSteps;
    gameChanged = false;
    board.ClearGrid();
    board.SetPiecePositions(positions);
    drag.dragging = false;
    done_.clear();
    undone_.clear();
    hint_.reset();
    selectionShown_ = false;
    selected_ = 0;
    holding_ = false;
    state_ = State::Playing;
}

void GameSession::Win()
{
    gameChanged = false;
    drag.dragging = false;
    holding_ = false;
    selectionShown_ = false;
    hint_.reset();
    state_ = State::Won;
}

void GameSession::MousePress(int16_t piece, int leftPx, int topPx, double xPx, double yPx)
{
    hint_.reset();
    holding_ = false;
    drag.MouseDown(piece, leftPx, topPx, xPx, yPx);
}

PieceDrag::MoveResult GameSession::MouseMove(int leftPx, int topPx, double xPx, double yPx)
{
    if (holding_)
        return {};
    return drag.MouseMove(board, leftPx, topPx, xPx, yPx);
}

GameSession::Outcome GameSession::MouseRelease(int leftPx, int topPx, double xPx, double yPx)
{
    if (holding_)
        return {};
    return Committed(drag.MouseUp(board, leftPx, topPx, xPx, yPx));
}

GameSession::Outcome GameSession::Committed(const PieceDrag::ReleaseResult& release)
{
    Outcome outcome;
    outcome.handled = release.handled;
    if (!release.handled)
        return outcome;
    holding_ = false;
    if (release.committed) {
        outcome.committed = true;
        gameChanged = true;
        if (release.stepCounted) {
            Slide slide;
            slide.piece = drag.dragPiece;
            slide.from = {static_cast<int16_t>(drag.startCol - drag.grabCol),
                          static_cast<int16_t>(drag.startRow - drag.grabRow)};
            slide.to = release.pictureCell;
            slide.stepsBefore = steps;
            // A saved game may hold any count; the counter stops at its top
            // instead of overflowing.
            if (steps < std::numeric_limits<int32_t>::max())
                ++steps;
            slide.stepsAfter = steps;
            done_.push_back(slide);
            undone_.clear();
        }
    }
    outcome.won = release.checkWin && board.IsSolved();
    return outcome;
}

GameSession::Outcome GameSession::Replay(const Slide& slide, bool forward)
{
    const PieceDrag::Cell from = forward ? slide.from : slide.to;
    const PieceDrag::Cell to = forward ? slide.to : slide.from;
    board.UnmarkPiece(slide.piece, from.col, from.row);
    board.MarkPiece(slide.piece, to.col, to.row);
    steps = forward ? slide.stepsAfter : slide.stepsBefore;
    gameChanged = true;
    hint_.reset();
    Outcome outcome;
    outcome.handled = true;
    outcome.committed = true;
    outcome.won = forward && slide.piece == 0 && board.IsSolved();
    return outcome;
}

GameSession::Outcome GameSession::Undo()
{
    if (!canUndo() || drag.dragging)
        return {};
    const Slide slide = done_.back();
    done_.pop_back();
    undone_.push_back(slide);
    return Replay(slide, false);
}

GameSession::Outcome GameSession::Redo()
{
    if (!canRedo() || drag.dragging)
        return {};
    const Slide slide = undone_.back();
    undone_.pop_back();
    done_.push_back(slide);
    return Replay(slide, true);
}

std::optional<GameSession::Hint> GameSession::FindHint()
{
    hint_.reset();
    if (!playing())
        return hint_;
    const Solution solution = slideSolver().solve(board.PiecePositions());
    if (solution.outcome != Solution::Outcome::Solved)
        return hint_;
    Hint hint;
    hint.stepsLeft = solution.steps();
    if (solution.moves.empty()) {
        // The principal piece already stands on the goal: letting go of it wins.
        hint.piece = 0;
        hint.target = {board.pieces[0].col, board.pieces[0].row};
    } else {
        const SolutionMove& first = solution.moves.front();
        hint.piece = first.piece;
        hint.target = {columnOf(first.to), rowOf(first.to)};
    }
    hint_ = hint;
    return hint_;
}

PieceDrag::Cell GameSession::pictureCell(int16_t piece) const
{
    if (drag.dragging && drag.dragPiece == piece)
        return drag.pictureCell();
    return {board.pieces[piece].col, board.pieces[piece].row};
}

std::optional<GameSession::Key> GameSession::keyFor(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::PickUpOrPutDown;
    case Qt::Key_Escape: return Key::PutBack;
    default: return std::nullopt;
    }
}

GameSession::Outcome GameSession::PressKey(Key key)
{
    if (!playing() || (drag.dragging && !holding_))
        return {};
    int dc = 0;
    int dr = 0;
    switch (key) {
    case Key::Left: dc = -1; break;
    case Key::Right: dc = 1; break;
    case Key::Up: dr = -1; break;
    case Key::Down: dr = 1; break;
    case Key::PickUpOrPutDown:
        if (holding_)
            return Committed(drag.ReleaseAtCell(board, {drag.curCol, drag.curRow}));
        if (!selectionShown_)
            return {};
        hint_.reset();
        holding_ = true;
        drag.PressCell(selected_, {board.pieces[selected_].col, board.pieces[selected_].row}, {0, 0});
        return {true, false, false};
    case Key::PutBack: {
        if (!holding_)
            return {};
        // Back on the cell where it was picked up: nothing is committed, and
        // letting go this way is no move that could win.
        Outcome outcome = Committed(drag.ReleaseAtCell(board, {drag.startCol, drag.startRow}));
        outcome.won = false;
        return outcome;
    }
    }
    return holding_ ? SlideHeld(dc, dr) : MoveSelection(dc, dr);
}

GameSession::Outcome GameSession::SlideHeld(int dc, int dr)
{
    const PieceDrag::Cell target{static_cast<int16_t>(drag.curCol + dc),
                                 static_cast<int16_t>(drag.curRow + dr)};
    const PieceDrag::Cell before = drag.pictureCell();
    drag.MoveToCell(board, target);
    return {!(drag.pictureCell() == before), false, false};
}

GameSession::Outcome GameSession::MoveSelection(int dc, int dr)
{
    if (!selectionShown_) {
        selectionShown_ = true;
        selected_ = 0;
        return {true, false, false};
    }
    // Centres in half cells; a piece counts when its centre lies ahead, and
    // the nearest wins, a step aside counting twice a step ahead.
    auto centre = [this](int piece) {
        const Piece& p = board.pieces[piece];
        return std::pair<int, int>(2 * p.col + p.width, 2 * p.row + p.height);
    };
    const auto [fromX, fromY] = centre(selected_);
    int best = -1;
    int bestScore = 0;
    int bestAside = 0;
    for (int piece = 0; piece < kPieceCount; ++piece) {
        if (piece == selected_)
            continue;
        const auto [x, y] = centre(piece);
        const int ahead = (x - fromX) * dc + (y - fromY) * dr;
        if (ahead <= 0)
            continue;
        const int aside = std::abs((x - fromX) * dr) + std::abs((y - fromY) * dc);
        const int score = ahead + 2 * aside;
        if (best < 0 || score < bestScore || (score == bestScore && aside < bestAside)) {
            best = piece;
            bestScore = score;
            bestAside = aside;
        }
    }
    if (best < 0)
        return {};
    selected_ = static_cast<int16_t>(best);
    return {true, false, false};
}

}  // namespace quill
