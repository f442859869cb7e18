#include "editor/editorsize.h"

#include "ui/clearplacement.h"

#include <QAction>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

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
    // The window opens at its usual size and can be made larger by its edges.
    window->setMinimumSize(window->size());
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
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

void EditorSize::SetSmallest(int size)
{
    smallest_ = size;
    window_->setMinimumSize(scaledClientSize(usualGrowing_, usualStrip_, size));
}

void EditorSize::SetSize(int size)
{
    if (size < smallest_)
        SetSmallest(size);
    window_->resize(scaledClientSize(usualGrowing_, usualStrip_, size));
    Relayout();
    if (window_->isVisible() && window_->screen()) {
        const QRect area = window_->screen()->availableGeometry();
        if (!area.contains(window_->frameGeometry()))
            window_->move(keptInside(window_->frameGeometry(), area));
    }
}

void EditorSize::Relayout()
{
    const int size = std::max(smallest_, fittingSize(usualGrowing_, usualStrip_, window_->size()));
    size_ = size;
    const QSize client = scaledClientSize(usualGrowing_, usualStrip_, size);
    const QPoint origin(std::max(0, (window_->width() - client.width()) / 2),
                        std::max(0, (window_->height() - client.height()) / 2));
    const int stripTop = scaledLength(kStripTop, size);
    std::vector<QRect> shown(places_.size());
    for (std::size_t i = 0; i < places_.size(); ++i) {
        const Place& place = places_[i];
        const QRect& usual = place.usual;
        const int left = scaledLength(usual.left(), size);
        const int width = scaledLength(usual.left() + usual.width(), size) - left;
        if (usual.top() >= kStripTop) {
            shown[i] = QRect(left, usual.top() - kStripTop + stripTop, width, usual.height());
            continue;
        }
        const int top = scaledLength(usual.top(), size);
        const int height = place.grows ? scaledLength(usual.top() + usual.height(), size) - top : usual.height();
        shown[i] = QRect(left, top, width, height);
    }
    // Below the usual size a control that keeps its height could run into
    // the one below it or into the strip: from the bottom up, each is kept
    // a pixel above what stands below it, never above the window's top.
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < places_.size(); ++i) {
        if (!places_[i].grows && places_[i].usual.top() < kStripTop)
            order.push_back(i);
    }
    std::sort(order.begin(), order.end(),
              [this](std::size_t a, std::size_t b) { return places_[a].usual.top() > places_[b].usual.top(); });
    for (const std::size_t i : order) {
        const QRect& usual = places_[i].usual;
        int limit = stripTop;
        for (const std::size_t below : order) {
            const QRect& other = places_[below].usual;
            if (other.top() >= usual.bottom() && other.left() <= usual.right() && usual.left() <= other.right())
                limit = std::min(limit, shown[below].top());
        }
        shown[i].moveTop(std::max(0, std::min(shown[i].top(), limit - 1 - shown[i].height())));
    }
    for (std::size_t i = 0; i < places_.size(); ++i)
        places_[i].control->setGeometry(shown[i].translated(origin));
}

bool EditorSize::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_)
        return QObject::eventFilter(watched, event);
    // On its first showing a window too large for its screen gets smaller.
    if (event->type() == QEvent::Show && !fitted_) {
        fitted_ = true;
        const BoardSizeRange sizes = range();
        SetSmallest(sizes.smallest);
        if (sizes.largest < kUsualBoardSize)
            SetSize(sizes.largest);
    }
    if (event->type() == QEvent::Resize)
        Relayout();
    return QObject::eventFilter(watched, event);
}

}  // namespace quill
