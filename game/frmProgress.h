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
// and how the player did with random levels.
class frmProgress : public QDialog {
    Q_OBJECT

public:
    frmProgress(QWidget* owner, const LevelTable& levels,
                const std::array<LevelVerdict, kLevelCount>& verdicts, const Progress& progress);

    enum Column { LevelColumn, NameColumn, BestColumn, FewestColumn, MarkColumn, ColumnCount };

    QTableWidget* lisProgress;
    QLabel* lblSummary;
    QLabel* lblRandom;
    QPushButton* cmdClose;

    // "Finished 12 of 70 levels, 5 of them in the fewest steps."
    static QString summaryText(int finished, int inFewest);
    // "Random levels finished: 3, 2 of them in the fewest steps."
    static QString randomSummaryText(const Progress::RandomTally& tally);
};

}  // namespace quill
