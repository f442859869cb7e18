#include "model/progress.h"

#include "model/levelcode.h"
#include "model/solver.h"

#include <QCoreApplication>
#include <QList>
#include <cerrno>
#include <limits>

namespace quill {
namespace {

constexpr char kHeader[] = "# Quillmere progress: level, fewest steps, start position of the level\n";
constexpr char kRandomHeader[] = "# Random levels: level code, fewest steps\n";
constexpr char kRandomWord[] = "random";

std::optional<long long> parseInteger(const QByteArray& word, long long low, long long high)
{
    bool ok = false;
    const long long value = word.toLongLong(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

// A win can be a record only in at least as many steps as its start needs.
bool possibleWin(const Positions& start, int32_t steps)
{
    const int fewest = fewestSteps(start);
    return fewest >= 0 && steps >= fewest;
}

template <typename Note>
RecordOutcome recordInFile(const QString& path, Note note)
{
    Progress progress;
    RecordOutcome outcome;
    outcome.status = readProgressFile(path, progress);
    if (outcome.failed() || !note(progress))
        return outcome;
    outcome.status = writeProgressFile(path, progress);
    outcome.newRecord = !outcome.failed();
    return outcome;
}

}  // namespace

std::optional<int32_t> Progress::bestFor(int index, const Positions& start) const
{
    if (index < 0 || index >= kLevelCount)
        return std::nullopt;
    const std::optional<Record>& record = records_[index];
    if (!record || record->start != start)
        return std::nullopt;
    return record->best;
}

bool Progress::noteWin(int index, const Positions& start, int32_t steps)
{
    if (index < 0 || index >= kLevelCount || !possibleWin(start, steps))
        return false;
    const std::optional<int32_t> best = bestFor(index, start);
    if (best && *best <= steps)
        return false;
    records_[index] = Record{steps, start};
    return true;
}

std::optional<int32_t> Progress::bestForRandom(const Positions& start) const
{
    const auto found = random_.find(boardAsSeen(start));
    if (found == random_.end())
        return std::nullopt;
    return found->second;
}

bool Progress::noteRandomWin(const Positions& start, int32_t steps)
{
    if (fewestSteps(start) < 1 || !possibleWin(start, steps))
        return false;
    const std::optional<int32_t> best = bestForRandom(start);
    if (best && *best <= steps)
        return false;
    random_[boardAsSeen(start)] = steps;
    return true;
}

Progress::RandomTally Progress::randomTally() const
{
    RandomTally tally;
    for (const auto& [start, best] : random_) {
        ++tally.finished;
        tally.inFewestSteps += best == fewestSteps(start);
    }
    return tally;
}

QByteArray Progress::encode() const
{
    QByteArray bytes(kHeader);
    for (int k = 0; k < kLevelCount; ++k) {
        if (!records_[k])
            continue;
        bytes += QByteArray::number(k + 1) + ' ' + QByteArray::number(records_[k]->best);
        for (int16_t value : records_[k]->start)
            bytes += ' ' + QByteArray::number(value);
        bytes += '\n';
    }
    if (!random_.empty())
        bytes += kRandomHeader;
    for (const auto& [start, best] : random_)
        bytes += kRandomWord + (' ' + levelCode(start).toLatin1()) + ' ' + QByteArray::number(best) + '\n';
    return bytes;
}

Progress Progress::decode(const QByteArray& bytes)
{
    Progress progress;
    for (const QByteArray& line : bytes.split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() == 3 && words[0] == kRandomWord) {
            const LevelCodeReading reading = readLevelCode(QString::fromLatin1(words[1]));
            const auto best = reading.ok() ? parseInteger(words[2], reading.steps, std::numeric_limits<int32_t>::max())
                                           : std::nullopt;
            if (best && progress.bestForRandom(*reading.start).value_or(*best) >= *best)
                progress.random_[*reading.start] = static_cast<int32_t>(*best);
            continue;
        }
        if (words.size() != 2 + kPieceCount || words[0].startsWith('#'))
            continue;
        const auto level = parseInteger(words[0], 1, kLevelCount);
        const auto best = parseInteger(words[1], 0, std::numeric_limits<int32_t>::max());
        Positions start{};
        bool positionsRead = true;
        for (int i = 0; i < kPieceCount && positionsRead; ++i) {
            const auto value = parseInteger(words[2 + i], std::numeric_limits<int16_t>::min(),
                                            std::numeric_limits<int16_t>::max());
            positionsRead = value.has_value();
            start[i] = static_cast<int16_t>(value.value_or(0));
        }
        if (level && best && positionsRead && possibleWin(start, static_cast<int32_t>(*best)))
            progress.records_[*level - 1] = Record{static_cast<int32_t>(*best), start};
    }
    return progress;
}

FileStatus readProgressFile(const QString& path, Progress& progress)
{
    progress = {};
    QByteArray bytes;
    const FileStatus status = readFileStart(path, kProgressFileLimit + 1, bytes);
    if (status.errorNumber == ENOENT)
        return FileStatus::success(path);
    if (!status.ok())
        return status;
    if (bytes.size() > kProgressFileLimit) {
        return FileStatus::failure(EFBIG,
                                   QCoreApplication::translate("Progress", "The file is larger than %1 MB, more than a record ever "
                                                  "grows to; it is left as it is.")
                                       .arg(kProgressFileLimit / (1024 * 1024)),
                                   path);
    }
    progress = Progress::decode(bytes);
    return status;
}

Progress readProgressFile(const QString& path)
{
    Progress progress;
    readProgressFile(path, progress);
    return progress;
}

FileStatus writeProgressFile(const QString& path, const Progress& progress)
{
    return writeWholeFile(path, progress.encode());
}

RecordOutcome recordWin(const QString& path, int index, const Positions& start, int32_t steps)
{
    return recordInFile(path, [&](Progress& progress) { return progress.noteWin(index, start, steps); });
}

RecordOutcome recordRandomWin(const QString& path, const Positions& start, int32_t steps)
{
    return recordInFile(path, [&](Progress& progress) { return progress.noteRandomWin(start, steps); });
}

}  // namespace quill
