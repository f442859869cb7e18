#include "game/frmLevel.h"

#include "game/choicelist.h"
#include "game/placement.h"
#include "ui/uistyle.h"

#include <QPushButton>

namespace quill {

frmLevel::frmLevel(QWidget* owner, int16_t& newLevel, const LevelTable& levels)
    : PlainDialog(owner, "frmLevel", tr("Choose Level"), 4155, 3510), newLevel_(newLevel)
{

    lisLevel = new ChoiceList(this);
    lisLevel->setObjectName(QStringLiteral("lisLevel"));
    lisLevel->setFont(msSansSerif(9.75));
    placeTwips(lisLevel, 30, 0, 4095, 2700);
    keepFrameOnDevicePixels(lisLevel);
    for (int k = 0; k < kLevelCount; ++k)
        lisLevel->addItem(tr("Level %1 - %2").arg(k + 1).arg(levels[k].name));
    lisLevel->setCurrentRow(-1);

    cmdSetLevel = addButton(tr("&Set Level", "Choose Level dialog"), "cmdSetLevel", 210, 2880, 1695, 495);
    cmdCancel = addButton(tr("Cancel", "Choose Level dialog"), "cmdCancel", 2280, 2880, 1695, 495);
    setTabOrder(lisLevel, cmdSetLevel);
    setTabOrder(cmdSetLevel, cmdCancel);

    connect(cmdSetLevel, &QPushButton::clicked, this, &frmLevel::cmdSetLevel_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLevel::cmdCancel_Click);
    Form_Load();
}

void frmLevel::Form_Load()
{
    centreOnOwner(this, parentWidget());
    keepOnScreen(this, parentWidget());
}

void frmLevel::cmdSetLevel_Click()
{
    const int row = lisLevel->currentRow();
    if (row < 0 || lisLevel->selectedItems().isEmpty())
        return;
    chosen_ = static_cast<int16_t>(row);
    accept();
}

void frmLevel::cmdCancel_Click()
{
    chosen_ = -1;
    reject();
}

void frmLevel::done(int result)
{
    newLevel_ = result == QDialog::Accepted ? chosen_ : static_cast<int16_t>(-1);
    QDialog::done(result);
}

}  // namespace quill
