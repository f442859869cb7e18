// qlmtool: checks, lists and solves level collections and saved games,
// writes the shipped collection, and deals and reads random levels.
// Everything it knows about files, shapes and slides comes from the model.

#include "model/board.h"
#include "model/datafolders.h"
#include "model/fileio.h"
#include "model/levelcode.h"
#include "model/levelfile.h"
#include "model/programfolder.h"
#include "model/randomlevel.h"
#include "model/savedgame.h"
#include "model/solver.h"
#include "tools/collection.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTextStream>

#include <array>
#include <optional>
#include <utility>

using namespace quill;

namespace {

enum ExitStatus { kSuccess = 0, kProblem = 1, kUsageError = 2 };

const char kUsage[] = R"(Usage: qlmtool COMMAND [--json] [ARGUMENTS]

Lists, checks and solves Quillmere level collections and saved games, and
deals random levels with their level codes. Without FILE the commands read
the level collection QLM.ZHN in qlmtool's own folder; file names are found
without regard to case.

Commands:
  list [FILE]                  one line per level: number, name, valid or
                               invalid, and the optimal step count or
                               "unsolvable"
  check [FILE]                 exit status 0 when every level puts all ten
                               pieces on allowed cells without overlap and is
                               solvable; otherwise 1 and one line per problem
  solve --level N [FILE]       the shortest solution of level N (1 to 70)
  solve --positions V0,...,V9  the shortest solution of ten position values,
                               piece 0 first
  solve GAME.sav               the shortest solution of a saved game
  stats                        figures of the whole space of positions
  generate OUT                 writes the shipped collection of 70 levels to
                               OUT; the same bytes on every run
  deal N                       deals a random level that needs exactly N
                               steps at the fewest: its level code, its ten
                               position values and its board
  code CODE                    the level of a level code such as GGXT-4AN
                               (any case, dashes and spaces left out or
                               not): its board, position values and fewest
                               steps

A step is one piece slid any distance along its row or its column, as one
drag in the game. A solution is printed one move per line as
"piece P: FROM -> TO" with position values (row * 10 + column), then a last
line "N steps". A board is printed as five rows of four cells, each the
number of the piece on it or "." for an empty cell.

Options:
  --json       list, check, solve, stats, deal and code print the same
               content as JSON
  -h, --help   this text

Exit status: 0 success, 1 a problem with a level, a position, a level code
or a file, 2 a usage error.
)";

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

int usageError(const QString& message)
{
    err() << "qlmtool: " << message << "\n"
          << "Run 'qlmtool --help' for the commands and their arguments.\n";
    err().flush();
    return kUsageError;
}

int problem(const QString& message)
{
    err() << "qlmtool: " << message << "\n";
    err().flush();
    return kProblem;
}

void printJson(const QJsonValue& value)
{
    const QJsonDocument document = value.isArray() ? QJsonDocument(value.toArray())
                                                   : QJsonDocument(value.toObject());
    out() << document.toJson(QJsonDocument::Indented);
    out().flush();
}

// The arguments after the command.
struct Arguments {
    bool json = false;
    std::optional<QString> level;
    std::optional<QString> positions;
    QStringList files;
};

// Words after "--" are never options. With `dashedWordsAreValues` a word
// that starts with a dash but is no option is a value too: a level code may
// start with one, and "deal -1" is a number out of range, not an option.
std::optional<Arguments> parseArguments(const QStringList& words, bool dashedWordsAreValues, QString& error)
{
    Arguments args;
    const std::pair<QString, std::optional<QString>*> valued[] = {
        {QStringLiteral("--level"), &args.level},
        {QStringLiteral("--positions"), &args.positions},
    };
    for (int i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (word == QLatin1String("--")) {
            args.files << words.mid(i + 1);
            break;
        }
        if (word == QLatin1String("--json")) {
            args.json = true;
            continue;
        }
        bool matched = false;
        for (const auto& [option, target] : valued) {
            if (word.startsWith(option + QLatin1Char('='))) {
                *target = word.mid(option.size() + 1);
                matched = true;
            } else if (word == option) {
                if (i + 1 >= words.size()) {
                    error = QStringLiteral("%1 needs a value").arg(option);
                    return std::nullopt;
                }
                *target = words[++i];
                matched = true;
            }
        }
        if (matched)
            continue;
        if (word.startsWith(QLatin1Char('-')) && word.size() > 1 && !dashedWordsAreValues) {
            error = QStringLiteral("unknown option '%1'").arg(word);
            return std::nullopt;
        }
        args.files << word;
    }
    return args;
}

