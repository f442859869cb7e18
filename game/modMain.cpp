#include "game/modMain.h"

#include "game/frmMain.h"
#include "model/programfolder.h"
#include "model/savedgame.h"
#include "model/settings.h"
#include "ui/filemessages.h"
#include "ui/userdialogs.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <sys/stat.h>

namespace quill::modMain {
namespace {

bool ReportFolderFailure(const FileStatus& failure)
{
    userDialogs().message(nullptr, QCoreApplication::translate("modMain", "Quillmere - Error"),
                          fileErrorMessage(QCoreApplication::translate(
                                               "modMain", "An error has occurred while attempting creating folder"),
                                           failure.path, failure),
                          UserDialogs::Icon::Critical, UserDialogs::Buttons::Ok);
    return false;
}

// Creates `name` in `folder` unless an entry of that name, of any kind and
// in any case, is already there.
bool EnsureFolder(const QString& folder, const QString& name)
{
    if (entryKind(folder, name) != EntryKind::Missing)
        return true;
    const QString path = joinPath(folder, name);
    if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0)
        return true;
    return ReportFolderFailure(FileStatus::fromErrno(errno, path));
}

}  // namespace

std::optional<QString> InitDataFiles(const DataFolders& folders)
{
    if (folders.usesPlayerFolder()) {
        if (const FileStatus made = makeFolder(folders.writeFolder()); !made.ok()) {
            ReportFolderFailure(made);
            return std::nullopt;
        }
    }
    if (!EnsureFolder(folders.writeFolder(), QLatin1String(kSavedFolderName))
        || !EnsureFolder(folders.writeFolder(), QLatin1String(kSkinsFolderName)))
        return std::nullopt;
    return settleSkinSetting(folders);
}

std::unique_ptr<frmMain> Start(const QString& programFolder)
{
    return Start(DataFolders::forProgram(programFolder));
}

std::unique_ptr<frmMain> Start(const DataFolders& folders)
{
    const std::optional<QString> skin = InitDataFiles(folders);
    if (!skin)
        return nullptr;
    auto window = std::make_unique<frmMain>(folders);
    if (!window->Form_Load(*skin))
        return nullptr;
    return window;
}

}  // namespace quill::modMain
