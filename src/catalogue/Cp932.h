#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// Code page 932 (Windows Shift-JIS) conversion with the results of ICU's "windows-31j", for any
// bytes and any text: from ICU on Linux, from the system's own code page 932 on Windows (Qt for
// Windows has no ICU). Stateless: bytes are taken to hold whole characters.
namespace velmora::cp932 {

// The bytes that start a double-byte character (FD to FF stand alone), and those that can end one.
inline bool IsLeadByte(uchar byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
inline bool IsTrailByte(uchar byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

// Writes the characters of bytes from out on and returns the end; out needs room for
// 2 * bytes.size() characters. *valid, when given, becomes false when some byte or byte pair has
// no character (a pair without one becomes U+FFFD, a byte that starts none U+001A, as ICU does).
QChar* DecodeInto(QByteArrayView bytes, QChar* out, bool* valid = nullptr);

// The characters of bytes, as DecodeInto gives them.
QString Decode(QByteArrayView bytes, bool* valid = nullptr);

// The bytes of text; nothing when some character has none in code page 932.
std::optional<QByteArray> Encode(QStringView text);

}  // namespace velmora::cp932
