#include "game/choicelist.h"

#include <QEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace quill {
namespace {

class ChosenLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem line(option);
        if (!(line.state & QStyle::State_Selected))
            line.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, line, index);
    }
};

}  // namespace

ChoiceList::ChoiceList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new ChosenLineDelegate(this));
}

bool ChoiceList::event(QEvent* event)
{
    const bool done = QListWidget::event(event);
    if (event->type() == QEvent::Paint && hasFocus()) {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Highlight));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    return done;
}

void ChoiceList::focusInEvent(QFocusEvent* event)
{
    const bool noneCurrent = !currentIndex().isValid();
    QListWidget::focusInEvent(event);
    if (noneCurrent && currentIndex().isValid() && !selectionModel()->isSelected(currentIndex()))
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

}  // namespace quill
