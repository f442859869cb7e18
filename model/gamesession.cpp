#include "model/gamesession.h"

#include "model/levelcode.h"
#include "model/levelfaults.h"
#include "model/progress.h"

#include <QCoreApplication>
#include <cstdlib>
#include <limits>
#include <utility>

namespace quill {

GameSession::GameSession(QString progressPath) : progressPath_(std::move(progressPath)) {}

void GameSession::SetLevels(const LevelTable& levels)
{
    levels_ = levels;
    verdicts_.reset();
}

bool GameSession::StartLevel(int16_t index, QString* refusal)
{
    if (index == kRandomLevelMarker && random_) {
        Start(kRandomLevelMarker, random_->start, 0);
        return true;
    }
    if (index < 0 || index >= kLevelCount)
        return false;
    const PositionFault misplaced = misplacedFault(levels_[index].positions);
    if (!misplaced.none()) {
        if (refusal)
            *refusal = levelRefusalText(index, misplaced);
        return false;
    }
    Start(index, levels_[index].positions, 0);
    return true;
}

bool GameSession::StartRandom(const Positions& start)
{
    if (!TakeRandomStart(start))
        return false;
    Start(kRandomLevelMarker, start, 0);
    return true;
}

bool GameSession::TakeRandomStart(const Positions& start)
{
    const int fewest = fewestSteps(start);
    if (fewest < 1)
        return false;
    random_ = DealtLevel{start, fewest, levelCode(start)};
    return true;
}

bool GameSession::LoadGame(const SavedGame& game)
{
    if (!misplacedFault(game.positions).none())
        return false;
    if (game.isRandom()) {
        const std::optional<Positions> start = dealtStartOf(game);
        if (!start || !TakeRandomStart(*start))
            return false;
    } else if (game.level >= 0 && game.level < kLevelCount) {
        levels_[game.level].name = game.name;
    } else {
        return false;
    }
    Start(game.level, game.positions, game.steps);
    return true;
}

SavedGame GameSession::SavedRecord() const
{
    if (randomInPlay())
        return randomSavedGame(random_->start, steps_, board_.PiecePositions());
    SavedGame record;
    record.steps = steps_;
    record.level = levelIndex_;
    record.name = levelName();
    record.positions = board_.PiecePositions();
    return record;
}

QString GameSession::levelStatus() const
{
    if (randomInPlay())
        return QCoreApplication::translate("GameSession", "Random: %1").arg(random_->code);
    return QCoreApplication::translate("GameSession", "Level: %1 - %2")
        .arg(QString::number(levelIndex_ + 1), levelName());
}

QString GameSession::stepsStatus() const
{
    if (!randomInPlay())
        return QCoreApplication::translate("GameSession", "Steps: %1").arg(steps_);
    return QCoreApplication::translate("GameSession", "Steps: %1 (fewest %2)").arg(steps_).arg(random_->steps);
}

void GameSession::Start(int16_t level, const Positions& positions, int32_t startSteps)
{
    levelIndex_ = level;
    steps_ = startSteps;
    gameChanged_ = false;
    board_.ClearGrid();
    board_.SetPiecePositions(positions);
    board_.PlacePieces();
    drag_.dragging = false;
    done_.clear();
    undone_.clear();
    hint_.reset();
    EndShow();
    assisted_ = false;
    selectionShown_ = false;
    selected_ = 0;
    holding_ = false;
    state_ = State::Playing;
}

const std::array<LevelVerdict, kLevelCount>& GameSession::levelVerdicts() const
{
    if (!verdicts_)
        verdicts_ = judgeLevels(levels_);
    return *verdicts_;
}

FileStatus GameSession::Win()
{
    gameChanged_ = false;
    drag_.dragging = false;
    holding_ = false;
    selectionShown_ = false;
    hint_.reset();
    StopSolution();
    state_ = State::Won;
    if (assisted_)
        return FileStatus::success(progressPath_);
    return RecordWin();
}

FileStatus GameSession::RecordWin() const
{
    if (progressPath_.isEmpty())
        return FileStatus::success(progressPath_);
    if (randomInPlay())
        return recordRandomWin(progressPath_, random_->start, steps_).status;
    return recordWin(progressPath_, levelIndex_, levels_[levelIndex_].positions, steps_).status;
}

void GameSession::MousePress(int16_t piece, double xPx, double yPx)
{
    hint_.reset();
    EndShow();
    holding_ = false;
    const PieceDrag::Cell at = pictureCell(piece);
    drag_.MouseDown(piece, pieceLeftPx(at.col), pieceTopPx(at.row), xPx, yPx);
}

PieceDrag::MoveResult GameSession::MouseMove(double xPx, double yPx)
{
    if (holding_ || !drag_.dragging)
        return {};
    const PieceDrag::Cell at = drag_.pictureCell();
    return drag_.MouseMove(board_, pieceLeftPx(at.col), pieceTopPx(at.row), xPx, yPx);
}

GameSession::Outcome GameSession::MouseRelease(double xPx, double yPx)
{
    if (holding_ || !drag_.dragging)
        return {};
    const PieceDrag::Cell at = drag_.pictureCell();
    return Committed(drag_.MouseUp(board_, pieceLeftPx(at.col), pieceTopPx(at.row), xPx, yPx));
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
        gameChanged_ = true;
        if (release.stepCounted) {
            KeepSlide(drag_.dragPiece,
                      {static_cast<int16_t>(drag_.startCol - drag_.grabCol),
                       static_cast<int16_t>(drag_.startRow - drag_.grabRow)},
                      release.pictureCell);
        }
    }
    outcome.won = board_.WonBy(drag_.dragPiece);
    return outcome;
}

