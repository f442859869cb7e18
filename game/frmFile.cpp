#include "game/frmFile.h"

#include "game/choicelist.h"
#include "game/placement.h"
#include "model/programfolder.h"

#include <QDir>
#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <utility>
#include <vector>

namespace quill {

frmFile::frmFile(QWidget* owner, QString& absFilename)
    : PlainDialog(owner, "frmFile", tr("File", "file chooser title"), 5190, 3675), absFilename_(absFilename)
{

    filList = new ChoiceList(this);
    filList->setObjectName(QStringLiteral("filList"));
    placeTwips(filList, 8, 0, 5175, 2820);
    keepFrameOnDevicePixels(filList);

    cmdSet = addButton(tr("Set", "file chooser button"), "cmdSet", 604, 3000, 1695, 495);
    cmdCancel = addButton(tr("Cancel", "file chooser"), "cmdCancel", 2891, 3000, 1695, 495);
    setTabOrder(filList, cmdCancel);
    setTabOrder(cmdCancel, cmdSet);

    connect(cmdSet, &QPushButton::clicked, this, &frmFile::cmdSet_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFile::cmdCancel_Click);
    Form_Load();
}

void frmFile::Form_Load()
{
    centreOnOwner(this, parentWidget());
    keepOnScreen(this, parentWidget());
}

void frmFile::Form_Activate()
{
    if (filList->count() == 0)
        cmdSet->setEnabled(false);
}

QStringList frmFile::matchingFiles(const QString& folder, const QString& pattern)
{
    QList<QRegularExpression> matchers;
    for (const QString& part : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString wildcard = part.trimmed();
        if (wildcard.isEmpty())
            continue;
        matchers.append(QRegularExpression(
            QRegularExpression::wildcardToRegularExpression(wildcard, QRegularExpression::UnanchoredWildcardConversion),
            QRegularExpression::CaseInsensitiveOption));
    }
    QStringList names;
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return names;
    const QStringList entries = dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& entry : entries) {
        for (const QRegularExpression& matcher : matchers) {
            const QRegularExpressionMatch match = matcher.match(entry);
            if (match.hasMatch() && match.capturedLength() == entry.size()) {
                names.append(entry);
                break;
            }
        }
    }
    return names;
}

void frmFile::setFolder(const QString& folder)
{
    setFolders({folder});
}

void frmFile::setFolders(const QStringList& folders)
{
    folders_ = folders;
    refresh();
}

void frmFile::setPattern(const QString& pattern)
{
    pattern_ = pattern;
    refresh();
}

void frmFile::refresh()
{
    filList->clear();
    // Each listed name with the folder it was found in. A picked name means
    // the file of that exact spelling in the first folder that has it, so a
    // name of an earlier folder hides that spelling in the later ones, and
    // only that one.
    std::vector<std::pair<QString, QString>> listed;
    for (const QString& folder : folders_) {
        const std::size_t earlier = listed.size();
        for (const QString& name : matchingFiles(folder, pattern_)) {
            const auto end = listed.begin() + static_cast<std::ptrdiff_t>(earlier);
            if (std::none_of(listed.begin(), end, [&](const auto& entry) { return entry.first == name; }))
                listed.emplace_back(name, folder);
        }
    }
    std::stable_sort(listed.begin(), listed.end(), [](const auto& a, const auto& b) {
        return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
    });
    for (const auto& [name, folder] : listed) {
        auto* item = new QListWidgetItem(name, filList);
        item->setData(Qt::UserRole, folder);
    }
    filList->setCurrentRow(-1);
    filList->clearSelection();
}

void frmFile::cmdSet_Click()
{
    const QList<QListWidgetItem*> selected = filList->selectedItems();
    if (selected.isEmpty())
        return;
    const QString name = selected.first()->text();
    answer_ = bytFlag == 1 ? joinPath(selected.first()->data(Qt::UserRole).toString(), name) : name;
    accept();
}

void frmFile::cmdCancel_Click()
{
    answer_.clear();
    reject();
}

void frmFile::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    QDialog::changeEvent(event);
}

void frmFile::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmFile::done(int result)
{
    absFilename_ = result == QDialog::Accepted ? answer_ : QString();
    QDialog::done(result);
}

}  // namespace quill
