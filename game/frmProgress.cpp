#include "game/frmProgress.h"

#include "game/placement.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

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
                         const Progress& progress)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QStringLiteral("Quillmere - Progress"));
    setModal(true);

    lisProgress = new QTableWidget(kLevelCount, ColumnCount, this);
    lisProgress->setObjectName(QStringLiteral("lisProgress"));
    lisProgress->setAccessibleName(QStringLiteral("Progress by level"));
    lisProgress->setHorizontalHeaderLabels({QStringLiteral("Level"), QStringLiteral("Name"),
                                            QStringLiteral("Your best"), QStringLiteral("Fewest possible"),
                                            QStringLiteral("In the fewest")});
    lisProgress->verticalHeader()->hide();
    lisProgress->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lisProgress->setSelectionBehavior(QAbstractItemView::SelectRows);
    lisProgress->setSelectionMode(QAbstractItemView::SingleSelection);
    lisProgress->setWordWrap(false);

    int finished = 0;
    int inFewest = 0;
    for (int k = 0; k < kLevelCount; ++k) {
        const std::optional<int32_t> best = progress.bestFor(k, levels[k].positions);
        const LevelVerdict& verdict = verdicts[k];
        const bool fewest = best && verdict.solvable() && *best == verdict.steps;
        finished += best.has_value();
        inFewest += fewest;
        const QString possible = verdict.solvable() ? QString::number(verdict.steps)
                                 : verdict.valid()  ? QStringLiteral("no solution")
                                                    : QStringLiteral("cannot be played");
        lisProgress->setItem(k, LevelColumn, cellItem(QString::number(k + 1), Qt::AlignRight));
        lisProgress->setItem(k, NameColumn, cellItem(levels[k].name));
        lisProgress->setItem(k, BestColumn, cellItem(best ? QString::number(*best) : QString(), Qt::AlignRight));
        lisProgress->setItem(k, FewestColumn, cellItem(possible, Qt::AlignRight));
        lisProgress->setItem(k, MarkColumn, cellItem(fewest ? QStringLiteral("\u2713 yes") : QString(),
                                                     Qt::AlignHCenter));
    }
    lisProgress->resizeColumnsToContents();
    lisProgress->horizontalHeader()->setStretchLastSection(true);

    lblSummary = new QLabel(summaryText(finished, inFewest), this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setTextFormat(Qt::PlainText);
    lblRandom = new QLabel(randomSummaryText(progress.randomTally()), this);
    lblRandom->setObjectName(QStringLiteral("lblRandom"));
    lblRandom->setTextFormat(Qt::PlainText);

    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lisProgress);
    layout->addWidget(lblSummary);
    layout->addWidget(lblRandom);
    layout->addWidget(cmdClose, 0, Qt::AlignRight);
    resize(520, 440);
    centreOnOwner(this, owner);
    lisProgress->setFocus();
}

QString frmProgress::summaryText(int finished, int inFewest)
{
    return QStringLiteral("Finished %1 of %2 levels, %3 of them in the fewest steps.")
        .arg(finished)
        .arg(kLevelCount)
        .arg(inFewest);
}

QString frmProgress::randomSummaryText(const Progress::RandomTally& tally)
{
    if (tally.finished == 0)
        return QStringLiteral("Random levels finished: none yet.");
    return QStringLiteral("Random levels finished: %1, %2 of them in the fewest steps.")
        .arg(tally.finished)
        .arg(tally.inFewestSteps);
}

}  // namespace quill
