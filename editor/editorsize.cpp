#include "editor/editorsize.h"

#include "ui/clearplacement.h"

#include <QAction>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace quill {
namespace {

// The buttons' row starts here at the usual size; from it down nothing grows.
constexpr int kStripTop = 360;

}  // namespace

EditorSize::EditorSize(QWidget* window, const QList<QWidget*>& growing)
    : QObject(window),
      window_(window),
      usualGrowing_(window->width(), kStripTop),
      usualStrip_(window->height() - kStripTop)
{
    for (QWidget* control : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        places_.push_back({control, control->geometry(), growing.contains(control)});
    auto item = [this](const QString& caption, QList<QKeySequence> keys, auto handler) {
        auto* action = new QAction(caption, window_);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, handler);
        window_->addAction(action);
        return action;
    };
    mnuZoomIn = item(tr("Zoom In"), {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                     [this] { SetSize(largerBoardSize(size_, range())); });
    mnuZoomOut = item(tr("Zoom Out"), {QKeySequence::ZoomOut}, [this] { SetSize(smallerBoardSize(size_, range())); });
    mnuUsualSize = item(tr("Usual Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
                        [this] { SetSize(range().clamped(kUsualBoardSize)); });
    window_->installEventFilter(this);
}

BoardSizeRange EditorSize::range() const
{
    const QScreen* screen = window_->screen();
    if (!screen)
        return {};
    const QSize frame = window_->frameGeometry().size() - window_->size();
    return sizesFor(usualGrowing_, usualStrip_, screen->availableGeometry().size() - frame);
}

void EditorSize::SetSize(int size)
{
    if (size == size_)
        return;
    size_ = size;
    const int stripTop = scaledLength(kStripTop, size);
    for (const Place& place : places_) {
        const QRect& usual = place.usual;
        const int left = scaledLength(usual.left(), size);
        const int width = scaledLength(usual.left() + usual.width(), size) - left;
        if (usual.top() >= kStripTop) {
            place.control->setGeometry(left, usual.top() - kStripTop + stripTop, width, usual.height());
            continue;
        }
        const int top = scaledLength(usual.top(), size);
        const int height = place.grows ? scaledLength(usual.top() + usual.height(), size) - top : usual.height();
        place.control->setGeometry(left, top, width, height);
    }
    window_->setFixedSize(scaledClientSize(usualGrowing_, usualStrip_, size));
    if (window_->isVisible() && window_->screen()) {
        const QRect area = window_->screen()->availableGeometry();
        if (!area.contains(window_->frameGeometry()))
            window_->move(keptInside(window_->frameGeometry(), area));
    }
}

bool EditorSize::eventFilter(QObject* watched, QEvent* event)
{
    // On its first showing a window too large for its screen gets smaller.
    if (watched == window_ && event->type() == QEvent::Show && !fitted_) {
        fitted_ = true;
        const BoardSizeRange sizes = range();
        if (sizes.largest < kUsualBoardSize)
            SetSize(sizes.largest);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quill
