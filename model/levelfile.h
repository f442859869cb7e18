#pragma once

#include "model/fileio.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace quill {

inline constexpr int kPieceCount = 10;
inline constexpr int kLevelCount = 70;
inline constexpr int kNameLength = 10;
inline constexpr int kLevelRecordSize = 30;
inline constexpr int kLevelFileSize = kLevelCount * kLevelRecordSize;  // 2100

using Positions = std::array<int16_t, kPieceCount>;

struct LevelRecord {
    QString name = QString(kNameLength, QChar(0));  // never assigned: 10 NULs
    Positions positions{};

    bool operator==(const LevelRecord&) const = default;
};

using LevelTable = std::array<LevelRecord, kLevelCount>;

// The file names each program asks for; both resolve to one file.
inline constexpr char kGameLevelFileName[] = "QLM.ZHN";
inline constexpr char kEditorLevelFileName[] = "qlm.zhn";
// The spelling the game shows in its error message.
inline constexpr char kLevelFileShownName[] = "QLM.zhn";

// Cuts a text to 10 characters or pads it on the right with spaces.
QString fitLevelName(const QString& text);

// Name bytes: one code-page byte per character, exactly 10.
QByteArray encodeLevelName(const QString& name);
QString decodeLevelName(const QByteArray& tenBytes);

QByteArray encodeLevelTable(const LevelTable& levels);

// Decodes what `bytes` covers; records or parts of records beyond its end
// stay cleared. Bytes beyond the table are ignored.
LevelTable decodeLevelTable(const QByteArray& bytes);

// Reads the collection. On failure `levels` is left cleared.
FileStatus readLevelFile(const QString& path, LevelTable& levels,
                         ReadLock lock = ReadLock::None);

// Writes the 2100 bytes of the table over the start of the file, keeping
// any bytes after them, atomically.
FileStatus writeLevelFile(const QString& path, const LevelTable& levels);

// Little-endian 16-bit fields shared by the file formats.
int16_t readInt16(const QByteArray& bytes, int offset);
void appendInt16(QByteArray& bytes, int16_t value);

}  // namespace quill
