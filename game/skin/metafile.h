#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quill {

// A metafile is rendered at its own size at 96 dpi; one that claims more
// than this many pixels either way is refused before anything is drawn.
inline constexpr int kMaxMetafileSide = 4096;

enum class MetafileType { None, Enhanced, Windows };

// What the first bytes say the data is.
MetafileType sniffMetafile(const QByteArray& bytes);

// Checks the header and every record of an EMF, then renders it through
// libemf2svg and QSvgRenderer. A null image and a reason on failure.
QImage renderEnhancedMetafile(const QByteArray& bytes, QString* error);

// Checks the placeable header, the metafile header and every record of a
// WMF, then renders it through libwmf's in-memory image. Without the
// placeable header a WMF has no size of its own and is refused.
QImage renderWindowsMetafile(const QByteArray& bytes, QString* error);

}  // namespace quill
