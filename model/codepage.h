#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace quill {

// The single-byte code page of names and the settings file: Windows-1252.
// Every byte maps to one character and back; the five bytes that
// Windows-1252 leaves undefined map to the C1 control characters of the
// same value, as Windows itself does, so all 256 bytes round-trip.
namespace codepage {

QChar toChar(unsigned char byte);

// The byte of a character, or nothing when the code page has no such character.
std::optional<unsigned char> toByte(QChar ch);

QString decode(const QByteArray& bytes);

// Whether every character of `text` has a byte in the code page.
bool canEncode(const QString& text);

// Characters the code page cannot hold become '?'.
QByteArray encode(const QString& text);

}  // namespace codepage
}  // namespace quill
