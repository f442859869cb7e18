#pragma once

#include <QDialog>

class QPushButton;

namespace quill {

// A modal dialog of the game: fixed client size in twips, centred on its
// owner, and no default or cancel button: Enter presses only the focused
// button, and Esc does nothing.
class PlainDialog : public QDialog {
    Q_OBJECT

public:
    PlainDialog(QWidget* owner, const char* objectName, const QString& caption, int widthTwips,
                int heightTwips);

protected:
    QPushButton* addButton(const QString& caption, const char* objectName, int left, int top,
                           int width, int height);
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quill
