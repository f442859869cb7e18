#pragma once

#include "model/fileio.h"
#include "model/levelfile.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace quill {

inline constexpr int kSavedGameSize = 36;
inline constexpr int kMaxGameNameLength = 32;
inline constexpr char kSavedFolderName[] = "saved";
inline constexpr char kSavedGameExtension[] = ".sav";

struct SavedGame {
    int32_t steps = 0;
    int16_t level = 0;
    QString name = QString(kNameLength, QLatin1Char(' '));
    Positions positions{};

    bool operator==(const SavedGame&) const = default;
};

QByteArray encodeSavedGame(const SavedGame& game);

// Decodes the first 36 bytes; the caller makes sure there are that many.
SavedGame decodeSavedGame(const QByteArray& bytes);

// Why a saved game cannot be loaded, in plain words; empty when it can.
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
