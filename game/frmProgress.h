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

// The player's record against the fewest steps possible, level by level.
class frmProgress : public QDialog {
    Q_OBJECT

public:
    frmProgress(QWidget* owner, const LevelTable& levels,
                const std::array<LevelVerdict, kLevelCount>& verdicts, const Progress& progress);

    enum Column { LevelColumn, NameColumn, BestColumn, FewestColumn, MarkColumn, ColumnCount };

    QTableWidget* lisProgress;
    QLabel* lblSummary;
    QPushButton* cmdClose;

    // "Finished 12 of 70 levels, 5 of them in the fewest steps."
    static QString summaryText(int finished, int inFewest);
};

}  // namespace quill
