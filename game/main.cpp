#include "game/frmMain.h"
#include "game/modMain.h"
#include "model/programfolder.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmere"));
    auto window = quill::modMain::Start(quill::programFolder());
    if (!window)
        return 1;
    return QApplication::exec();
}
