#include "game/boardmarks.h"

#include "model/drag.h"

#include <QPainter>
#include <QPainterPath>

namespace quill {
namespace {

const QColor kDark(0, 0, 0);
const QColor kLight(255, 255, 255);
const QColor kHint(0, 230, 255);

// A band of `light` between dark edges, just inside `rect`.
void drawBand(QPainter& painter, const QRect& rect, const QColor& light, int width,
              Qt::PenStyle style = Qt::SolidLine)
{
    const QRectF inner = QRectF(rect).adjusted(width / 2.0 + 1, width / 2.0 + 1, -width / 2.0 - 1,
                                               -width / 2.0 - 1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kDark, width + 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(inner);
    QPen band(light, width, style, Qt::FlatCap, Qt::MiterJoin);
    if (style == Qt::CustomDashLine)
        band.setDashPattern({2.0, 2.0});
    painter.setPen(band);
    painter.drawRect(inner);
}

// Cells to fill: light hatching over a see-through wash of the colour.
void drawTarget(QPainter& painter, const QRect& rect, const QColor& light)
{
    QColor wash = light;
    wash.setAlpha(90);
    painter.fillRect(rect.adjusted(2, 2, -2, -2), wash);
    painter.save();
    painter.setClipRect(rect.adjusted(2, 2, -2, -2));
    for (int offset = -rect.height(); offset < rect.width(); offset += 14) {
        const QPointF from(rect.left() + offset, rect.bottom());
        const QPointF to(rect.left() + offset + rect.height(), rect.top());
        painter.setPen(QPen(kDark, 4));
        painter.drawLine(from, to);
        painter.setPen(QPen(light, 2));
        painter.drawLine(from, to);
    }
    painter.restore();
    drawBand(painter, rect, light, 3, Qt::DashLine);
}

// The pixels of the cells that `piece` covers from its top-left `cell`.
QRect cellsOf(int piece, PieceDrag::Cell cell)
{
    const Shape& shape = shapeOf(piece);
    return {pieceLeftPx(cell.col), pieceTopPx(cell.row), kCellPx * shape.width, kCellPx * shape.height};
}

}  // namespace

BoardMarks boardMarksOf(const GameSession& session)
{
    BoardMarks marks;
    if (const std::optional<GameSession::Hint>& hint = session.hint()) {
        marks.hintPiece = cellsOf(hint->piece, session.pictureCell(hint->piece));
        marks.hintTarget = cellsOf(hint->piece, hint->target);
    }
    if (session.playing() && session.selectionShown()) {
        const int16_t piece = session.selectedPiece();
        marks.selection = cellsOf(piece, session.pictureCell(piece));
        marks.held = session.holding();
    }
    return marks;
}

BoardMarksView::BoardMarksView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("boardMarks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void BoardMarksView::setMarks(const BoardMarks& marks)
{
    if (marks == marks_)
        return;
    marks_ = marks;
    update();
}

void BoardMarksView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (marks_.hintTarget)
        drawTarget(painter, *marks_.hintTarget, kHint);
    if (marks_.hintPiece)
        drawBand(painter, *marks_.hintPiece, kHint, 4);
    // The keyboard's frame: black and white dashes, which no skin colour
    // hides; a held piece is darkened under a broader frame.
    if (marks_.selection) {
        if (marks_.held)
            painter.fillRect(marks_.selection->adjusted(3, 3, -3, -3), QColor(0, 0, 0, 90));
        drawBand(painter, *marks_.selection, kLight, marks_.held ? 7 : 4, Qt::CustomDashLine);
    }
}

}  // namespace quill
