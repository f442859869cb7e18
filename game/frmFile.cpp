#include "game/frmFile.h"

#include "game/placement.h"
#include "model/programfolder.h"

#include <QDir>
#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <numeric>

namespace quill {

frmFile::frmFile(QWidget* owner, QString& absFilename)
    : PlainDialog(owner, "frmFile", QStringLiteral("File"), 5190, 3675), absFilename_(absFilename)
{

    filList = new QListWidget(this);
    filList->setObjectName(QStringLiteral("filList"));
    filList->setSelectionMode(QAbstractItemView::SingleSelection);
    placeTwips(filList, 8, 0, 5175, 2820);

    cmdSet = addButton(QStringLiteral("Set"), "cmdSet", 604, 3000, 1695, 495);
    cmdCancel = addButton(QStringLiteral("Cancel"), "cmdCancel", 2891, 3000, 1695, 495);
    setTabOrder(filList, cmdCancel);
    setTabOrder(cmdCancel, cmdSet);

    connect(cmdSet, &QPushButton::clicked, this, &frmFile::cmdSet_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFile::cmdCancel_Click);
    Form_Load();
}

void frmFile::Form_Load()
{
    centreOnOwner(this, parentWidget());
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
    QStringList names;
    QStringList folderOfName;
    for (const QString& folder : folders_) {
        // Names are found without regard to case: a name of an earlier
        // folder hides every spelling of it in the later ones.
        const QStringList earlier = names;
        for (const QString& name : matchingFiles(folder, pattern_)) {
            if (!earlier.contains(name, Qt::CaseInsensitive)) {
                names << name;
                folderOfName << folder;
            }
        }
    }
    QList<qsizetype> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return names[a].compare(names[b], Qt::CaseInsensitive) < 0;
    });
    for (qsizetype k : order) {
        auto* item = new QListWidgetItem(names[k], filList);
        item->setData(Qt::UserRole, folderOfName[k]);
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
