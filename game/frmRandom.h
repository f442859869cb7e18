#pragma once

#include "model/gamesession.h"

#include <QDialog>
#include <array>
#include <optional>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace quill {

// The Random Level window: deals a level that takes a chosen number of
// steps at the fewest, by a level of difficulty or an exact number, or
// takes up the level of a typed level code; and shows the code of the last
// random level, to be copied and passed on.
class frmRandom : public QDialog {
    Q_OBJECT

public:
    frmRandom(QWidget* owner, const std::optional<DealtLevel>& last);

    // Shows the window over `owner` and starts the level chosen there in
    // `session`; false when the player cancels.
    static bool Play(QWidget* owner, GameSession& session);

    struct Preset {
        QString caption;
        int steps;
    };
    // Easy, Medium, Hard and Hardest with their fewest steps.
    static std::array<Preset, 4> presets();
    static QString Title();

    std::array<QRadioButton*, 4> optPreset{};
    QRadioButton* optExact;
    QSpinBox* spnSteps;
    QRadioButton* optCode;
    QLineEdit* txtCode;
    QLineEdit* txtLast;
    QPushButton* cmdCopy;
    QPushButton* cmdPlay;
    QPushButton* cmdCancel;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cmdPlay_Click();
    void cmdCopy_Click();

    std::optional<Positions> chosen_;
};

}  // namespace quill
