#include "game/frmLevel.h"

#include "game/placement.h"
#include "ui/uistyle.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

namespace quill {

frmLevel::frmLevel(QWidget* owner, int16_t& newLevel)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      newLevel_(newLevel)
{
    setObjectName(QStringLiteral("frmLevel"));
    setWindowTitle(QStringLiteral("Choose Level"));
    setModal(true);
    setClientSizeTwips(this, 4155, 3510);

    lisLevel = new QListWidget(this);
    lisLevel->setObjectName(QStringLiteral("lisLevel"));
    lisLevel->setSelectionMode(QAbstractItemView::SingleSelection);
    lisLevel->setFont(msSansSerif(9.75));
    placeTwips(lisLevel, 30, 0, 4095, 2700);

    cmdSetLevel = new QPushButton(QStringLiteral("&Set Level"), this);
    cmdSetLevel->setObjectName(QStringLiteral("cmdSetLevel"));
    placeTwips(cmdSetLevel, 210, 2880, 1695, 495);

    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    placeTwips(cmdCancel, 2280, 2880, 1695, 495);

    // Neither button answers Enter or Esc.
    for (QPushButton* button : {cmdSetLevel, cmdCancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    setTabOrder(lisLevel, cmdSetLevel);
    setTabOrder(cmdSetLevel, cmdCancel);

    connect(cmdSetLevel, &QPushButton::clicked, this, &frmLevel::cmdSetLevel_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLevel::cmdCancel_Click);
    Form_Load();
}

void frmLevel::Form_Load()
{
    centreOnOwner(this, parentWidget());
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

void frmLevel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void frmLevel::done(int result)
{
    newLevel_ = result == QDialog::Accepted ? chosen_ : static_cast<int16_t>(-1);
    QDialog::done(result);
}

}  // namespace quill
