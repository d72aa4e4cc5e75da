#include "catalogue/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <vector>

namespace velmora {

namespace {

// Only the code-page-932 table maps 81 7C to U+FF0D and 81 60 to U+FF5E, the characters the
// catalogue's texts are compared against; plain "Shift_JIS" would not.
constexpr const char* kCp932 = "windows-31j";

const QByteArray& Utf8Bom() {
    static const QByteArray bom("\xEF\xBB\xBF");
    return bom;
}

// Bytes decoded at a time by ForEachLine: small enough to stay in the cache, large enough
// that the calls cost nothing.
constexpr qsizetype kPieceBytes = 64 * 1024;

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

qsizetype ForEachLine(const QByteArray& bytes, const std::function<void(QStringView)>& onLine) {
    // The same choice of decoder as DecodeText. Pieces end just after a line feed, which in
    // UTF-8 and code page 932 is never part of a longer sequence, so each piece decodes as it
    // would within the whole.
    QByteArrayView rest = bytes;
    bool utf8 = true;
    if (bytes.startsWith(Utf8Bom()))
        rest = rest.sliced(Utf8Bom().size());
    else
        utf8 = bytes.isValidUtf8();
    using Flag = QStringDecoder::Flag;
    QStringDecoder first = utf8 ? QStringDecoder(QStringDecoder::Utf8, Flag::Stateless)
                                : QStringDecoder(kCp932, Flag::Stateless);
    // A UTF-8 decoder drops a mark at the start of the whole text alone; later pieces keep it.
    QStringDecoder utf8Later;
    if (utf8)
        utf8Later = QStringDecoder(QStringDecoder::Utf8, Flag::Stateless | Flag::ConvertInitialBom);

    // The buffer holds the unfinished line of the pieces so far, then the next piece.
    std::vector<QChar> buffer;
    qsizetype kept = 0;
    qsizetype count = 0;
    bool firstPiece = true;
    while (!rest.isEmpty()) {
        qsizetype end = rest.size();
        if (end > kPieceBytes) {
            const qsizetype feed = rest.indexOf('\n', kPieceBytes - 1);
            if (feed >= 0) end = feed + 1;
        }
        const QByteArrayView piece = rest.first(end);
        rest = rest.sliced(end);
        QStringDecoder& decoder = firstPiece || !utf8 ? first : utf8Later;
        firstPiece = false;
        const qsizetype needed = kept + decoder.requiredSpace(piece.size());
        if (qsizetype(buffer.size()) < needed) buffer.resize(size_t(needed));
        const qsizetype size = decoder.appendToBuffer(buffer.data() + kept, piece) - buffer.data();

        const QStringView text(buffer.data(), size);
        qsizetype start = 0;
        qsizetype feed = 0;
        while ((feed = text.indexOf(u'\n', start)) >= 0) {
            qsizetype lineEnd = feed;
            if (lineEnd > start && text[lineEnd - 1] == u'\r') --lineEnd;
            onLine(text.sliced(start, lineEnd - start));
            ++count;
            start = feed + 1;
        }
        kept = size - start;
        std::copy(buffer.begin() + start, buffer.begin() + size, buffer.begin());
    }
    if (kept > 0) {
        onLine(QStringView(buffer.data(), kept));
        ++count;
    }
    return count;
}

}  // namespace velmora
