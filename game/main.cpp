#include "game/frmMain.h"
#include "game/modMain.h"
#include "model/programfolder.h"
#include "ui/translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmere"));
    quill::installTranslations(quill::programFolder());
    auto window = quill::modMain::Start(quill::programFolder());
    if (!window)
        return 1;
    return QApplication::exec();
}
