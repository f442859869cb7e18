#pragma once

#include "model/levelfile.h"
#include "model/progress.h"
#include "model/solver.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QTableWidget;

namespace quill {

// The player's record against the fewest steps possible, level by level,
// and how the player did with random levels. It opens on `shownLevel` (the
// level in play or last won; -1 for none): that row selected and in view.
class frmProgress : public QDialog {
    Q_OBJECT

public:
    frmProgress(QWidget* owner, const LevelTable& levels,
                const std::array<LevelVerdict, kLevelCount>& verdicts, const Progress& progress,
                int shownLevel = -1);

    enum Column { LevelColumn, NameColumn, BestColumn, FewestColumn, MarkColumn, ColumnCount };

    QTableWidget* lisProgress;
    QLabel* lblSummary;
    QLabel* lblRandom;
    QPushButton* cmdClose;

    // What the summary under the table counts.
    struct Tally {
        int finished = 0;
        int inFewest = 0;
    };
    // "Finished 12 of 70 levels, 5 of them in the fewest steps."
    static QString summaryText(const Tally& tally);
    // "Random levels finished: 3, 2 of them in the fewest steps."
    static QString randomSummaryText(const Progress::RandomTally& tally);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // As wide as the columns and as tall as kRowsInView rows, as far as the
    // available height of `owner`'s screen allows.
    void fitToScreen(const QWidget* owner);
    static constexpr int kRowsInView = 20;

    int shownLevel_;
};

}  // namespace quill
