#pragma once

#include "model/boardsize.h"

#include <QObject>
#include <QString>
#include <QTimer>

class QAction;
class QMainWindow;
class QMenu;

namespace quill {

class BoardView;

// The size the player has the board drawn at: the View menu and its keys,
// the window's edges and the window manager's maximise (the board view
// follows its room), and the file that keeps the size for the next start.
// The size is written only once the player has chosen one.
class BoardZoom : public QObject {
    Q_OBJECT

public:
    // The View menu goes into the menu bar before the menu of `before`.
    BoardZoom(QMainWindow* window, BoardView* board, const QString& sizeFile, QAction* before);
    ~BoardZoom() override;

    QMenu* mnuView;
    QAction* mnuZoomIn;
    QAction* mnuZoomOut;
    QAction* mnuUsualSize;

    // Gives the shown window the remembered size, or the largest that fits
    // its screen, and places it: centred on the screen, and moved onto the
    // screen's available area only where it would reach outside it.
    void Open();

    void mnuZoomIn_Click();
    void mnuZoomOut_Click();
    void mnuUsualSize_Click();

    // The sizes the window's screen holds.
    BoardSizeRange range() const;
    // Writes the size the player chose, if they chose one.
    void Remember();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetSize(int size);
    void BoardSizeChanged(int size);

    QMainWindow* window_;
    BoardView* board_;
    QString sizeFile_;
    int asked_ = kUsualBoardSize;
    bool opened_ = false;
    bool chosen_ = false;
    // The size last drawn, kept here: a remembering that is still due when
    // the window is destroyed comes after the board view has gone.
    int shownSize_ = kUsualBoardSize;
    QTimer rememberLater_;
};

}  // namespace quill
