#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>

// The one place where file bytes become text and text becomes file bytes. The game's files and
// the settings file are code page 932 (Windows Shift-JIS); files saved by newer editors may be
// UTF-8, with or without a byte-order mark.
namespace velmora {

enum class TextEncoding { Utf8, Utf8WithBom, Cp932 };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Cp932;
};

// UTF-8 when the bytes start with a UTF-8 byte-order mark or are valid UTF-8 throughout,
// otherwise code page 932. The mark itself is not part of the text.
DecodedText DecodeText(const QByteArray& bytes);

// The bytes of text in the given encoding (with the mark for Utf8WithBom); nullopt when the
// encoding cannot hold one of its characters: nothing is ever replaced by "?".
std::optional<QByteArray> EncodeText(const QString& text, TextEncoding encoding);

// True when some byte is outside ASCII.
bool HasNonAscii(const QByteArray& bytes);

// The lines of a text without their line ends (CR LF or LF). A line end at the very end does
// not start another line; an empty text has no line.
QStringList SplitLines(const QString& text);

// The lines SplitLines(DecodeText(bytes).text) gives, handed to onLine one at a time and
// decoded piece by piece, so that a large file never exists whole as text; returns their
// number. A view is valid only during its call.
qsizetype ForEachLine(const QByteArray& bytes, const std::function<void(QStringView)>& onLine);

}  // namespace velmora
