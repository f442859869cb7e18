#pragma once

#include "game/plaindialog.h"

#include <QString>
#include <cstdint>

class QListWidget;
class QPushButton;

namespace quill {

// The game's file chooser: lists the files of one folder that match one or
// more patterns separated by ";" and writes the answer into the owner's
// `absFilename` every time it closes: the full path in mode 1, the bare
// name otherwise, or the empty text.
class frmFile : public PlainDialog {
    Q_OBJECT

public:
    frmFile(QWidget* owner, QString& absFilename);

    uint8_t bytFlag = 0;
    QListWidget* filList;
    QPushButton* cmdSet;
    QPushButton* cmdCancel;

    // The folder and the pattern of filList; the list is filled at once.
    // With several folders, the list holds the files of all of them, a
    // name in an earlier folder hiding the same name in a later one.
    void setFolder(const QString& folder);
    void setFolders(const QStringList& folders);
    void setPattern(const QString& pattern);
    QString folder() const { return folders_.value(0); }

    void Form_Load();
    void Form_Activate();

    // The names of the files in `folder` that match `pattern`, sorted
    // without regard to case; an unreadable or missing folder gives none.
    static QStringList matchingFiles(const QString& folder, const QString& pattern);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void cmdSet_Click();
    void cmdCancel_Click();
    void refresh();

    QString& absFilename_;
    QString answer_;
    QStringList folders_;
    QString pattern_ = QStringLiteral("*.*");
};

}  // namespace quill
