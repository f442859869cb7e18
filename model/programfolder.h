#pragma once

#include <QString>

namespace quill {

// The folder of the running executable: every file of the programs lives there.
QString programFolder();

// Joins a folder and a name with exactly one separator between them.
QString joinPath(const QString& folder, const QString& name);

// Finds the entry of `folder` whose name equals `name` without regard to
// case. Where several spellings exist, the first in code-point order wins
// (upper case before lower case), whichever spelling was asked for, so
// every program reaches the same file. When nothing matches, returns `name`
// itself so that a new file gets the spelling the program asked for.
QString resolveEntryName(const QString& folder, const QString& name);

// joinPath(folder, resolveEntryName(folder, name)).
QString resolvePath(const QString& folder, const QString& name);

enum class EntryKind { Missing, File, Folder, Other };

// What the case-insensitively resolved entry is.
EntryKind entryKind(const QString& folder, const QString& name);

// Paths as shown to the user, with the platform's separators.
QString displayPath(const QString& path);

}  // namespace quill
