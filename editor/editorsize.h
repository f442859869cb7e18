#pragma once

#include "model/boardsize.h"

#include <QObject>
#include <QRect>
#include <vector>

class QAction;
class QWidget;

namespace quill {

// The editor window's size: its edges, Ctrl+Plus, Ctrl+Minus and Ctrl+0
// grow and shrink the grid and the colour swatches with the window, and a
// screen too small for the usual window gets a smaller one, wholly on its
// available area. The controls above the buttons grow with the size (text
// controls keep their height and font, and below the usual size move up
// where they would run into what stands below them); the buttons and the
// status line keep their size in a strip at the bottom. The controls stand
// centred in a window of other proportions.
class EditorSize : public QObject {
    Q_OBJECT

public:
    // `window`'s children stand at their usual places; `growing` are those
    // that grow in height as well.
    EditorSize(QWidget* window, const QList<QWidget*>& growing);

    QAction* mnuZoomIn;
    QAction* mnuZoomOut;
    QAction* mnuUsualSize;

    int size() const { return size_; }
    // Gives the window the client area of `size`.
    void SetSize(int size);
    // The sizes the window's screen holds.
    BoardSizeRange range() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Places the controls for the window's size.
    void Relayout();
    // The smallest size the window can be made, and its least size.
    void SetSmallest(int size);

    struct Place {
        QWidget* control;
        QRect usual;
        bool grows;
    };

    QWidget* window_;
    QSize usualGrowing_;
    int usualStrip_;
    std::vector<Place> places_;
    int size_ = kUsualBoardSize;
    int smallest_ = kUsualBoardSize;
    bool fitted_ = false;
};

}  // namespace quill
