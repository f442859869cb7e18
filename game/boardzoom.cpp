#include "game/boardzoom.h"

#include "game/boardview.h"
#include "game/placement.h"

#include <QAction>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace quill {

BoardZoom::BoardZoom(QMainWindow* window, BoardView* board, const QString& sizeFile, QAction* before)
    : QObject(window), window_(window), board_(board), sizeFile_(sizeFile)
{
    mnuView = new QMenu(window);
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuView->setTitle(tr("&View", "menu bar"));
    auto item = [this](const QString& caption, QList<QKeySequence> keys, void (BoardZoom::*handler)()) {
        QAction* action = mnuView->addAction(caption, this, handler);
        action->setShortcuts(keys);
        // The keys work while the menu is closed.
        window_->addAction(action);
        return action;
    };
    mnuZoomIn = item(tr("Zoom &In", "View menu"), {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                     &BoardZoom::mnuZoomIn_Click);
    mnuZoomOut = item(tr("Zoom &Out", "View menu"), {QKeySequence::ZoomOut}, &BoardZoom::mnuZoomOut_Click);
    mnuUsualSize = item(tr("&Usual Size", "View menu"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, &BoardZoom::mnuUsualSize_Click);

    window->menuBar()->insertMenu(before, mnuView);

    rememberLater_.setSingleShot(true);
    rememberLater_.setInterval(500);
    connect(&rememberLater_, &QTimer::timeout, this, &BoardZoom::Remember);
    connect(board_, &BoardView::boardSizeChanged, this, &BoardZoom::BoardSizeChanged);
    window_->installEventFilter(this);
}

BoardZoom::~BoardZoom()
{
    if (rememberLater_.isActive())
        Remember();
}

BoardSizeRange BoardZoom::range() const
{
    const QScreen* screen = window_->screen();
    if (!screen)
        return {};
    // What the frame, the title bar and the menu bar take around the board.
    const QSize around = frameExtra(window_) + window_->size() - board_->size();
    return boardSizesFor(screen->availableGeometry().size() - around);
}

void BoardZoom::Open()
{
    const BoardSizeRange sizes = range();
    board_->SetSmallestSize(sizes.smallest);
    const int size = sizes.clamped(readBoardSizeFile(sizeFile_).value_or(kUsualBoardSize));
    if (size != board_->boardSize())
        SetSize(size);
    centreOnScreen(window_);
    keepShownOnScreen(window_);
    opened_ = true;
}

void BoardZoom::SetSize(int size)
{
    asked_ = size;
    // The window's least size follows the board's smallest at once.
    window_->layout()->activate();
    if (window_->isMaximized() || window_->isFullScreen())
        window_->showNormal();
    window_->resize(window_->size() + boardClientSize(size) - board_->size());
}

void BoardZoom::mnuZoomIn_Click()
{
    const BoardSizeRange sizes = range();
    board_->SetSmallestSize(sizes.smallest);
    chosen_ = true;
    SetSize(largerBoardSize(board_->boardSize(), sizes));
    keepShownOnScreen(window_);
}

void BoardZoom::mnuZoomOut_Click()
{
    const BoardSizeRange sizes = range();
    board_->SetSmallestSize(sizes.smallest);
    chosen_ = true;
    SetSize(smallerBoardSize(board_->boardSize(), sizes));
}

void BoardZoom::mnuUsualSize_Click()
{
    const BoardSizeRange sizes = range();
    board_->SetSmallestSize(sizes.smallest);
    chosen_ = true;
    SetSize(sizes.clamped(kUsualBoardSize));
    keepShownOnScreen(window_);
}

void BoardZoom::BoardSizeChanged(int size)
{
    if (!opened_)
        return;
    if (size != asked_)
        chosen_ = true;
    shownSize_ = size;
    if (chosen_)
        rememberLater_.start();
}

void BoardZoom::Remember()
{
    rememberLater_.stop();
    if (chosen_)
        writeBoardSizeFile(sizeFile_, shownSize_);
}

bool BoardZoom::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Close && rememberLater_.isActive())
        Remember();
    return QObject::eventFilter(watched, event);
}

}  // namespace quill
