#pragma once

#include "model/datafolders.h"
#include "model/progress.h"
#include "model/savedgame.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace quill {

// Asks for the name to save the game under, again and again until the
// player gives a name that can be used (a new one, or an existing one to
// overwrite) or gives up with an empty name; each refusal says why. The
// name, or nothing when the player gave up.
std::optional<QString> AskGameName(QWidget* parent, const std::function<bool(const QString&)>& fileExists);

// Writes `game` as the saved game `name`; a failure is shown as the saving
// error. True when it was written.
bool WriteGameFile(QWidget* parent, const DataFolders& folders, const QString& name, const SavedGame& game);

// Reads and checks the saved game at `path`; a file that cannot be played
// is shown as the loading error, with the reason, and gives nothing.
std::optional<SavedGame> ReadGameFile(QWidget* parent, const QString& path);

// The player's record at `path` for the Progress window. A file that
// cannot be read whole is told, left as it is, and shows as no record.
Progress ReadProgressRecord(QWidget* parent, const QString& path);

// Tells that the win just shown could not be kept in the player's record
// file, when `kept` failed.
void TellWinNotKept(QWidget* parent, const FileStatus& kept);

}  // namespace quill
