#include "catalogue/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace velmora {

namespace {

// Only the code-page-932 table maps 81 7C to U+FF0D and 81 60 to U+FF5E, the characters the
// catalogue's texts are compared against; plain "Shift_JIS" would not.
constexpr const char* kCp932 = "windows-31j";

const QByteArray& Utf8Bom() {
    static const QByteArray bom("\xEF\xBB\xBF");
    return bom;
}

}  // namespace

DecodedText DecodeText(const QByteArray& bytes) {
    if (bytes.startsWith(Utf8Bom())) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        return {utf8(bytes.mid(Utf8Bom().size())), TextEncoding::Utf8WithBom};
    }
    // Checking first, rather than decoding and looking for errors, stops at the first byte
    // that is not UTF-8 instead of building a whole text only to throw it away.
    if (bytes.isValidUtf8()) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        return {utf8(bytes), TextEncoding::Utf8};
    }
    QStringDecoder cp932(kCp932, QStringDecoder::Flag::Stateless);
    return {cp932(bytes), TextEncoding::Cp932};
}

std::optional<QByteArray> EncodeText(const QString& text, TextEncoding encoding) {
    if (encoding != TextEncoding::Cp932) {
        QByteArray bytes = text.toUtf8();
        if (encoding == TextEncoding::Utf8WithBom) bytes.prepend(Utf8Bom());
        return bytes;
    }
    QStringEncoder cp932(kCp932, QStringEncoder::Flag::Stateless);
    QByteArray bytes = cp932(text);
    // The converter substitutes what it cannot map; a round trip shows whether it had to.
    QStringDecoder back(kCp932, QStringDecoder::Flag::Stateless);
    if (cp932.hasError() || QString(back(bytes)) != text) return std::nullopt;
    return bytes;
}

bool HasNonAscii(const QByteArray& bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0) {
            lines.append(text.mid(start));
            break;
        }
        qsizetype lineEnd = end;
        if (lineEnd > start && text[lineEnd - 1] == u'\r') --lineEnd;
        lines.append(text.mid(start, lineEnd - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace velmora
