#include "model/datafolders.h"

#include "model/programfolder.h"
#include "model/savedgame.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace quill {
QString playerDataFolder()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = joinPath(QDir::homePath(), QStringLiteral(".local/share"));
    return joinPath(base, QStringLiteral("quillmere"));
}

bool folderWritable(const QString& folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

FileStatus makeFolder(const QString& folder)
{
    const QString absolute = QDir::cleanPath(QDir(folder).absolutePath());
    for (qsizetype from = 1; from > 0;) {
        const qsizetype slash = absolute.indexOf(QLatin1Char('/'), from);
        const QString prefix = slash < 0 ? absolute : absolute.left(slash);
        if (::mkdir(QFile::encodeName(prefix).constData(), 0777) != 0 && errno != EEXIST)
            return FileStatus::fromErrno(errno, prefix);
        if (!QFileInfo(prefix).isDir())
            return FileStatus::fromErrno(ENOTDIR, prefix);
        from = slash < 0 ? 0 : slash + 1;
    }
    return FileStatus::success(folder);
}

bool isInstalledCopy(const QString& programFolder)
{
    return entryKind(programFolder, QLatin1String(kInstalledMarkerName)) == EntryKind::File;
}

DataFolders DataFolders::forProgram(const QString& programFolder)
{
    // Whoever may write to an installed copy's folder (root, say) still
    // keeps the player's files out of the package's files.
    return {programFolder, playerDataFolder(), !isInstalledCopy(programFolder) && folderWritable(programFolder)};
}

DataFolders::DataFolders(const QString& programFolder, const QString& playerFolder,
                         bool programFolderTakesWrites)
    : programFolder_(programFolder), playerFolder_(playerFolder), programFolderTakesWrites_(programFolderTakesWrites)
{
}

QString DataFolders::levelFileToRead(const QString& asked) const
{
    if (usesPlayerFolder()) {
        const QString copy = resolvePath(playerFolder_, asked);
        if (QFileInfo(copy).exists())
            return copy;
    }
    return resolvePath(programFolder_, asked);
}

QString DataFolders::levelFileToWrite(const QString& asked) const
{
    return writtenFile(asked);
}

QString DataFolders::writtenFile(const QString& name) const
{
    return resolvePath(writeFolder(), name);
}

QString DataFolders::savedFolder() const
{
    return writtenFile(QLatin1String(kSavedFolderName));
}

QString DataFolders::savedGameFile(const QString& gameName) const
{
    return resolvePickedPath(savedFolder(), gameName + QLatin1String(kSavedGameExtension));
}

QStringList DataFolders::skinFolders() const
{
    QStringList folders;
    if (usesPlayerFolder())
        folders << resolvePath(playerFolder_, QLatin1String(kSkinsFolderName));
    folders << resolvePath(programFolder_, QLatin1String(kSkinsFolderName));
    return folders;
}

std::optional<QString> DataFolders::foundSkin(const QString& name) const
{
    // A name with a folder part, which could reach outside the skins
    // folders, finds nothing.
    const std::optional<QString> found = findPickedEntry(skinFolders(), name);
    if (found && pathKind(*found) == EntryKind::File)
        return found;
    return std::nullopt;
}

bool DataFolders::skinExists(const QString& name) const
{
    return foundSkin(name).has_value();
}

QString DataFolders::skinPath(const QString& name) const
{
    return foundSkin(name).value_or(joinPath(skinFolders().last(), name));
}

QString doubleSizeSkinPath(const QString& skinPath)
{
    const QFileInfo skin(skinPath);
    return resolvePickedPath(resolvePath(skin.path(), QLatin1String(kDoubleSizeSkinFolderName)), skin.fileName());
}

FileStatus DataFolders::writeLevelCollection(const QString& asked, const LevelTable& levels,
                                             QString& path) const
{
    path = levelFileToWrite(asked);
    if (!usesPlayerFolder() || QFileInfo(path).exists())
        return writeLevelFile(path, levels);
    // The player's first copy: the installed file's bytes after the table
    // come along.
    if (const FileStatus made = makeFolder(playerFolder_); !made.ok())
        return FileStatus::failure(made.errorNumber, made.errorText, path);
    QByteArray installed;
    readFileStart(resolvePath(programFolder_, asked), -1, installed);
    return writeWholeFile(path, encodeLevelTable(levels) + installed.mid(kLevelFileSize));
}

}  // namespace quill
