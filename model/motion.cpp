#include "model/motion.h"

namespace quill {

bool readSlidesGlide(const QString& path)
{
    QByteArray bytes;
    if (!readFileStart(path, 64, bytes).ok())
        return true;
    return bytes.trimmed() != "jump";
}

FileStatus writeSlidesGlide(const QString& path, bool glide)
{
    return writeWholeFile(path, glide ? QByteArrayLiteral("glide\n") : QByteArrayLiteral("jump\n"));
}

}  // namespace quill