void GameSession::KeepSlide(int16_t piece, PieceDrag::Cell from, PieceDrag::Cell to)
{
    Slide slide;
    slide.piece = piece;
    slide.from = from;
    slide.to = to;
    slide.stepsBefore = steps_;
    // A saved game may hold any count; the counter stops at its top
    // instead of overflowing.
    if (steps_ < std::numeric_limits<int32_t>::max())
        ++steps_;
    slide.stepsAfter = steps_;
    done_.push_back(slide);
    undone_.clear();
}

GameSession::Outcome GameSession::Replay(const Slide& slide, bool forward)
{
    const PieceDrag::Cell from = forward ? slide.from : slide.to;
    const PieceDrag::Cell to = forward ? slide.to : slide.from;
    board_.UnmarkPiece(slide.piece, from.col, from.row);
    board_.MarkPiece(slide.piece, to.col, to.row);
    steps_ = forward ? slide.stepsAfter : slide.stepsBefore;
    gameChanged_ = true;
    hint_.reset();
    EndShow();
    Outcome outcome;
    outcome.handled = true;
    outcome.committed = true;
    outcome.won = forward && board_.WonBy(slide.piece);
    return outcome;
}

GameSession::Outcome GameSession::Undo()
{
    if (!canUndo() || drag_.dragging)
        return {};
    const Slide slide = done_.back();
    done_.pop_back();
    undone_.push_back(slide);
    return Replay(slide, false);
}

GameSession::Outcome GameSession::Redo()
{
    if (!canRedo() || drag_.dragging)
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
    const Solution solution = slideSolver().solve(board_.PiecePositions());
    if (solution.outcome != Solution::Outcome::Solved)
        return hint_;
    Hint hint;
    hint.stepsLeft = solution.steps();
    if (solution.moves.empty()) {
        // The principal piece already stands on the goal: letting go of it wins.
        hint.piece = kPrincipalPiece;
        hint.target = pictureCell(kPrincipalPiece);
    } else {
        const SolutionMove& first = solution.moves.front();
        hint.piece = first.piece;
        hint.target = {columnOf(first.to), rowOf(first.to)};
    }
    hint_ = hint;
    return hint_;
}

