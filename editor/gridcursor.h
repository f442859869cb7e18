#pragma once

#include <QWidget>

class QKeyEvent;

namespace quill {

// The grid's keyboard stand-in: a see-through layer over the cell labels
// that takes the focus with Tab, draws the cell cursor while it has the
// focus, and lets the mouse through to the cells.
class GridCursor : public QWidget {
    Q_OBJECT

public:
    GridCursor(QWidget* parent, const QRect& cellArea, int cellStep);

    int cell() const { return cell_; }
    void setCell(int cell);

signals:
    // Space on the cell under the cursor.
    void activated(int cell);
    void moved(int cell);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int step_;
    int cell_ = 0;
};

}  // namespace quill
