#pragma once

#include "model/datafolders.h"
#include "model/fileio.h"

#include <QByteArray>
#include <QString>

namespace quill {

inline constexpr char kSettingsFileName[] = "qlm.ini";
inline constexpr char kDefaultSkin[] = "default.bmp";

// The first field of the settings text: leading blanks skipped; a value
// that opens with a double quote runs to the next one, without the quotes;
// any other value ends at the first comma or the end of the line, trailing
// blanks dropped. Empty when the file holds no value.
QString parseSettingsValue(const QByteArray& content);

// The file content for a skin name: the name unchanged, then CR LF.
QByteArray encodeSettings(const QString& skinName);

// Reads the skin name. An empty result with ok() means the file holds no value.
FileStatus readSettingsFile(const QString& path, QString& skinName);

FileStatus writeSettingsFile(const QString& path, const QString& skinName);

// The skin of the settings file in the write folder, after making sure it
// names one that exists: a missing file, or one that names no skin or a
// skin that is not there, is written with "default.bmp".
QString settleSkinSetting(const DataFolders& folders);

}  // namespace quill