bool GameSession::StartSolution()
{
    if (!playing())
        return false;
    if (drag_.dragging) {
        // A piece carried by the mouse or held by the keyboard goes back
        // where it was picked up, as with Esc.
        drag_.ReleaseAtCell(board_, {drag_.startCol, drag_.startRow});
        holding_ = false;
    }
    Solution solution = slideSolver().solve(board_.PiecePositions());
    if (solution.outcome != Solution::Outcome::Solved)
        return false;
    hint_.reset();
    shown_.reset();
    solution_ = std::move(solution.moves);
    solutionTotal_ = static_cast<int>(solution_.size());
    showing_ = true;
    return true;
}

GameSession::Outcome GameSession::PlaySolutionSlide()
{
    if (!showing_ || !playing() || drag_.dragging)
        return {};
    assisted_ = true;
    gameChanged_ = true;
    Outcome outcome{true, false, false};
    if (!solution_.empty()) {
        const SolutionMove move = solution_.front();
        solution_.erase(solution_.begin());
        const Piece& piece = board_.pieces[move.piece];
        const PieceDrag::Cell from{piece.col, piece.row};
        const PieceDrag::Cell to{columnOf(move.to), rowOf(move.to)};
        board_.UnmarkPiece(move.piece, from.col, from.row);
        board_.MarkPiece(move.piece, to.col, to.row);
        KeepSlide(move.piece, from, to);
        shown_ = ShownSlide{done_.back(), solutionTotal_ - static_cast<int>(solution_.size()), solutionTotal_};
        outcome.committed = true;
    }
    outcome.won = board_.WonBy(kPrincipalPiece);
    if (solution_.empty())
        showing_ = false;
    return outcome;
}

void GameSession::StopSolution()
{
    showing_ = false;
    solution_.clear();
}

void GameSession::EndShow()
{
    StopSolution();
    shown_.reset();
}

PieceDrag::Cell GameSession::pictureCell(int16_t piece) const
{
    if (drag_.dragging && drag_.dragPiece == piece)
        return drag_.pictureCell();
    return {board_.pieces[piece].col, board_.pieces[piece].row};
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
    if (!playing() || (drag_.dragging && !holding_))
        return {};
    EndShow();
    int dc = 0;
    int dr = 0;
    switch (key) {
    case Key::Left: dc = -1; break;
    case Key::Right: dc = 1; break;
    case Key::Up: dr = -1; break;
    case Key::Down: dr = 1; break;
    case Key::PickUpOrPutDown:
        if (holding_)
            return Committed(drag_.ReleaseAtCell(board_, {drag_.curCol, drag_.curRow}));
        if (!selectionShown_)
            return {};
        hint_.reset();
        holding_ = true;
        drag_.PressCell(selected_, {board_.pieces[selected_].col, board_.pieces[selected_].row}, {0, 0});
        return {true, false, false};
    case Key::PutBack: {
        if (!holding_)
            return {};
        // Back on the cell where it was picked up: nothing is committed, and
        // letting go this way is no move that could win.
        Outcome outcome = Committed(drag_.ReleaseAtCell(board_, {drag_.startCol, drag_.startRow}));
        outcome.won = false;
        return outcome;
    }
    }
    return holding_ ? SlideHeld(dc, dr) : MoveSelection(dc, dr);
}

GameSession::Outcome GameSession::SlideHeld(int dc, int dr)
{
    const PieceDrag::Cell target{static_cast<int16_t>(drag_.curCol + dc),
                                 static_cast<int16_t>(drag_.curRow + dr)};
    const PieceDrag::Cell before = drag_.pictureCell();
    drag_.MoveToCell(board_, target);
    return {!(drag_.pictureCell() == before), false, false};
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
        const Piece& p = board_.pieces[piece];
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