// A path as given, or the entry of its folder that matches it without
// regard to case when the given spelling does not exist.
QString resolveGiven(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return path;
    const QString entry = resolveEntryName(info.path(), info.fileName());
    return entry == info.fileName() ? path : joinPath(info.path(), entry);
}

struct Collection {
    QString path;
    LevelTable levels;
    qint64 size = 0;
};

std::optional<Collection> loadCollection(const QStringList& files)
{
    Collection collection;
    collection.path = files.isEmpty() ? DataFolders::forProgram(programFolder())
                                            .levelFileToRead(QString::fromLatin1(kGameLevelFileName))
                                      : resolveGiven(files.front());
    const FileStatus status = readLevelFile(collection.path, collection.levels);
    if (!status.ok()) {
        problem(QStringLiteral("cannot read the level collection %1: %2 (error %3)")
                    .arg(displayPath(collection.path), status.errorText)
                    .arg(status.errorNumber));
        return std::nullopt;
    }
    collection.size = QFileInfo(collection.path).size();
    return collection;
}

const char kUnsolvableText[] = "no series of slides brings Ordrane to the bottom middle";

// The collection that list and check read, with a verdict on every level:
// at most one FILE, no options but --json. Fills `judged`, or returns the
// exit status when the command cannot go on.
struct Judged {
    Collection collection;
    std::array<LevelVerdict, kLevelCount> verdicts;
};

std::optional<int> readAndJudge(const Arguments& args, const char* command, std::optional<Judged>& judged)
{
    if (args.level || args.positions || args.files.size() > 1)
        return usageError(QStringLiteral("%1 takes at most one FILE").arg(QLatin1String(command)));
    std::optional<Collection> collection = loadCollection(args.files);
    if (!collection)
        return kProblem;
    judged = Judged{*collection, judgeLevels(collection->levels)};
    return std::nullopt;
}

// The name for a terminal: control characters (a never-named level holds
// NULs) show as dots.
QString shownName(const QString& name)
{
    QString shown = name;
    for (QChar& ch : shown)
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F)
            ch = QLatin1Char('.');
    return shown;
}

QJsonArray positionsJson(const Positions& positions)
{
    QJsonArray array;
    for (int16_t value : positions)
        array.append(value);
    return array;
}

int listCommand(const Arguments& args)
{
    std::optional<Judged> judged;
    if (const std::optional<int> status = readAndJudge(args, "list", judged))
        return *status;
    QJsonArray rows;
    for (int k = 0; k < kLevelCount; ++k) {
        const LevelRecord& level = judged->collection.levels[k];
        const LevelVerdict& verdict = judged->verdicts[k];
        if (args.json) {
            QJsonObject row;
            row[QStringLiteral("level")] = k + 1;
            row[QStringLiteral("name")] = level.name;
            row[QStringLiteral("positions")] = positionsJson(level.positions);
            row[QStringLiteral("valid")] = verdict.valid();
            row[QStringLiteral("solvable")] = verdict.solvable();
            row[QStringLiteral("optimal")] = verdict.solvable() ? QJsonValue(verdict.steps) : QJsonValue();
            rows.append(row);
            continue;
        }
        const QString steps = !verdict.valid()     ? QStringLiteral("-")
                              : verdict.solvable() ? QStringLiteral("%1 steps").arg(verdict.steps, 3)
                                                   : QStringLiteral("unsolvable");
        out() << QStringLiteral("%1  %2  %3  %4\n")
                     .arg(k + 1, 2)
                     .arg(shownName(level.name), -kNameLength)
                     .arg(verdict.valid() ? QStringLiteral("valid") : QStringLiteral("invalid"), -7)
                     .arg(steps);
    }
    if (args.json)
        printJson(rows);
    out().flush();
    return kSuccess;
}

