#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace quill::test {

// Runs `act` on the next modal dialog of type T once it is shown, from
// inside its own event loop. The dialog must be closed by `act` (or by
// whatever `act` triggers); if no such dialog shows up within the timeout
// the action is dropped and `*seen` stays false.
template <typename T>
void whenModal(std::function<void(T*)> act, bool* seen = nullptr, int timeoutMs = 5000)
{
    if (seen)
        *seen = false;
    auto* timer = new QTimer;
    auto elapsed = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [=]() {
        *elapsed += 10;
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            if (seen)
                *seen = true;
            act(dialog);
            return;
        }
        if (*elapsed > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

}  // namespace quill::test
