#include "game/frmProgress.h"

#include "game/choicelist.h"
#include "game/placement.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace quill {
namespace {

QTableWidgetItem* cellItem(const QString& text, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

}  // namespace

frmProgress::frmProgress(QWidget* owner, const LevelTable& levels,
                         const std::array<LevelVerdict, kLevelCount>& verdicts,
                         const Progress& progress, int shownLevel)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      shownLevel_(shownLevel)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(tr("Quillmere - Progress"));
    setModal(true);

    lisProgress = new ChoiceView<QTableWidget>(this);
    lisProgress->setRowCount(kLevelCount);
    lisProgress->setColumnCount(ColumnCount);
    lisProgress->setObjectName(QStringLiteral("lisProgress"));
    lisProgress->setAccessibleName(tr("Progress by level"));
    lisProgress->setHorizontalHeaderLabels({tr("Level", "Progress column"), tr("Name", "Progress column"),
                                            tr("Your best", "Progress column"),
                                            tr("Fewest possible", "Progress column"),
                                            tr("In the fewest", "Progress column")});
    lisProgress->verticalHeader()->hide();
    // A selected row would set the headers in bold, wider than their columns.
    lisProgress->horizontalHeader()->setHighlightSections(false);
    lisProgress->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lisProgress->setSelectionBehavior(QAbstractItemView::SelectRows);
    lisProgress->setWordWrap(false);

    Tally tally;
    for (int k = 0; k < kLevelCount; ++k) {
        const std::optional<int32_t> best = progress.bestFor(k, levels[k].positions);
        const LevelVerdict& verdict = verdicts[k];
        const bool fewest = best && verdict.solvable() && *best == verdict.steps;
        tally.finished += best.has_value();
        tally.inFewest += fewest;
        const QString possible = verdict.solvable() ? QString::number(verdict.steps)
                                 : verdict.valid()  ? tr("no solution")
                                                    : tr("cannot be played");
        lisProgress->setItem(k, LevelColumn, cellItem(QString::number(k + 1), Qt::AlignRight));
        lisProgress->setItem(k, NameColumn, cellItem(levels[k].name));
        lisProgress->setItem(k, BestColumn, cellItem(best ? QString::number(*best) : QString(), Qt::AlignRight));
        lisProgress->setItem(k, FewestColumn, cellItem(possible, Qt::AlignRight));
        lisProgress->setItem(k, MarkColumn, cellItem(fewest ? tr("\u2713 yes") : QString(),
                                                     Qt::AlignHCenter));
    }
    lisProgress->resizeColumnsToContents();
    lisProgress->resizeRowsToContents();
    if (shownLevel_ >= 0 && shownLevel_ < lisProgress->rowCount())
        lisProgress->selectRow(shownLevel_);

    lblSummary = new QLabel(summaryText(tally), this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setTextFormat(Qt::PlainText);
    lblRandom = new QLabel(randomSummaryText(progress.randomTally()), this);
    lblRandom->setObjectName(QStringLiteral("lblRandom"));
    lblRandom->setTextFormat(Qt::PlainText);

    cmdClose = new QPushButton(tr("Close", "Progress dialog"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lisProgress);
    layout->addWidget(lblSummary);
    layout->addWidget(lblRandom);
    layout->addWidget(cmdClose, 0, Qt::AlignRight);
    fitToScreen(owner);
    centreOnOwner(this, owner);
    keepOnScreen(this, owner);
    lisProgress->setFocus();
}

void frmProgress::fitToScreen(const QWidget* owner)
{
    const QHeaderView* columns = lisProgress->horizontalHeader();
    const QHeaderView* rows = lisProgress->verticalHeader();
    const int frame = 2 * lisProgress->frameWidth();
    // A window's worth of rows is in view, and the rest a scroll away: the
    // window stays a window beside the game, not a page the screen's height.
    const int lastInView = std::min(kRowsInView, rows->count()) - 1;
    const int rowsHeight = rows->sectionPosition(lastInView) + rows->sectionSize(lastInView);
    const int tableHeight = columns->sizeHint().height() + rowsHeight + frame;
    // The dialog's title bar is not known before it is shown; the owner's is
    // taken for it.
    const QWidget* measure = owner ? owner : this;
    const QScreen* screen = measure->screen();
    const int wanted = sizeHint().height() - lisProgress->sizeHint().height() + tableHeight;
    const int room = screen ? screen->availableGeometry().height() - frameExtra(measure).height() : wanted;
    const bool scrolls = rowsHeight < rows->length() || wanted > room;
    lisProgress->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lisProgress->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    // Whatever room the table has beyond its columns, should the scroll bar
    // come out narrower than asked, goes to the last column, not to a blank
    // strip before the bar.
    const int bar = scrolls ? lisProgress->verticalScrollBar()->sizeHint().width() : 0;
    lisProgress->horizontalHeader()->setStretchLastSection(true);
    lisProgress->setFixedWidth(columns->length() + frame + bar);
    resize(sizeHint().width(), std::min(wanted, room));
}

void frmProgress::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shownLevel_ >= 0 && shownLevel_ < lisProgress->rowCount())
        lisProgress->scrollToItem(lisProgress->item(shownLevel_, LevelColumn), QAbstractItemView::PositionAtCenter);
}

QString frmProgress::summaryText(const Tally& tally)
{
    return tr("Finished %1 of %2 levels, %3 of them in the fewest steps.")
        .arg(tally.finished)
        .arg(kLevelCount)
        .arg(tally.inFewest);
}

QString frmProgress::randomSummaryText(const Progress::RandomTally& tally)
{
    if (tally.finished == 0)
        return tr("Random levels finished: none yet.");
    return tr("Random levels finished: %1, %2 of them in the fewest steps.")
        .arg(tally.finished)
        .arg(tally.inFewestSteps);
}

}  // namespace quill
