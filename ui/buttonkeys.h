#pragma once

class QKeyEvent;
class QWidget;

namespace quill {

// Enter or Return on a focused push button presses it, as Space does, also
// where no button is a default button. True when the key was used.
bool pressFocusedButton(const QWidget* window, QKeyEvent* event);

}  // namespace quill
