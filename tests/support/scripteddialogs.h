#pragma once

#include "ui/userdialogs.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QUrl>
#include <functional>

namespace quill::test {

// A seam that records every question and answers from queues. A message
// with no scripted answer gets OK, or Cancel where OK is not offered; an
// input box with no scripted answer gets the empty text.
class ScriptedDialogs : public UserDialogs {
public:
    struct Message {
        QString title;
        QString text;
        Icon icon;
        Buttons buttons;
        Place place;
    };
    struct Input {
        QString prompt;
        QString title;
        QString defaultText;
    };

    ScriptedDialogs();   // installs itself
    ~ScriptedDialogs() override;  // restores the real seam

    QQueue<Answer> answers;
    QQueue<QString> inputs;
    bool openSucceeds = true;

    QList<Message> messages;
    QList<Input> inputsAsked;
    QList<QUrl> opened;

    // Runs inside a message call, before it answers (to look at the
    // windows while the box is "open").
    std::function<void(const Message&)> onMessage;

    Answer message(QWidget* parent, const QString& title, const QString& text, Icon icon,
                   Buttons buttons, Place place = Place::Default) override;
    QString input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& defaultText) override;
    bool open(const QUrl& url) override;
};

}  // namespace quill::test