int checkCommand(const Arguments& args)
{
    std::optional<Judged> judged;
    if (const std::optional<int> status = readAndJudge(args, "check", judged))
        return *status;
    const Collection& collection = judged->collection;

    QJsonArray problems;
    QStringList lines;
    auto report = [&](int level, const QString& text) {
        QJsonObject entry;
        entry[QStringLiteral("level")] = level > 0 ? QJsonValue(level) : QJsonValue();
        entry[QStringLiteral("problem")] = text;
        problems.append(entry);
        lines << (level > 0 ? QStringLiteral("level %1: %2").arg(level).arg(text)
                            : QStringLiteral("file: %1").arg(text));
    };
    if (collection.size < kLevelFileSize)
        report(0, QStringLiteral("only %1 of %2 bytes; the levels past its end read as empty")
                      .arg(collection.size)
                      .arg(kLevelFileSize));
    for (int k = 0; k < kLevelCount; ++k) {
        const LevelVerdict& verdict = judged->verdicts[k];
        if (!verdict.valid())
            report(k + 1, faultText(verdict.fault));
        else if (!verdict.solvable())
            report(k + 1, QStringLiteral("unsolvable: %1").arg(QLatin1String(kUnsolvableText)));
    }

    if (args.json) {
        QJsonObject result;
        result[QStringLiteral("file")] = displayPath(collection.path);
        result[QStringLiteral("ok")] = problems.isEmpty();
        result[QStringLiteral("problems")] = problems;
        printJson(result);
    } else if (lines.isEmpty()) {
        out() << QStringLiteral("All %1 levels of %2 are valid and solvable.\n")
                     .arg(kLevelCount)
                     .arg(displayPath(collection.path));
    } else {
        for (const QString& line : lines)
            out() << line << "\n";
    }
    out().flush();
    if (problems.isEmpty())
        return kSuccess;
    err() << "qlmtool: " << problems.size() << (problems.size() == 1 ? " problem" : " problems")
          << " in " << displayPath(collection.path) << "\n";
    err().flush();
    return kProblem;
}

std::optional<Positions> parsePositions(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != kPieceCount)
        return std::nullopt;
    Positions positions{};
    for (int i = 0; i < kPieceCount; ++i) {
        bool ok = false;
        const int value = parts[i].trimmed().toInt(&ok);
        if (!ok || value < INT16_MIN || value > INT16_MAX)
            return std::nullopt;
        positions[i] = static_cast<int16_t>(value);
    }
    return positions;
}

int solveCommand(const Arguments& args)
{
    Positions positions{};
    QString subject;
    if (args.level && args.positions)
        return usageError(QStringLiteral("solve takes --level or --positions, not both"));
    if (args.level) {
        bool ok = false;
        const int level = args.level->toInt(&ok);
        if (!ok || level < 1 || level > kLevelCount)
            return usageError(QStringLiteral("--level needs a level number from 1 to %1, not '%2'")
                                  .arg(kLevelCount)
                                  .arg(*args.level));
        if (args.files.size() > 1)
            return usageError(QStringLiteral("solve --level takes at most one FILE"));
        const std::optional<Collection> collection = loadCollection(args.files);
        if (!collection)
            return kProblem;
        positions = collection->levels[level - 1].positions;
        subject = QStringLiteral("level %1").arg(level);
    } else if (args.positions) {
        if (!args.files.isEmpty())
            return usageError(QStringLiteral("solve --positions takes no FILE"));
        const std::optional<Positions> parsed = parsePositions(*args.positions);
        if (!parsed)
            return usageError(QStringLiteral("--positions needs ten whole numbers separated by commas, "
                                             "piece 0 first, such as 1,21,0,3,20,23,31,32,40,43"));
        positions = *parsed;
        subject = QStringLiteral("the position");
    } else {
        if (args.files.size() != 1)
            return usageError(QStringLiteral("solve needs --level N, --positions V0,...,V9 or one saved game"));
        const QString path = resolveGiven(args.files.front());
        SavedGame game;
        QString why;
        if (!loadSavedGame(path, game, why))
            return problem(QStringLiteral("cannot load the saved game %1: %2").arg(displayPath(path), why));
        positions = game.positions;
        subject = QStringLiteral("the saved game");
    }

    const Solution solution = slideSolver().solve(positions);
    if (solution.outcome == Solution::Outcome::Invalid)
        return problem(QStringLiteral("%1 cannot be solved: %2").arg(subject, faultText(solution.fault)));
    if (solution.outcome == Solution::Outcome::Unsolvable)
        return problem(QStringLiteral("%1 is unsolvable: %2.").arg(subject, QLatin1String(kUnsolvableText)));

    if (args.json) {
        QJsonArray moves;
        for (const SolutionMove& move : solution.moves)
            moves.append(QJsonObject{{QStringLiteral("piece"), move.piece},
                                     {QStringLiteral("from"), move.from},
                                     {QStringLiteral("to"), move.to}});
        printJson(QJsonObject{{QStringLiteral("steps"), solution.steps()}, {QStringLiteral("moves"), moves}});
        return kSuccess;
    }
    for (const SolutionMove& move : solution.moves)
        out() << "piece " << move.piece << ": " << move.from << " -> " << move.to << "\n";
    out() << solution.steps() << " steps\n";
    out().flush();
    return kSuccess;
}

