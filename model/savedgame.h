#pragma once

#include "model/fileio.h"
#include "model/levelfile.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace quill {

inline constexpr int kSavedGameSize = 36;
inline constexpr int kMaxGameNameLength = 32;
inline constexpr char kSavedFolderName[] = "saved";
inline constexpr char kSavedGameExtension[] = ".sav";

// The `level` of a game of a random level: no level of the collection has
// it. The `name` then holds the level code of the dealt start.
inline constexpr int16_t kRandomLevelMarker = 0x7FFF;

struct SavedGame {
    int32_t steps = 0;
    int16_t level = 0;
    QString name = QString(kNameLength, QLatin1Char(' '));
    Positions positions{};

    bool isRandom() const { return level == kRandomLevelMarker; }
    bool operator==(const SavedGame&) const = default;
};

// A game of a random level dealt at `dealtStart`, now at `current` after
// `steps` steps.
SavedGame randomSavedGame(const Positions& dealtStart, int32_t steps, const Positions& current);

// The start a random game was dealt at, read from its code; nothing for a
// game of the collection or a name that is no playable level's code.
std::optional<Positions> dealtStartOf(const SavedGame& game);

QByteArray encodeSavedGame(const SavedGame& game);

// Decodes the first 36 bytes; the caller makes sure there are that many.
SavedGame decodeSavedGame(const QByteArray& bytes);

// Why a saved game cannot be loaded, in plain words; empty when it can. A
// game of a random level loads when its name is a playable level's code.
QString savedGameProblem(const QByteArray& bytes);

// Reads and checks a saved game whole. On failure `problem` says why in
// plain words and `game` is untouched.
bool loadSavedGame(const QString& path, SavedGame& game, QString& problem);

// Writes the 36 bytes over the start of the file, keeping what follows.
FileStatus writeSavedGame(const QString& path, const SavedGame& game);

// A game name is refused for a character whose code-page byte is below 32
// or is 255, that the code page cannot hold, or that is one of " \ * ? . :
bool NameIsLegal(const QString& name);

}  // namespace quill
