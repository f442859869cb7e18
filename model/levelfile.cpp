#include "model/levelfile.h"

#include "model/codepage.h"

namespace quill {

QString fitLevelName(const QString& text)
{
    return text.left(kNameLength).leftJustified(kNameLength, QLatin1Char(' '));
}

QByteArray encodeLevelName(const QString& name)
{
    QByteArray bytes = codepage::encode(name.left(kNameLength));
    bytes.append(QByteArray(kNameLength - bytes.size(), ' '));
    return bytes;
}

QString decodeLevelName(const QByteArray& tenBytes)
{
    return codepage::decode(tenBytes.left(kNameLength));
}

int16_t readInt16(const QByteArray& bytes, int offset)
{
    const auto lo = static_cast<uint8_t>(bytes[offset]);
    const auto hi = static_cast<uint8_t>(bytes[offset + 1]);
    return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
}

void appendInt16(QByteArray& bytes, int16_t value)
{
    const auto raw = static_cast<uint16_t>(value);
    bytes.append(static_cast<char>(raw & 0xFF));
    bytes.append(static_cast<char>(raw >> 8));
}

QByteArray encodeLevelTable(const LevelTable& levels)
{
    QByteArray bytes;
    bytes.reserve(kLevelFileSize);
    for (const LevelRecord& level : levels) {
        bytes.append(encodeLevelName(level.name));
        for (int16_t value : level.positions)
            appendInt16(bytes, value);
    }
    return bytes;
}

LevelTable decodeLevelTable(const QByteArray& bytes)
{
    // Padding to the full size leaves uncovered names NUL and positions 0.
    QByteArray full = bytes.left(kLevelFileSize);
    full.append(QByteArray(kLevelFileSize - full.size(), '\0'));
    LevelTable levels;
    for (int k = 0; k < kLevelCount; ++k) {
        const int base = k * kLevelRecordSize;
        levels[k].name = decodeLevelName(full.mid(base, kNameLength));
        for (int i = 0; i < kPieceCount; ++i)
            levels[k].positions[i] = readInt16(full, base + kNameLength + 2 * i);
    }
    return levels;
}

FileStatus readLevelFile(const QString& path, LevelTable& levels, ReadLock lock)
{
    levels = LevelTable{};
    QByteArray bytes;
    const FileStatus status = readFileStart(path, kLevelFileSize, bytes, lock);
    if (status.ok())
        levels = decodeLevelTable(bytes);
    return status;
}

FileStatus writeLevelFile(const QString& path, const LevelTable& levels)
{
    return writeFileKeepingTail(path, encodeLevelTable(levels));
}

}  // namespace quill
