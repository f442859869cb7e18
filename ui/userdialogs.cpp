#include "ui/userdialogs.h"

#include "ui/clearplacement.h"

#include <QDesktopServices>
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
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

bool QtUserDialogs::open(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

}  // namespace quill
