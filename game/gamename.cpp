#include "game/gamename.h"

#include "model/savedgame.h"
#include "ui/userdialogs.h"

namespace quill {

std::optional<QString> AskGameName(QWidget* parent, const std::function<bool(const QString&)>& fileExists)
{
    using Icon = UserDialogs::Icon;
    using Buttons = UserDialogs::Buttons;
    using Answer = UserDialogs::Answer;
    enum class Outcome { Undecided, GiveUp, Save };
    QString entered;
    Outcome outcome = Outcome::Undecided;
    while (outcome == Outcome::Undecided) {
        entered = userDialogs().input(parent, QStringLiteral("What is the name of the game?"),
                                      QStringLiteral("Quillmere - Saving Game"), entered);
        if (entered.isEmpty()) {
            const Answer answer = userDialogs().message(
                parent, QStringLiteral("Quillmere - Saving"),
                QStringLiteral("Are you sure you want to proceed without saving?"), Icon::Question,
                Buttons::YesNo);
            if (answer == Answer::Yes)
                outcome = Outcome::GiveUp;
        } else if (entered.size() > kMaxGameNameLength) {
            userDialogs().message(parent, QStringLiteral("Quillmere - Saving"),
                                  QStringLiteral("Name too long.\nPlease limit the name to 32 characters."),
                                  Icon::Exclamation, Buttons::Ok);
        } else if (!NameIsLegal(entered)) {
            userDialogs().message(parent, QStringLiteral("Quillmere - Saving"),
                                  QStringLiteral("Illegal characters found in the name."),
                                  Icon::Exclamation, Buttons::Ok);
        } else if (fileExists(entered)) {
            const Answer answer = userDialogs().message(
                parent, QStringLiteral("Quillmere - Saving"),
                QStringLiteral("File already exists. Overwrite it?"), Icon::Question, Buttons::YesNo);
            if (answer == Answer::Yes)
                outcome = Outcome::Save;
        } else {
            outcome = Outcome::Save;
        }
    }
    if (outcome == Outcome::GiveUp)
        return std::nullopt;
    return entered;
}

}  // namespace quill
