#include "ui/userdialogs.h"

#include "ui/clearplacement.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QIcon>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>

namespace quill {
namespace {

UserDialogs* installed = nullptr;

QMessageBox::Icon toQt(UserDialogs::Icon icon)
{
    switch (icon) {
    case UserDialogs::Icon::Question: return QMessageBox::Question;
    case UserDialogs::Icon::Exclamation: return QMessageBox::Warning;
    case UserDialogs::Icon::Critical: return QMessageBox::Critical;
    case UserDialogs::Icon::Information: return QMessageBox::Information;
    case UserDialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// The vector picture of a message's icon; none for Icon::None.
QString iconPicture(UserDialogs::Icon icon)
{
    switch (icon) {
    case UserDialogs::Icon::Question: return QStringLiteral(":/ui/icons/question.svg");
    case UserDialogs::Icon::Exclamation: return QStringLiteral(":/ui/icons/warning.svg");
    case UserDialogs::Icon::Critical: return QStringLiteral(":/ui/icons/critical.svg");
    case UserDialogs::Icon::Information: return QStringLiteral(":/ui/icons/information.svg");
    case UserDialogs::Icon::None: break;
    }
    return {};
}

// The toolkit's own icons are small bitmaps, blurred when a scaled screen
// enlarges them. Where the style gives the buttons of a dialog icons, they
// get vector pictures instead, drawn at the screen's pixels.
void sharpenButtonIcons(const QWidget* dialog)
{
    for (const QDialogButtonBox* buttons : dialog->findChildren<QDialogButtonBox*>()) {
        for (QAbstractButton* button : buttons->buttons()) {
            if (button->icon().isNull())
                continue;
            switch (buttons->standardButton(button)) {
            case QDialogButtonBox::Ok:
            case QDialogButtonBox::Yes: button->setIcon(QIcon(QStringLiteral(":/ui/icons/accept.svg"))); break;
            case QDialogButtonBox::No: button->setIcon(QIcon(QStringLiteral(":/ui/icons/reject.svg"))); break;
            case QDialogButtonBox::Cancel: button->setIcon(QIcon(QStringLiteral(":/ui/icons/cancel.svg"))); break;
            default: break;
            }
        }
    }
}

// A message box that can open clear of its owner's window. Its size is
// known only once it is shown, so it moves itself then, before it appears.
class MessageBox : public QMessageBox {
public:
    MessageBox(UserDialogs::Place place, QMessageBox::Icon icon, const QString& title, const QString& text,
               QWidget* parent)
        : QMessageBox(icon, title, text, QMessageBox::NoButton, parent), place_(place)
    {
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        if (place_ != UserDialogs::Place::ClearOfOwner || !owner || !owner->screen())
            return;
        // The box has no frame yet; it gets one as thick as its owner's.
        const QRect frame = owner->frameGeometry();
        const QSize outer = size() + frame.size() - owner->geometry().size();
        move(placeClearOf(frame, outer, owner->screen()->availableGeometry()));
    }

private:
    UserDialogs::Place place_;
};

// An input box whose buttons get their vector pictures once it has made
// them, which it does only as it is shown.
class InputBox : public QInputDialog {
public:
    using QInputDialog::QInputDialog;

protected:
    void showEvent(QShowEvent* event) override
    {
        sharpenButtonIcons(this);
        QInputDialog::showEvent(event);
    }
};

}  // namespace

UserDialogs& userDialogs()
{
    static QtUserDialogs real;
    return installed ? *installed : real;
}

void setUserDialogs(UserDialogs* dialogs)
{
    installed = dialogs;
}

UserDialogs::Answer QtUserDialogs::message(QWidget* parent, const QString& title,
                                           const QString& text, Icon icon, Buttons buttons, Place place)
{
    MessageBox box(place, toQt(icon), title, text, parent);
    // Paths and names in messages come from files and the user: never markup.
    box.setTextFormat(Qt::PlainText);
    if (icon != Icon::None) {
        // A message's icon is 32 pixels square, as the toolkit's largest
        // bitmap made it, made of as many of the screen's pixels as it has.
        const QWidget* shownOn = parent ? parent->window() : &box;
        box.setIconPixmap(QIcon(iconPicture(icon)).pixmap(QSize(32, 32), shownOn->devicePixelRatioF()));
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    sharpenButtonIcons(&box);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: break;
    }
    // The close box of a box with only OK means OK; with Yes/No it cannot close.
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

QString QtUserDialogs::input(QWidget* parent, const QString& prompt, const QString& title,
                             const QString& defaultText)
{
    InputBox dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

bool QtUserDialogs::open(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

}  // namespace quill
