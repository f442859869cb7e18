#include "ui/buttonkeys.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace quill {

bool pressFocusedButton(const QWidget* window, QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    auto* button = qobject_cast<QPushButton*>(window->focusWidget());
    if (!button || !button->isEnabled() || !button->isVisible())
        return false;
    button->click();
    return true;
}

}  // namespace quill
