#pragma once

#include "game/plaindialog.h"

#include <cstdint>

class QLabel;
class QPushButton;

namespace quill {

class frmMain;

// The About box: version, the quill picture, the e-mail and updates links
// and the hidden key sequence that swaps piece pictures on the main board.
class frmAbout : public PlainDialog {
    Q_OBJECT

public:
    explicit frmAbout(frmMain* owner);

    static constexpr char kEmailAddress[] = "quillmere@example.org";
    static constexpr char kUpdatesAddress[] = "https://quillmere.example.org/updates";

    QLabel* imgQuill;
    QLabel* lblProd;
    QLabel* lblEmail;
    QLabel* lblUpdates;
    QPushButton* cmdOk;
    uint8_t eggStage = 0;

    void Form_Load();
    void imgQuill_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift);
    void lblEmail_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift);
    void lblUpdates_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift);
    void lblEmail_MouseMove();
    void lblUpdates_MouseMove();
    void lblEmail_Click();
    void lblUpdates_Click();

    // The pointing hand of the links, hot spot at the fingertip.
    static QCursor linkCursor();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdOk_Click();
    void markVisited(QLabel* link);

    frmMain* owner_;
    // The link under a left press that may still become a click; the second
    // press of a double click arms none, so a double click opens once.
    QLabel* armedLink_ = nullptr;
};

}  // namespace quill
