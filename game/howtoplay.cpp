#include "game/howtoplay.h"

#include "model/programfolder.h"
#include "ui/translations.h"
#include "ui/userdialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace quill {

QString HelpPageName(const QString& programFolder)
{
    const QString language = translationLanguage();
    if (!language.isEmpty()) {
        const QString translated = QStringLiteral("qlm.%1.html").arg(language);
        if (QFileInfo(resolvePath(programFolder, translated)).isFile())
            return translated;
    }
    return QStringLiteral("qlm.html");
}

void OpenHowToPlay(QWidget* parent, const QString& programFolder)
{
    const QString page = HelpPageName(programFolder);
    const QString path = resolvePath(programFolder, page);
    // A missing page is a failure of its own: opening it would only show
    // the browser's error.
    const bool opened = QFileInfo(path).isFile() && userDialogs().open(QUrl::fromLocalFile(path));
    if (!opened) {
        userDialogs().message(parent, QCoreApplication::translate("HowToPlay", "Quillmere - Help"),
                              QCoreApplication::translate("HowToPlay",
                                                          "Unable to open %1 automatically.\n"
                                                          "Please open the file manually.")
                                  .arg(displayPath(programFolder) + QDir::separator() + page),
                              UserDialogs::Icon::Information, UserDialogs::Buttons::Ok);
    }
}

}  // namespace quill
