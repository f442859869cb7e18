#pragma once

// What the EMF and the WMF checks share. Not for use outside game/skin.

#include "game/skin/bytereader.h"

#include <QImage>
#include <QString>

namespace quill::metafile {

QImage fail(QString* error, const QString& reason);

// Pixels at 96 dpi for a length in units of `unitsPerInch`, or -1 when the
// result lies outside 1..kMaxMetafileSide.
int pixelsAt96Dpi(qint64 length, double unitsPerInch);

// A bitmap header (BITMAPCOREHEADER, BITMAPINFOHEADER or a successor) of
// `length` bytes at `offset`: present, with dimensions the libraries can
// decode. A length of 0 means there is no bitmap.
bool embeddedBitmapSane(const ByteReader& record, qint64 offset, qint64 length);

}  // namespace quill::metafile
