#include "tools/skingen/gifwriter.h"

#include <QHash>
#include <QtEndian>

#include <vector>

namespace quill::skingen {
namespace {

constexpr int kMaxCodes = 4096;
constexpr int kMaxCodeWidth = 12;

// Variable-width codes packed from the lowest bit up.
class BitWriter {
public:
    void write(int code, int width)
    {
        accumulator_ |= quint32(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            bytes_.append(char(accumulator_ & 0xff));
            accumulator_ >>= 8;
            bits_ -= 8;
        }
    }
    QByteArray finish()
    {
        if (bits_ > 0)
            bytes_.append(char(accumulator_ & 0xff));
        return bytes_;
    }

private:
    QByteArray bytes_;
    quint32 accumulator_ = 0;
    int bits_ = 0;
};

QByteArray compress(const std::vector<quint8>& indexes, int minCodeWidth)
{
    const int clear = 1 << minCodeWidth;
    const int end = clear + 1;
    int width = minCodeWidth + 1;
    int next = end + 1;
    QHash<quint32, int> table;
    BitWriter out;
    out.write(clear, width);
    int prefix = indexes.front();
    // The decoder adds its entries one code later than the encoder, so the
    // code width grows after the code that follows a full width.
    auto writeCode = [&](int code) {
        out.write(code, width);
        if (next == (1 << width) && width < kMaxCodeWidth)
            ++width;
    };
    for (size_t i = 1; i < indexes.size(); ++i) {
        const quint32 key = (quint32(prefix) << 8) | indexes[i];
        const auto found = table.constFind(key);
        if (found != table.constEnd()) {
            prefix = *found;
            continue;
        }
        writeCode(prefix);
        if (next < kMaxCodes) {
            table.insert(key, next++);
        } else {
            out.write(clear, width);
            table.clear();
            next = end + 1;
            width = minCodeWidth + 1;
        }
        prefix = indexes[i];
    }
    writeCode(prefix);
    out.write(end, width);
    return out.finish();
}

void putU16(QByteArray& bytes, quint16 value)
{
    char le[2];
    qToLittleEndian(value, le);
    bytes.append(le, 2);
}

}  // namespace

QByteArray encodeGif(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    if (image.isNull() || image.width() > 0xffff || image.height() > 0xffff)
        return {};
    QHash<QRgb, quint8> palette;
    std::vector<QRgb> colours;
    std::vector<quint8> indexes;
    indexes.reserve(size_t(image.width()) * size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = line[x] | 0xff000000u;
            auto found = palette.constFind(colour);
            if (found == palette.constEnd()) {
                if (colours.size() == 256)
                    return {};
                found = palette.insert(colour, quint8(colours.size()));
                colours.push_back(colour);
            }
            indexes.push_back(*found);
        }
    }
    int tableBits = 1;
    while ((size_t(1) << tableBits) < colours.size())
        ++tableBits;

    QByteArray gif("GIF89a");
    putU16(gif, quint16(image.width()));
    putU16(gif, quint16(image.height()));
    gif.append(char(0x80 | ((tableBits - 1) << 4) | (tableBits - 1)));  // global colour table
    gif.append('\0');                                                   // background colour
    gif.append('\0');                                                   // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb colour = i < int(colours.size()) ? colours[size_t(i)] : 0;
        gif.append(char(qRed(colour)));
        gif.append(char(qGreen(colour)));
        gif.append(char(qBlue(colour)));
    }
    gif.append(',');
    putU16(gif, 0);
    putU16(gif, 0);
    putU16(gif, quint16(image.width()));
    putU16(gif, quint16(image.height()));
    gif.append('\0');  // no local colour table, not interlaced
    const int minCodeWidth = std::max(2, tableBits);
    gif.append(char(minCodeWidth));
    const QByteArray data = compress(indexes, minCodeWidth);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype length = std::min<qsizetype>(255, data.size() - at);
        gif.append(char(length));
        gif.append(data.constData() + at, length);
    }
    gif.append('\0');
    gif.append(';');
    return gif;
}

}  // namespace quill::skingen