int statsCommand(const Arguments& args)
{
    if (args.level || args.positions || !args.files.isEmpty())
        return usageError(QStringLiteral("stats takes no arguments"));
    const SlideSolver& solver = slideSolver();
    const SpaceAnalysis space = solver.analyse();
    const int classic = solver.indexOf(tools::classicStart());
    const int classicGroup = space.groupSize[space.group[classic]];
    const int positions = solver.positionCount();

    if (args.json) {
        QJsonArray byDistance;
        std::vector<int> counts(space.maxDistance + 1, 0);
        for (uint8_t d : space.distance)
            if (d != SlideSolver::kUnsolvable)
                ++counts[d];
        for (int count : counts)
            byDistance.append(count);
        QJsonObject result{
            {QStringLiteral("positions"), positions},
            {QStringLiteral("solved"), space.solvedCount},
            {QStringLiteral("solvable"), space.solvableCount},
            {QStringLiteral("unsolvable"), positions - space.solvableCount},
            {QStringLiteral("groups"), space.groupCount()},
            {QStringLiteral("solvableGroups"), space.solvableGroupCount},
            {QStringLiteral("maxSteps"), space.maxDistance},
            {QStringLiteral("farthestPositions"), space.farthestCount},
            {QStringLiteral("positionsBySteps"), byDistance},
            {QStringLiteral("classicStart"),
             QJsonObject{{QStringLiteral("positions"), positionsJson(tools::classicStart())},
                         {QStringLiteral("steps"), int(space.distance[classic])},
                         {QStringLiteral("groupSize"), classicGroup}}},
        };
        printJson(result);
        return kSuccess;
    }
    auto line = [](const char* label, const QString& value) {
        out() << QStringLiteral("%1 %2\n").arg(QLatin1String(label), -44).arg(value);
    };
    line("Positions (same-shaped pieces alike):", QString::number(positions));
    line("Solved positions:", QString::number(space.solvedCount));
    line("Solvable positions:", QString::number(space.solvableCount));
    line("Unsolvable positions:", QString::number(positions - space.solvableCount));
    line("Connected groups:", QStringLiteral("%1 (%2 hold a solved position)")
                                  .arg(space.groupCount())
                                  .arg(space.solvableGroupCount));
    line("Farthest solvable position:", QStringLiteral("%1 steps (%2 positions)")
                                            .arg(space.maxDistance)
                                            .arg(space.farthestCount));
    line("Classic start:", QStringLiteral("%1 steps, in a group of %2 positions")
                               .arg(space.distance[classic])
                               .arg(classicGroup));
    out().flush();
    return kSuccess;
}

int generateCommand(const Arguments& args)
{
    if (args.json || args.level || args.positions || args.files.size() != 1)
        return usageError(QStringLiteral("generate needs exactly one OUT file and no options"));
    const QString path = resolveGiven(args.files.front());
    const SlideSolver& solver = slideSolver();
    const SpaceAnalysis space = solver.analyse();
    const LevelTable levels = tools::generateCollection(solver, space);
    const FileStatus status = writeWholeFile(path, encodeLevelTable(levels));
    if (!status.ok())
        return problem(QStringLiteral("cannot write %1: %2 (error %3)")
                           .arg(displayPath(path), status.errorText)
                           .arg(status.errorNumber));
    const int first = space.distance[solver.indexOf(levels.front().positions)];
    const int last = space.distance[solver.indexOf(levels.back().positions)];
    out() << QStringLiteral("Wrote %1 levels to %2, from %3 to %4 steps.\n")
                 .arg(kLevelCount)
                 .arg(displayPath(path))
                 .arg(first)
                 .arg(last);
    out().flush();
    return kSuccess;
}

