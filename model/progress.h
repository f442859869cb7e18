#pragma once

#include "model/fileio.h"
#include "model/levelfile.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <map>
#include <optional>

namespace quill {

inline constexpr char kProgressFileName[] = "qlm-progress.txt";

// The player's record: for each level, the fewest steps in which the player
// has finished it, kept with the start position of the level as it was
// played, so that a level changed in the editor no longer shows the record
// of its old self; and the same for each random level, by its start. A win
// in fewer steps than its start needs (from an edited saved game, or one
// saved before the level was changed), or from a start that is not a
// solvable position, is no record.
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
    // the first win of that start or fewer steps than before.
    bool noteWin(int index, const Positions& start, int32_t steps);

    const std::array<std::optional<Record>, kLevelCount>& records() const { return records_; }

    // The same for random levels, each known by its start as seen (starts
    // that differ only in which single stands where are one board): a
    // replay of a board counts once, with its best.
    std::optional<int32_t> bestForRandom(const Positions& start) const;
    bool noteRandomWin(const Positions& start, int32_t steps);
    const std::map<Positions, int32_t>& randomRecords() const { return random_; }

    // How many random levels the player has finished, and how many of
    // them in their fewest steps.
    struct RandomTally {
        int finished = 0;
        int inFewestSteps = 0;
    };
    RandomTally randomTally() const;

    // The file: a comment line, then one line per finished level, "LEVEL
    // BEST P0 ... P9" with the level numbered 1 to 70; after them, when
    // there are any, a comment line and one line per finished random
    // level, "random CODE BEST". Lines that do not read so are skipped.
    QByteArray encode() const;
    static Progress decode(const QByteArray& bytes);

private:
    std::array<std::optional<Record>, kLevelCount> records_;
    std::map<Positions, int32_t> random_;
};

// The largest record file that is read: far more than any player's record
// grows to. A larger file is refused, never cut.
inline constexpr qint64 kProgressFileLimit = 32 * 1024 * 1024;

// Reads the whole record file. A missing file is an empty record; lines
// that do not read as a record are skipped. A file that cannot be read
// whole (too large, unreadable) fails, and `progress` is then empty.
FileStatus readProgressFile(const QString& path, Progress& progress);
// For showing the record: whatever cannot be read counts as empty.
Progress readProgressFile(const QString& path);

FileStatus writeProgressFile(const QString& path, const Progress& progress);

// A win noted in the record file at `path`: the file is read whole, and
// written back only when the win is a new record. A file that cannot be
// read whole is left as it is; `status` then tells why, as it does when
// the new record cannot be written. Neither stands in the way of play.
struct RecordOutcome {
    bool newRecord = false;
    FileStatus status;

    bool failed() const { return !status.ok(); }
};
RecordOutcome recordWin(const QString& path, int index, const Positions& start, int32_t steps);
RecordOutcome recordRandomWin(const QString& path, const Positions& start, int32_t steps);

}  // namespace quill
