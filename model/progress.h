#pragma once

#include "model/fileio.h"
#include "model/levelfile.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

namespace quill {

inline constexpr char kProgressFileName[] = "qlm-progress.txt";

// The player's record: for each level, the fewest steps in which the player
// has finished it, kept with the start position of the level as it was
// played, so that a level changed in the editor no longer shows the record
// of its old self.
class Progress {
public:
    struct Record {
        int32_t best = 0;
        Positions start{};
        bool operator==(const Record&) const = default;
    };

    // The record of level `index` (0..69) if it was finished from `start`.
    std::optional<int32_t> bestFor(int index, const Positions& start) const;

    // Notes a win of level `index` from `start` in `steps`; true when it is
    // the first win of that start or fewer steps than before. Counts below
    // zero (from an edited saved game) are no record.
    bool noteWin(int index, const Positions& start, int32_t steps);

    const std::array<std::optional<Record>, kLevelCount>& records() const { return records_; }

    // The file: a comment line, then one line per finished level, "LEVEL
    // BEST P0 ... P9" with the level numbered 1 to 70. Lines that do not
    // read so are skipped.
    QByteArray encode() const;
    static Progress decode(const QByteArray& bytes);

private:
    std::array<std::optional<Record>, kLevelCount> records_;
};

// Reads leniently: a missing, unreadable or broken file is an empty record.
Progress readProgressFile(const QString& path);

FileStatus writeProgressFile(const QString& path, const Progress& progress);

}  // namespace quill
