#pragma once

#include <QByteArray>
#include <QtEndian>

namespace quill {

// Reads little- and big-endian values at byte offsets of a buffer. Reads
// never leave the buffer: outside it they give 0, and has() tells.
class ByteReader {
public:
    explicit ByteReader(const QByteArray& bytes) : data_(bytes.constData()), size_(bytes.size()) {}
    ByteReader(const char* data, qint64 size) : data_(data), size_(size) {}

    qint64 size() const { return size_; }
    const char* data() const { return data_; }
    bool has(qint64 offset, qint64 count) const
    {
        return offset >= 0 && count >= 0 && offset <= size_ && count <= size_ - offset;
    }
    quint8 u8(qint64 offset) const { return has(offset, 1) ? quint8(data_[offset]) : 0; }
    quint16 u16(qint64 offset) const { return has(offset, 2) ? qFromLittleEndian<quint16>(data_ + offset) : 0; }
    qint16 i16(qint64 offset) const { return static_cast<qint16>(u16(offset)); }
    quint32 u32(qint64 offset) const { return has(offset, 4) ? qFromLittleEndian<quint32>(data_ + offset) : 0; }
    qint32 i32(qint64 offset) const { return static_cast<qint32>(u32(offset)); }
    quint16 u16be(qint64 offset) const { return has(offset, 2) ? qFromBigEndian<quint16>(data_ + offset) : 0; }
    bool startsWith(const char* magic) const { return QByteArrayView(data_, size_).startsWith(magic); }

private:
    const char* data_;
    qint64 size_;
};

}  // namespace quill
