#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

namespace quill::test {

// Runs `act` on the next modal dialog of type T once it is shown, from
// inside its own event loop; `act` must close the dialog. The watch ends
// when the returned object goes out of scope, so an action that never ran
// can never fire into a later test. `*seen` tells whether it ran.
template <typename T>
[[nodiscard]] std::unique_ptr<QTimer> whenModal(std::function<void(T*)> act, bool* seen = nullptr,
                                                int timeoutMs = 5000)
{
    if (seen)
        *seen = false;
    auto timer = std::make_unique<QTimer>();
    QTimer* raw = timer.get();
    auto elapsed = std::make_shared<int>(0);
    QObject::connect(raw, &QTimer::timeout, raw, [=]() {
        *elapsed += 10;
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            raw->stop();
            if (seen)
                *seen = true;
            act(dialog);
            return;
        }
        if (*elapsed > timeoutMs)
            raw->stop();
    });
    raw->start(10);
    return timer;
}

}  // namespace quill::test
