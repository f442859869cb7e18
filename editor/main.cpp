#include "editor/frmLevelEd.h"

#include "model/programfolder.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::unique_ptr<quill::frmLevelEd> editor = quill::frmLevelEd::load(quill::programFolder());
    if (!editor)
        return 1;
    editor->show();
    return app.exec();
}
