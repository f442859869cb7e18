#pragma once

#include "model/fileio.h"
#include "model/levelfile.h"
#include "installmarker.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace quill {

inline constexpr char kSkinsFolderName[] = "skins";
// A bitmap skin may come drawn at twice its size as well, for screens scaled
// above 100 %: under the same name in this folder beside it, where the file
// chooser, which lists files only, does not show it as a skin of its own.
inline constexpr char kDoubleSizeSkinFolderName[] = "2x";

// Where the programs find and keep their files. A copy the player runs from
// a folder of their own (a build, an unpacked archive) keeps everything in
// its program folder, the folder of the executable. An installed copy, or
// a copy whose folder cannot be written, sends everything the programs
// write to the player's own folder instead (the saved games, the settings,
// the record, the player's copy of the level collection); the player's
// copies are read before the installed files, and skins are found in the
// player's skins folder as well as in the installed one.
class DataFolders {
public:
    // The decision for the running program: the player's folder for an
    // installed copy and for a program folder that cannot be written, the
    // program folder otherwise.
    static DataFolders forProgram(const QString& programFolder);

    // `programFolderTakesWrites` false: the player's folder does.
    DataFolders(const QString& programFolder, const QString& playerFolder, bool programFolderTakesWrites);

    const QString& programFolder() const { return programFolder_; }
    // True when the player's folder takes the writes.
    bool usesPlayerFolder() const { return !programFolderTakesWrites_; }
    // Where everything the programs write goes.
    const QString& writeFolder() const { return usesPlayerFolder() ? playerFolder_ : programFolder_; }

    // The level collection to read: the player's copy when there is one,
    // otherwise the installed file; `asked` is the spelling the program uses.
    QString levelFileToRead(const QString& asked) const;
    // Where the editor writes the collection.
    QString levelFileToWrite(const QString& asked) const;

    // A file or folder of the write folder, found without regard to case.
    QString writtenFile(const QString& name) const;

    QString savedFolder() const;
    // The file of the saved game the player named `gameName`: the file of
    // that exact spelling when there is one, so that a game saved as "foo"
    // never replaces "Foo".
    QString savedGameFile(const QString& gameName) const;
    // The player's skins folder first, when there is one, then the installed one.
    QStringList skinFolders() const;
    // The skin picture of that name: the picture of that exact spelling in
    // the first skins folder that has one, otherwise one of another spelling
    // (the player's folder first); when none has, where the installed one
    // would be.
    QString skinPath(const QString& name) const;
    bool skinExists(const QString& name) const;

    // Writes the collection to the player's copy or the program folder's
    // file, keeping the bytes after the table: on the first write of a
    // player's copy, those of the installed file. `path` is the file used.
    FileStatus writeLevelCollection(const QString& asked, const LevelTable& levels, QString& path) const;

private:
    std::optional<QString> foundSkin(const QString& name) const;

    QString programFolder_;
    QString playerFolder_;
    bool programFolderTakesWrites_;
};

// The double-size companion of the skin picture at `skinPath`: the entry of
// the skin's name in the "2x" folder beside it, both found without regard
// to case. Whether it exists is not looked at.
QString doubleSizeSkinPath(const QString& skinPath);

// $XDG_DATA_HOME/quillmere, or ~/.local/share/quillmere when that is unset,
// empty or not an absolute path.
QString playerDataFolder();

// Whether `programFolder` is an installed copy.
bool isInstalledCopy(const QString& programFolder);

// Whether files can be created and replaced in `folder`.
bool folderWritable(const QString& folder);

// Creates `folder` with its parents where they are missing.
FileStatus makeFolder(const QString& folder);

}  // namespace quill
