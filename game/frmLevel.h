#pragma once

#include "game/plaindialog.h"
#include "model/levelfile.h"

#include <cstdint>

class QListWidget;
class QPushButton;

namespace quill {

// The level chooser, one line for each level of `levels` and none
// selected. It writes its answer into `newLevel` of its owner every time
// it closes: the chosen index, or -1.
class frmLevel : public PlainDialog {
    Q_OBJECT

public:
    frmLevel(QWidget* owner, int16_t& newLevel, const LevelTable& levels);

    QListWidget* lisLevel;
    QPushButton* cmdSetLevel;
    QPushButton* cmdCancel;

    void Form_Load();

protected:
    void done(int result) override;

private:
    void cmdSetLevel_Click();
    void cmdCancel_Click();

    int16_t& newLevel_;
    int16_t chosen_ = -1;
};

}  // namespace quill
