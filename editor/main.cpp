#include "editor/frmLevelEd.h"

#include "model/programfolder.h"
#include "ui/translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    quill::installTranslations(quill::programFolder());
    std::unique_ptr<quill::frmLevelEd> editor = quill::frmLevelEd::load(quill::programFolder());
    if (!editor)
        return 1;
    editor->show();
    return app.exec();
}
