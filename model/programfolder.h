#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quill {

// The folder of the running executable: every file of the programs lives there.
QString programFolder();

// Joins a folder and a name with exactly one separator between them.
QString joinPath(const QString& folder, const QString& name);

// Names the programs fix themselves (the level file, qlm.ini, the folders
// saved and skins): finds the entry of `folder` whose name equals `name`
// without regard to case. Where several spellings exist, the first in
// code-point order wins (upper case before lower case), whichever spelling
// was asked for, so every program reaches the same file. When nothing
// matches, returns `name` itself so that a new file gets the spelling the
// program asked for.
QString resolveEntryName(const QString& folder, const QString& name);

// joinPath(folder, resolveEntryName(folder, name)).
QString resolvePath(const QString& folder, const QString& name);

// Names the player gave or picked (a saved game, a skin), looked for in
// `folders` in turn: the path of that exact spelling in the first folder
// that has it; only where no folder has it, the entry resolveEntryName
// finds in the first folder with another spelling. Nothing when no folder
// has any spelling of it, or when `name` has a folder part.
std::optional<QString> findPickedEntry(const QStringList& folders, const QString& name);

// The picked entry of one folder, or joinPath(folder, name) for a new one.
QString resolvePickedPath(const QString& folder, const QString& name);

enum class EntryKind { Missing, File, Folder, Other };

// What is at `path`; a symbolic link counts as what it leads to, and a
// broken one as Other.
EntryKind pathKind(const QString& path);

// What the case-insensitively resolved entry is.
EntryKind entryKind(const QString& folder, const QString& name);

// Paths as shown to the user, with the platform's separators.
QString displayPath(const QString& path);

}  // namespace quill
