#include "game/howtoplay.h"

#include "model/programfolder.h"
#include "ui/userdialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace quill {

void OpenHowToPlay(QWidget* parent, const QString& programFolder)
{
    const QString path = resolvePath(programFolder, QStringLiteral("qlm.html"));
    // A missing page is a failure of its own: opening it would only show
    // the browser's error.
    const bool opened = QFileInfo(path).isFile() && userDialogs().open(QUrl::fromLocalFile(path));
    if (!opened) {
        userDialogs().message(parent, QStringLiteral("Quillmere - Help"),
                              QStringLiteral("Unable to open ") + displayPath(programFolder) + QDir::separator()
                                  + QStringLiteral("qlm.html automatically.\n")
                                  + QStringLiteral("Please open the file manually."),
                              UserDialogs::Icon::Information, UserDialogs::Buttons::Ok);
    }
}

}  // namespace quill
