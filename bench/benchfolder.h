#pragma once

// What the benchmarks share: a copy of a program folder to start the game in.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace quill::bench {

inline void copyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir())
            copyFolder(entry.filePath(), target);
        else
            QFile::copy(entry.filePath(), target);
    }
}

}  // namespace quill::bench
