#include "tests/support/scripteddialogs.h"

namespace quill::test {

ScriptedDialogs::ScriptedDialogs()
{
    setUserDialogs(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    setUserDialogs(nullptr);
}

UserDialogs::Answer ScriptedDialogs::message(QWidget*, const QString& title, const QString& text,
                                             Icon icon, Buttons buttons, Place place)
{
    const Message asked{title, text, icon, buttons, place};
    messages.append(asked);
    if (onMessage)
        onMessage(asked);
    if (!answers.isEmpty())
        return answers.dequeue();
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

QString ScriptedDialogs::input(QWidget*, const QString& prompt, const QString& title,
                               const QString& defaultText)
{
    inputsAsked.append({prompt, title, defaultText});
    return inputs.isEmpty() ? QString() : inputs.dequeue();
}

bool ScriptedDialogs::open(const QUrl& url)
{
    opened.append(url);
    return openSucceeds;
}

}  // namespace quill::test
