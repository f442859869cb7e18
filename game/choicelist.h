#pragma once

#include <QEvent>
#include <QListWidget>
#include <QStyledItemDelegate>

namespace quill {

// Draws the style's cue for the current line only on a selected line: it
// looks much like a selection, and no line may look chosen that is not.
class ChosenLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// While `view` has the focus, its frame is drawn in the highlight colour:
// the cue that the keys go to it, also when no line is chosen.
void drawFocusFrame(QAbstractItemView* view);

// An item view in which only a chosen (selected) line ever looks chosen:
// it does not make its first line current when it takes the focus, so that
// from the keyboard Down, Home or a letter then chooses a line.
template <typename View>
class ChoiceView : public View {
public:
    explicit ChoiceView(QWidget* parent) : View(parent)
    {
        this->setSelectionMode(QAbstractItemView::SingleSelection);
        this->setItemDelegate(new ChosenLineDelegate(this));
    }

protected:
    bool event(QEvent* event) override
    {
        const bool done = View::event(event);
        if (event->type() == QEvent::Paint && this->hasFocus())
            drawFocusFrame(this);
        return done;
    }

    void focusInEvent(QFocusEvent* event) override
    {
        const bool noneCurrent = !this->currentIndex().isValid();
        View::focusInEvent(event);
        QItemSelectionModel* selection = this->selectionModel();
        if (noneCurrent && this->currentIndex().isValid() && !selection->isSelected(this->currentIndex()))
            selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
};

// The choosers' list of lines.
using ChoiceList = ChoiceView<QListWidget>;

}  // namespace quill
