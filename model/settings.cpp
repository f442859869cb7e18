#include "model/settings.h"

#include "model/codepage.h"
#include "model/programfolder.h"

namespace quill {
namespace {

// Only the first line can hold the value; the file is never large.
constexpr qint64 kSettingsReadLimit = 64 * 1024;

bool isBlank(QChar ch) { return ch == QLatin1Char(' ') || ch == QLatin1Char('\t'); }

}  // namespace

QString parseSettingsValue(const QByteArray& content)
{
    const QString text = codepage::decode(content);
    qsizetype end = text.indexOf(QLatin1Char('\n'));
    const qsizetype cr = text.indexOf(QLatin1Char('\r'));
    if (end < 0 || (cr >= 0 && cr < end))
        end = cr;
    const QString line = end < 0 ? text : text.left(end);

    qsizetype pos = 0;
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
    if (pos < line.size() && line[pos] == QLatin1Char('"')) {
        const qsizetype close = line.indexOf(QLatin1Char('"'), pos + 1);
        return close < 0 ? line.mid(pos + 1) : line.mid(pos + 1, close - pos - 1);
    }
    const qsizetype comma = line.indexOf(QLatin1Char(','), pos);
    QString value = comma < 0 ? line.mid(pos) : line.mid(pos, comma - pos);
    while (!value.isEmpty() && isBlank(value.back()))
        value.chop(1);
    return value;
}

QByteArray encodeSettings(const QString& skinName)
{
    return codepage::encode(skinName) + "\r\n";
}

FileStatus readSettingsFile(const QString& path, QString& skinName)
{
    skinName.clear();
    QByteArray bytes;
    const FileStatus status = readFileStart(path, kSettingsReadLimit, bytes);
    if (status.ok())
        skinName = parseSettingsValue(bytes);
    return status;
}

FileStatus writeSettingsFile(const QString& path, const QString& skinName)
{
    return writeWholeFile(path, encodeSettings(skinName));
}

QString settleSkinSetting(const DataFolders& folders)
{
    const QString path = folders.writtenFile(QLatin1String(kSettingsFileName));
    QString skin;
    const bool found = entryKind(folders.writeFolder(), QLatin1String(kSettingsFileName)) == EntryKind::File
                       && readSettingsFile(path, skin).ok() && !skin.isEmpty();
    if (found && folders.skinExists(skin))
        return skin;
    writeSettingsFile(path, QString::fromLatin1(kDefaultSkin));
    return QString::fromLatin1(kDefaultSkin);
}

}  // namespace quill
