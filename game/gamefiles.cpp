#include "game/gamefiles.h"

#include "model/programfolder.h"
#include "ui/filemessages.h"
#include "ui/userdialogs.h"

#include <QCoreApplication>

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
        entered = userDialogs().input(parent, QCoreApplication::translate("GameFiles", "What is the name of the game?"),
                                      QCoreApplication::translate("GameFiles", "Quillmere - Saving Game"), entered);
        if (entered.isEmpty()) {
            const Answer answer = userDialogs().message(
                parent, QCoreApplication::translate("GameFiles", "Quillmere - Saving"),
                QCoreApplication::translate("GameFiles", "Are you sure you want to proceed without saving?"), Icon::Question,
                Buttons::YesNo);
            if (answer == Answer::Yes)
                outcome = Outcome::GiveUp;
        } else if (entered.size() > kMaxGameNameLength) {
            userDialogs().message(parent, QCoreApplication::translate("GameFiles", "Quillmere - Saving"),
                                  QCoreApplication::translate("GameFiles", "Name too long.\nPlease limit the name to 32 characters."),
                                  Icon::Exclamation, Buttons::Ok);
        } else if (!NameIsLegal(entered)) {
            userDialogs().message(parent, QCoreApplication::translate("GameFiles", "Quillmere - Saving"),
                                  QCoreApplication::translate("GameFiles", "Illegal characters found in the name."),
                                  Icon::Exclamation, Buttons::Ok);
        } else if (fileExists(entered)) {
            const Answer answer = userDialogs().message(
                parent, QCoreApplication::translate("GameFiles", "Quillmere - Saving"),
                QCoreApplication::translate("GameFiles", "File already exists. Overwrite it?"), Icon::Question, Buttons::YesNo);
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

bool WriteGameFile(QWidget* parent, const DataFolders& folders, const QString& name, const SavedGame& game)
{
    if (writeSavedGame(folders.savedGameFile(name), game).ok())
        return true;
    const QString shownPath = joinPath(joinPath(folders.writeFolder(), QLatin1String(kSavedFolderName)),
                                       name + QLatin1String(kSavedGameExtension));
    userDialogs().message(parent, QCoreApplication::translate("GameFiles", "Quillmere - Saving Error"),
                          QCoreApplication::translate("GameFiles", "An error occurred while attempting saving game data\n%1\nGame not saved.")
                              .arg(displayPath(shownPath)),
                          UserDialogs::Icon::Critical, UserDialogs::Buttons::Ok);
    return false;
}

std::optional<SavedGame> ReadGameFile(QWidget* parent, const QString& path)
{
    SavedGame game;
    QString problem;
    if (loadSavedGame(path, game, problem))
        return game;
    userDialogs().message(parent, QCoreApplication::translate("GameFiles", "Quillmere - Error"),
                          QCoreApplication::translate("GameFiles", "An error has occurred while attempting loading saved game\n%1\n%2")
                              .arg(displayPath(path), problem),
                          UserDialogs::Icon::Critical, UserDialogs::Buttons::Ok);
    return std::nullopt;
}

Progress ReadProgressRecord(QWidget* parent, const QString& path)
{
    Progress record;
    const FileStatus read = readProgressFile(path, record);
    if (!read.ok()) {
        userDialogs().message(parent, QCoreApplication::translate("GameFiles", "Quillmere - Progress"),
                              fileErrorMessage(QCoreApplication::translate(
                                                   "GameFiles", "Your record of progress could not be read, and it is "
                                                                "left as it was:"),
                                               read.path, read),
                              UserDialogs::Icon::Critical, UserDialogs::Buttons::Ok);
    }
    return record;
}

void TellWinNotKept(QWidget* parent, const FileStatus& kept)
{
    if (kept.ok())
        return;
    userDialogs().message(parent, QCoreApplication::translate("GameFiles", "Quillmere - Progress"),
                          fileErrorMessage(QCoreApplication::translate("GameFiles",
                                                                       "This win could not be kept in your record of "
                                                                       "progress, which is left as it was:"),
                                           kept.path, kept),
                          UserDialogs::Icon::Critical, UserDialogs::Buttons::Ok);
}

}  // namespace quill
