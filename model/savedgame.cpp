#include "model/savedgame.h"
#include <QCoreApplication>

#include "model/codepage.h"
#include "model/levelcode.h"
#include "model/levelfaults.h"
#include "model/solver.h"

namespace quill {

QByteArray encodeSavedGame(const SavedGame& game)
{
    QByteArray bytes;
    bytes.reserve(kSavedGameSize);
    const auto steps = static_cast<uint32_t>(game.steps);
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(static_cast<char>((steps >> shift) & 0xFF));
    appendInt16(bytes, game.level);
    bytes.append(encodeLevelName(game.name));
    for (int16_t value : game.positions)
        appendInt16(bytes, value);
    return bytes;
}

SavedGame decodeSavedGame(const QByteArray& bytes)
{
    SavedGame game;
    uint32_t steps = 0;
    for (int i = 0; i < 4; ++i)
        steps |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[i])) << (8 * i);
    game.steps = static_cast<int32_t>(steps);
    game.level = readInt16(bytes, 4);
    game.name = decodeLevelName(bytes.mid(6, kNameLength));
    for (int i = 0; i < kPieceCount; ++i)
        game.positions[i] = readInt16(bytes, 16 + 2 * i);
    return game;
}

QString savedGameProblem(const QByteArray& bytes)
{
    if (bytes.size() < kSavedGameSize) {
        return QCoreApplication::translate("SavedGame", "The file holds %1 bytes; a saved game has %2.")
            .arg(bytes.size())
            .arg(kSavedGameSize);
    }
    const SavedGame game = decodeSavedGame(bytes);
    if (game.isRandom()) {
        const LevelCodeReading reading = readLevelCode(game.name);
        if (!reading.ok())
            return QCoreApplication::translate("SavedGame", "The game is of a random level, but its name \"%1\" is not the code of a "
                                  "level that can be played.")
                .arg(game.name.trimmed());
        const QString fault = faultText(misplacedFault(game.positions));
        if (!fault.isEmpty())
            return fault;
        if (!slidesConnect(*reading.start, game.positions))
            return QCoreApplication::translate("SavedGame", "The game is of the random level %1, but its board cannot be reached from "
                                  "that level's start by sliding pieces.")
                .arg(reading.code);
        return {};
    } else if (game.level < 0 || game.level >= kLevelCount) {
        return QCoreApplication::translate("SavedGame", "The level number %1 is not one of the levels 1 to %2.")
            .arg(game.level + 1)
            .arg(kLevelCount);
    }
    return faultText(misplacedFault(game.positions));
}

SavedGame randomSavedGame(const Positions& dealtStart, int32_t steps, const Positions& current)
{
    SavedGame game;
    game.steps = steps;
    game.level = kRandomLevelMarker;
    game.name = fitLevelName(levelCode(dealtStart));
    game.positions = current;
    return game;
}

std::optional<Positions> dealtStartOf(const SavedGame& game)
{
    if (!game.isRandom())
        return std::nullopt;
    return readLevelCode(game.name).start;
}

bool loadSavedGame(const QString& path, SavedGame& game, QString& problem)
{
    QByteArray bytes;
    const FileStatus status = readFileStart(path, kSavedGameSize, bytes);
    if (!status.ok()) {
        problem = QCoreApplication::translate("SavedGame", "The file cannot be read: %1 (error %2).")
                      .arg(status.errorText)
                      .arg(status.errorNumber);
        return false;
    }
    problem = savedGameProblem(bytes);
    if (!problem.isEmpty())
        return false;
    game = decodeSavedGame(bytes);
    return true;
}

FileStatus writeSavedGame(const QString& path, const SavedGame& game)
{
    return writeFileKeepingTail(path, encodeSavedGame(game));
}

bool NameIsLegal(const QString& name)
{
    static const QString refused = QStringLiteral("\"\\*?.:");
    for (QChar ch : name) {
        const std::optional<unsigned char> byte = codepage::toByte(ch);
        if (!byte || *byte < 32 || *byte == 255 || refused.contains(ch))
            return false;
    }
    return true;
}

}  // namespace quill
