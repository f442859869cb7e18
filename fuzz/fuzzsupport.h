#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken promise of the code under test ends the run the way a crash
// does, so that libFuzzer keeps the input and the replay tests fail on it.
#define FUZZ_CHECK(condition)                                                        \
    do {                                                                             \
        if (!(condition)) {                                                          \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__,    \
                         #condition);                                                \
            std::abort();                                                            \
        }                                                                            \
    } while (false)

namespace quill::fuzz {

inline QByteArray inputBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// One private folder for the files a harness writes, kept for the whole run.
inline const QTemporaryDir& scratchFolder()
{
    static const QTemporaryDir dir;
    FUZZ_CHECK(dir.isValid());
    return dir;
}

// Writes `bytes` as the whole file `name` in the scratch folder.
inline QString writeScratchFile(const QString& name, const QByteArray& bytes)
{
    const QString path = scratchFolder().filePath(name);
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
    return path;
}

inline QByteArray readScratchFile(const QString& path)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

}  // namespace quill::fuzz
