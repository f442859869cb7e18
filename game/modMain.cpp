#include "game/modMain.h"

#include "game/frmMain.h"
#include "game/skin/skinlayout.h"
#include "model/programfolder.h"
#include "model/savedgame.h"
#include "model/settings.h"
#include "ui/filemessages.h"
#include "ui/userdialogs.h"

#include <QDir>

#include <cerrno>
#include <sys/stat.h>

namespace quill::modMain {
namespace {

// Creates `name` in the program folder unless an entry of that name, of any
// kind and in any case, is already there.
bool EnsureFolder(const QString& programFolder, const QString& name)
{
    if (entryKind(programFolder, name) != EntryKind::Missing)
        return true;
    const QString path = joinPath(programFolder, name);
    if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0)
        return true;
    const FileStatus failure = FileStatus::fromErrno(errno, path);
    userDialogs().message(nullptr, QStringLiteral("Quillmere - Error"),
                          fileErrorMessage(QStringLiteral("An error has occurred while attempting creating folder"),
                                           path, failure),
                          UserDialogs::Icon::Critical, UserDialogs::Buttons::Ok);
    return false;
}

// The settings file names an existing skin afterwards, or "default.bmp".
void EnsureSettings(const QString& programFolder)
{
    const QString settingsPath = resolvePath(programFolder, QLatin1String(kSettingsFileName));
    QString skin;
    const bool found = entryKind(programFolder, QLatin1String(kSettingsFileName)) == EntryKind::File
                       && readSettingsFile(settingsPath, skin).ok() && !skin.isEmpty();
    const QString skins = resolvePath(programFolder, QLatin1String(kSkinsFolderName));
    // A name with a folder part could point outside the skins folder.
    const bool skinExists = found && !skin.contains(QLatin1Char('/'))
                            && entryKind(skins, skin) == EntryKind::File;
    if (!skinExists)
        writeSettingsFile(settingsPath, QString::fromLatin1(kDefaultSkin));
}

}  // namespace

bool InitDataFiles(const QString& programFolder)
{
    if (!EnsureFolder(programFolder, QLatin1String(kSavedFolderName)))
        return false;
    if (!EnsureFolder(programFolder, QLatin1String(kSkinsFolderName)))
        return false;
    EnsureSettings(programFolder);
    return true;
}

std::unique_ptr<frmMain> Start(const QString& programFolder)
{
    if (!InitDataFiles(programFolder))
        return nullptr;
    auto window = std::make_unique<frmMain>(programFolder);
    window->board.FillShapes();
    if (!window->Form_Load())
        return nullptr;
    return window;
}

}  // namespace quill::modMain
