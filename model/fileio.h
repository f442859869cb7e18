#pragma once

#include <QByteArray>
#include <QString>

namespace quill {

// The outcome of a file operation: success, or the platform's error number
// and text for the path that failed. Only the windows decide what to show.
struct FileStatus {
    int errorNumber = 0;
    QString errorText;
    QString path;

    bool ok() const { return errorNumber == 0; }
    static FileStatus success(const QString& path) { return {0, {}, path}; }
    static FileStatus fromErrno(int errnum, const QString& path);
    static FileStatus failure(int errnum, const QString& text, const QString& path)
    {
        return {errnum, text, path};
    }
};

enum class ReadLock { None, BlockWriters };

// Reads at most `maxBytes` bytes from the start of a regular file. A file
// shorter than that is no error: `bytes` holds what there is. With
// BlockWriters the file is share-locked while it is open, so that a
// cooperating writer waits.
FileStatus readFileStart(const QString& path, qint64 maxBytes, QByteArray& bytes,
                         ReadLock lock = ReadLock::None);

// Replaces the first head.size() bytes of the file at `path` and keeps every
// byte after them, creating the file when it is missing. The new content is
// written to a temporary file in the same folder and renamed over the old
// one, so a failure at any point leaves the old file exactly as it was.
FileStatus writeFileKeepingTail(const QString& path, const QByteArray& head);

// Writes `content` as the whole file, atomically as above.
FileStatus writeWholeFile(const QString& path, const QByteArray& content);

}  // namespace quill
