#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quill {

// The largest picture file that is read at all.
inline constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;

// Loads a BMP or DIB, GIF, JPEG, WMF or EMF picture. The content decides the
// format, never the file's name. Files that are cut short or damaged fail;
// nothing is ever half-drawn. A null image and a reason on any failure.
QImage loadPicture(const QString& path, QString* error);

// The same for bytes already in memory.
QImage decodePicture(const QByteArray& bytes, QString* error);

}  // namespace quill
