#include "game/choicelist.h"

#include <QPainter>

namespace quill {

void ChosenLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    QStyleOptionViewItem line(option);
    if (!(line.state & QStyle::State_Selected))
        line.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, line, index);
}

void drawFocusFrame(QAbstractItemView* view)
{
    QPainter painter(view);
    painter.setPen(view->palette().color(QPalette::Highlight));
    painter.drawRect(view->rect().adjusted(0, 0, -1, -1));
}

}  // namespace quill
