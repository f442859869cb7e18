#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace quill {

// Every message box, input box and shell "open" of the programs goes
// through this seam, so that tests can answer them from a script.
class UserDialogs {
public:
    enum class Icon { None, Question, Exclamation, Critical, Information };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };
    // Where a message box opens: where the toolkit puts it (over its
    // owner), or beside its owner's window, where it hides nothing of what
    // the message points at there.
    enum class Place { Default, ClearOfOwner };

    virtual ~UserDialogs() = default;

    virtual Answer message(QWidget* parent, const QString& title, const QString& text, Icon icon,
                           Buttons buttons, Place place = Place::Default) = 0;

    // The text typed; Cancel gives the empty text, exactly like OK on an
    // empty field.
    virtual QString input(QWidget* parent, const QString& prompt, const QString& title,
                          const QString& defaultText) = 0;

    // The shell's "open" verb: true when a program took the document or link.
    virtual bool open(const QUrl& url) = 0;
};

// The seam in use; the real dialogs unless a test installed another.
UserDialogs& userDialogs();

// Installs `dialogs` (not owned) for the rest of the run; nullptr restores
// the real ones.
void setUserDialogs(UserDialogs* dialogs);

// The real seam: QMessageBox, QInputDialog and QDesktopServices.
class QtUserDialogs : public UserDialogs {
public:
    Answer message(QWidget* parent, const QString& title, const QString& text, Icon icon,
                   Buttons buttons, Place place = Place::Default) override;
    QString input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& defaultText) override;
    bool open(const QUrl& url) override;
};

}  // namespace quill
