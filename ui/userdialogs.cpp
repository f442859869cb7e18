#include "ui/userdialogs.h"

#include <QDesktopServices>
#include <QInputDialog>
#include <QMessageBox>

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
                                           const QString& text, Icon icon, Buttons buttons)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::NoButton, parent);
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
