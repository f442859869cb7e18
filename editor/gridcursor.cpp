#include "editor/gridcursor.h"

#include "model/shapes.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace quill {

GridCursor::GridCursor(QWidget* parent, const QRect& cellArea, int cellStep)
    : QWidget(parent), step_(cellStep)
{
    setObjectName(QStringLiteral("picGrid"));
    setGeometry(cellArea);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void GridCursor::setCell(int cell)
{
    cell_ = std::clamp(cell, 0, kColumns * kRows - 1);
    update();
    emit moved(cell_);
}

void GridCursor::keyPressEvent(QKeyEvent* event)
{
    const int col = cell_ % kColumns;
    const int row = cell_ / kColumns;
    switch (event->key()) {
    case Qt::Key_Left: setCell(row * kColumns + std::max(col - 1, 0)); break;
    case Qt::Key_Right: setCell(row * kColumns + std::min(col + 1, kColumns - 1)); break;
    case Qt::Key_Up: setCell(std::max(row - 1, 0) * kColumns + col); break;
    case Qt::Key_Down: setCell(std::min(row + 1, kRows - 1) * kColumns + col); break;
    case Qt::Key_Space: emit activated(cell_); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void GridCursor::paintEvent(QPaintEvent*)
{
    if (!hasFocus())
        return;
    QPainter painter(this);
    // The grid may be drawn larger than its usual cells.
    const int step = width() == step_ * kColumns ? step_ : width() / kColumns;
    const QRect cell((cell_ % kColumns) * step, (cell_ / kColumns) * step, step - 1, step - 1);
    // Dark and light edges: the cursor shows on every piece colour.
    painter.setPen(QPen(Qt::black, 3));
    painter.drawRect(cell.adjusted(2, 2, -2, -2));
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawRect(cell.adjusted(2, 2, -2, -2));
}

void GridCursor::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    emit moved(cell_);
    update();
}

void GridCursor::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace quill
