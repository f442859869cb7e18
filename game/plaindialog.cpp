#include "game/plaindialog.h"

#include "game/placement.h"
#include "ui/buttonkeys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace quill {

PlainDialog::PlainDialog(QWidget* owner, const char* objectName, const QString& caption,
                         int widthTwips, int heightTwips)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QLatin1String(objectName));
    setWindowTitle(caption);
    setModal(true);
    setClientSizeTwips(this, widthTwips, heightTwips);
}

QPushButton* PlainDialog::addButton(const QString& caption, const char* objectName, int left,
                                    int top, int width, int height)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    button->setDefault(false);
    placeTwips(button, left, top, width, height);
    return button;
}

void PlainDialog::keyPressEvent(QKeyEvent* event)
{
    // No button is the dialog's cancel button.
    if (event->key() == Qt::Key_Escape)
        return;
    if (pressFocusedButton(this, event))
        return;
    QDialog::keyPressEvent(event);
}

}  // namespace quill
