#pragma once

#include <QListWidget>

namespace quill {

// A list of lines to choose one from, for the choosers. Only a chosen
// (selected) line ever looks chosen: the list does not make its first line
// current when it takes the focus, and the style's cue for the current line
// is drawn only on the selected one, since it looks much like a selection.
// From the keyboard, Down, Home or a letter then chooses a line; while the
// list has the focus, its frame is drawn in the highlight colour instead.
class ChoiceList : public QListWidget {
    Q_OBJECT

public:
    explicit ChoiceList(QWidget* parent);

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace quill
