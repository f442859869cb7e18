#pragma once

#include <QString>
#include <memory>

namespace quill {

class frmMain;

namespace modMain {

// Prepares the program folder: the saved and skins folders and the
// settings file. False when a folder cannot be created; the user has been
// told and the program has to end.
bool InitDataFiles(const QString& programFolder);

// The start-up procedure: the data files, the shapes and the main window.
// Returns the shown main window, or nothing when the program has already
// ended (its messages shown).
std::unique_ptr<frmMain> Start(const QString& programFolder);

}  // namespace modMain
}  // namespace quill