// The board as five rows of four cells: the number of the piece on each
// cell, "." where it is empty.
QStringList boardRows(const Positions& positions)
{
    Board board;
    board.SetPiecePositions(positions);
    board.PlacePieces();
    QStringList rows;
    for (int row = 0; row < kRows; ++row) {
        QString line;
        for (int col = 0; col < kColumns; ++col) {
            const int16_t piece = board.cell(col, row);
            line += piece == Board::kEmpty ? QLatin1Char('.') : QChar(u'0' + piece);
        }
        rows << line;
    }
    return rows;
}

// One level of a code: deal and code print it alike.
int printCodedLevel(const Arguments& args, const QString& code, const Positions& start, int steps)
{
    const QStringList rows = boardRows(start);
    if (args.json) {
        printJson(QJsonObject{{QStringLiteral("code"), code},
                              {QStringLiteral("steps"), steps},
                              {QStringLiteral("positions"), positionsJson(start)},
                              {QStringLiteral("board"), QJsonArray::fromStringList(rows)}});
        return kSuccess;
    }
    QStringList values;
    for (int16_t value : start)
        values << QString::number(value);
    out() << "Level code:   " << code << "\n"
          << "Fewest steps: " << steps << "\n"
          << "Positions:    " << values.join(QLatin1Char(',')) << "\n\n";
    for (const QString& row : rows) {
        QString spaced;
        for (QChar cell : row)
            spaced += QLatin1Char(' ') + cell;
        out() << " " << spaced << "\n";
    }
    out().flush();
    return kSuccess;
}

// A count as people write it: decimal digits alone, no sign, no spaces and
// no leading zero.
std::optional<int> plainCount(const QString& word)
{
    if (word.isEmpty() || word.size() > 9 || word.front() == QLatin1Char('0'))
        return std::nullopt;
    int value = 0;
    for (QChar ch : word) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (ch.unicode() - '0');
    }
    return value;
}

int dealCommand(const Arguments& args)
{
    const DealRange range = dealRange();
    const std::optional<int> steps = plainCount(args.files.value(0));
    if (args.level || args.positions || args.files.size() != 1 || !steps || *steps < range.fewest
        || *steps > range.most)
        return usageError(QStringLiteral("deal needs one number of steps N from %1 to %2")
                              .arg(range.fewest)
                              .arg(range.most));
    const std::optional<DealtLevel> level = dealLevel(*steps);
    return printCodedLevel(args, level->code, level->start, level->steps);
}

int codeCommand(const Arguments& args)
{
    if (args.level || args.positions || args.files.isEmpty())
        return usageError(QStringLiteral("code needs a level code such as GGXT-4AN"));
    const LevelCodeReading reading = readLevelCode(args.files.join(QLatin1Char(' ')));
    if (!reading.ok())
        return problem(reading.problem);
    return printCodedLevel(args, reading.code, *reading.start, reading.steps);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList words = app.arguments().mid(1);
    if (words.contains(QLatin1String("--help")) || words.contains(QLatin1String("-h"))
        || words.value(0) == QLatin1String("help")) {
        out() << kUsage;
        out().flush();
        return kSuccess;
    }
    if (words.isEmpty()) {
        err() << kUsage;
        err().flush();
        return kUsageError;
    }
    const QString command = words.front();
    QString error;
    const bool dashedWordsAreValues = command == QLatin1String("deal") || command == QLatin1String("code");
    const std::optional<Arguments> args = parseArguments(words.mid(1), dashedWordsAreValues, error);
    if (!args)
        return usageError(error);
    if (command == QLatin1String("list"))
        return listCommand(*args);
    if (command == QLatin1String("check"))
        return checkCommand(*args);
    if (command == QLatin1String("solve"))
        return solveCommand(*args);
    if (command == QLatin1String("stats"))
        return statsCommand(*args);
    if (command == QLatin1String("generate"))
        return generateCommand(*args);
    if (command == QLatin1String("deal"))
        return dealCommand(*args);
    if (command == QLatin1String("code"))
        return codeCommand(*args);
    return usageError(QStringLiteral("unknown command '%1'").arg(command));
}
