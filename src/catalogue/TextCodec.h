#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>
#include <vector>

#include "catalogue/Status.h"

// The one place where file bytes become text and text becomes file bytes. The game's files and
// the settings file are code page 932 (Windows Shift-JIS); files saved by newer editors may be
// UTF-8, with or without a byte-order mark, or UTF-16 with its mark ("Unicode" in Notepad).
namespace velmora {

// The UTF-16 encodings always come with their byte-order mark.
enum class TextEncoding { Utf8, Utf8WithBom, Cp932, Utf16LE, Utf16BE };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Cp932;
};

// The encoding a byte-order mark names; otherwise UTF-8 when the bytes are valid UTF-8
// throughout, else code page 932. The mark itself is not part of the text.
DecodedText DecodeText(const QByteArray& bytes);

// As DecodeText chooses, except that bytes valid both as UTF-8 and as code page 932 (only
// half-width katakana and second-level kanji make code page 932 text valid UTF-8) are taken the
// way whose characters look more like the program's texts; a tie goes to code page 932, which
// the program writes. Decodes twice: meant for small files such as the settings file.
TextEncoding WeighedEncodingOf(QByteArrayView bytes);

// The byte-order mark a file in this encoding starts with; empty when it has none.
QByteArray ByteOrderMark(TextEncoding encoding);

// The text of bytes that hold no byte-order mark. Code page 932 keeps every ASCII byte that is
// not the second byte of a character as that character (the converter alone would swap some
// control characters), so a line decodes the same whatever surrounds it.
QString DecodeWithoutMark(QByteArrayView bytes, TextEncoding encoding);

// The bytes of text, without a mark, such that DecodeWithoutMark gives text back; an Unencodable
// failure when the encoding cannot hold one of its characters: nothing is ever replaced by "?".
Result<QByteArray> EncodeWithoutMark(const QString& text, TextEncoding encoding);

// The bytes of text in the given encoding, with its mark; fails as EncodeWithoutMark does.
Result<QByteArray> EncodeText(const QString& text, TextEncoding encoding);

// True when some byte is outside ASCII.
bool HasNonAscii(QByteArrayView bytes);

// The lines of a text without their line ends (CR LF or LF). A line end at the very end does
// not start another line; an empty text has no line.
QStringList SplitLines(const QString& text);

// The lines SplitLines(DecodeText(bytes).text) gives, handed to onLine one at a time and
// decoded piece by piece, so that a large file never exists whole as text; returns their
// number, or -1 when the converter failed (the lines so far were handed on). A view is valid
// only during its call.
qsizetype ForEachLine(const QByteArray& bytes, const std::function<void(QStringView)>& onLine);

// The same for bytes in parts, in order, each but the last ending just after a line feed (as
// clsFncFile::ReadInParts gives them); each part is let go once its lines are handed on.
qsizetype ForEachLine(std::vector<QByteArray> parts,
                      const std::function<void(QStringView)>& onLine);

}  // namespace velmora
