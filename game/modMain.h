#pragma once

#include "model/datafolders.h"

#include <QString>
#include <memory>
#include <optional>

namespace quill {

class frmMain;

namespace modMain {

// Prepares the folder the game writes to (the program folder, or the
// player's own): the saved and skins folders and the settings file. The
// skin the settings file names, or nothing when a folder cannot be
// created; the user has been told and the program has to end.
std::optional<QString> InitDataFiles(const DataFolders& folders);

// The start-up procedure: the data files, the shapes and the main window.
// Returns the shown main window, or nothing when the program has already
// ended (its messages shown).
std::unique_ptr<frmMain> Start(const DataFolders& folders);

// The same for the program folder of the running game.
std::unique_ptr<frmMain> Start(const QString& programFolder);

}  // namespace modMain
}  // namespace quill
