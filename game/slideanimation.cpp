#include "game/slideanimation.h"

#include "game/boardview.h"

#include <cstdlib>

namespace quill {
namespace {

QPointF boardPixelsOf(PieceDrag::Cell cell)
{
    return QPointF(pieceLeftPx(cell.col), pieceTopPx(cell.row));
}

}  // namespace

SlideAnimation::SlideAnimation(BoardView* view) : QObject(view), view_(view)
{
    motion_.setEasingCurve(QEasingCurve::Linear);
    connect(&motion_, &QVariantAnimation::valueChanged, this, &SlideAnimation::Place);
    connect(&motion_, &QVariantAnimation::finished, this, &SlideAnimation::Finish);
}

void SlideAnimation::Glide(int16_t piece, PieceDrag::Cell from, PieceDrag::Cell to)
{
    Finish();
    const int cells = std::abs(to.col - from.col) + std::abs(to.row - from.row);
    if (msPerCell_ <= 0 || cells == 0) {
        emit finished();
        return;
    }
    piece_ = piece;
    motion_.setStartValue(boardPixelsOf(from));
    motion_.setEndValue(boardPixelsOf(to));
    motion_.setDuration(msPerCell_ * cells);
    view_->PlacePiece(piece_, boardPixelsOf(from));
    motion_.start();
}

void SlideAnimation::Finish()
{
    if (!running())
        return;
    // The finished signal of the motion comes back here: the piece is
    // forgotten first so that it ends once.
    const int16_t piece = piece_;
    piece_ = -1;
    motion_.stop();
    view_->PlacePiece(piece, motion_.endValue().toPointF());
    emit finished();
}

void SlideAnimation::Place(const QVariant& at)
{
    if (running())
        view_->PlacePiece(piece_, at.toPointF());
}

}  // namespace quill
