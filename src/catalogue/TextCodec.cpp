#include "catalogue/TextCodec.h"

#include "catalogue/Cp932.h"
#include "catalogue/CharScan.h"
#include "catalogue/Cp932Table.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <utility>
#include <vector>

namespace velmora {

namespace {

const QByteArray& Utf8Bom() {
    static const QByteArray bom("\xEF\xBB\xBF");
    return bom;
}

// Bytes decoded at a time by ForEachLine: small enough to stay in the cache, large enough
// that the calls cost nothing.
constexpr qsizetype kPieceBytes = 64 * 1024;
// The most bytes decoded at a time when a line goes on and on: the converter refuses blocks of
// half a gigabyte and more, and a smaller buffer does no harm.
constexpr qsizetype kMaxPieceBytes = 4 * 1024 * 1024;

}  // namespace

namespace {

// The encoding whose byte-order mark the bytes start with.
std::optional<TextEncoding> MarkedEncoding(QByteArrayView bytes) {
    for (const TextEncoding marked :
         {TextEncoding::Utf8WithBom, TextEncoding::Utf16LE, TextEncoding::Utf16BE})
        if (bytes.startsWith(ByteOrderMark(marked))) return marked;
    return std::nullopt;
}

}  // namespace

DecodedText DecodeText(const QByteArray& bytes) {
    if (bytes.startsWith(Utf8Bom())) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        return {utf8(bytes.mid(Utf8Bom().size())), TextEncoding::Utf8WithBom};
    }
    if (const auto marked = MarkedEncoding(bytes)) {
        const qsizetype markSize = ByteOrderMark(*marked).size();
        return {DecodeWithoutMark(QByteArrayView(bytes).sliced(markSize), *marked), *marked};
    }
    // Checking first, rather than decoding and looking for errors, stops at the first byte
    // that is not UTF-8 instead of building a whole text only to throw it away.
    if (bytes.isValidUtf8()) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        return {utf8(bytes), TextEncoding::Utf8};
    }
    return {cp932::Decode(bytes), TextEncoding::Cp932};
}

namespace {

// A lead byte, or FD to FF, which a guess of the encoding counts with the lead bytes.
bool IsCp932Lead(uchar byte) { return cp932::IsLeadByte(byte) || byte >= 0xFD; }

// How much a character looks like the program's texts, per byte it takes: kana, kanji,
// Japanese punctuation and full-width forms most; half-width katakana, accented Latin, Greek,
// Cyrillic, symbols and rare kanji less; controls, combining marks, private use, other scripts
// and undefined codes, which only misread bytes give, count against.
int Weight(char32_t c) {
    if ((c >= 0x3000 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF) ||
        (c >= 0xFF01 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6))
        return 2;
    if ((c >= 0xFF61 && c <= 0xFF9F) || (c >= 0x00A1 && c <= 0x024F) ||
        (c >= 0x0370 && c <= 0x04FF) || (c >= 0x2000 && c <= 0x2BFF) ||
        (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x1F300 && c <= 0x1FAFF))
        return 1;
    return -2;
}

qsizetype Utf8Score(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    qsizetype score = 0;
    for (const char32_t c : QStringView(text).toUcs4()) {
        if (c < 0x80) continue;
        const int length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        score += Weight(c) * length;
    }
    return score;
}

// The same weights, told from the bytes: in code page 932 the first byte says what a
// character is (81 to 84 punctuation, kana, full-width letters, Greek and Cyrillic; 88 to 9F
// first-level kanji; E0 and above second-level kanji and extensions).
qsizetype Cp932Score(QByteArrayView bytes) {
    qsizetype score = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar byte = uchar(bytes[i]);
        if (byte < 0x80) continue;
        if (byte >= 0xA1 && byte <= 0xDF) {
            score += 1;
        } else if (IsCp932Lead(byte) && i + 1 < bytes.size()) {
            ++i;
            const bool common = byte <= 0x83 || (byte >= 0x88 && byte <= 0x9F);
            const bool rare = byte == 0x84 || byte == 0x87 || (byte >= 0xE0 && byte <= 0xEE) ||
                              (byte >= 0xFA && byte <= 0xFC);
            score += 2 * (common ? 2 : rare ? 1 : -2);
        } else {
            score -= 2;
        }
    }
    return score;
}

bool IsValidCp932(QByteArrayView bytes) {
    bool valid = true;
    cp932::Decode(bytes, &valid);
    return valid;
}

}  // namespace

TextEncoding WeighedEncodingOf(QByteArrayView bytes) {
    if (const auto marked = MarkedEncoding(bytes)) return *marked;
    if (!bytes.isValidUtf8()) return TextEncoding::Cp932;
    if (!HasNonAscii(bytes) || !IsValidCp932(bytes)) return TextEncoding::Utf8;
    return Utf8Score(bytes) > Cp932Score(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

QByteArray ByteOrderMark(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8WithBom:
            return Utf8Bom();
        case TextEncoding::Utf16LE:
            return QByteArray("\xFF\xFE");
        case TextEncoding::Utf16BE:
            return QByteArray("\xFE\xFF");
        case TextEncoding::Utf8:
        case TextEncoding::Cp932:
            break;
    }
    return QByteArray();
}

QString DecodeWithoutMark(QByteArrayView bytes, TextEncoding encoding) {
    using Flag = QStringDecoder::Flag;
    // The mark is already gone: a U+FEFF that follows is text.
    const auto flags = Flag::Stateless | Flag::ConvertInitialBom;
    switch (encoding) {
        case TextEncoding::Utf8:
        case TextEncoding::Utf8WithBom:
            return QStringDecoder(QStringDecoder::Utf8, flags)(bytes);
        case TextEncoding::Utf16LE:
            return QStringDecoder(QStringDecoder::Utf16LE, flags)(bytes);
        case TextEncoding::Utf16BE:
            return QStringDecoder(QStringDecoder::Utf16BE, flags)(bytes);
        case TextEncoding::Cp932:
            break;
    }
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        if (uchar(bytes[i]) < 0x80) {
            text += QChar(char16_t(uchar(bytes[i++])));
            continue;
        }
        // A run of characters outside ASCII, each lead byte with its second byte.
        qsizetype end = i;
        while (end < bytes.size() && uchar(bytes[end]) >= 0x80)
            end += IsCp932Lead(uchar(bytes[end])) && end + 1 < bytes.size() &&
                           cp932::IsTrailByte(uchar(bytes[end + 1]))
                       ? 2
                       : 1;
        text += cp932::Decode(bytes.sliced(i, end - i));
        i = end;
    }
    return text;
}

Result<QByteArray> EncodeWithoutMark(const QString& text, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8:
        case TextEncoding::Utf8WithBom:
            return text.toUtf8();
        case TextEncoding::Utf16LE:
        case TextEncoding::Utf16BE: {
            QStringEncoder utf16(encoding == TextEncoding::Utf16LE ? QStringEncoder::Utf16LE
                                                                   : QStringEncoder::Utf16BE,
                                 QStringEncoder::Flag::Stateless);
            return QByteArray(utf16(text));
        }
        case TextEncoding::Cp932:
            break;
    }
    QByteArray bytes;
    bool encodable = true;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i].unicode() < 0x80) {
            bytes += char(text[i++].unicode());
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && text[end].unicode() >= 0x80) ++end;
        const std::optional<QByteArray> run = cp932::Encode(QStringView(text).sliced(i, end - i));
        if (!run) {
            encodable = false;
            break;
        }
        bytes += *run;
        i = end;
    }
    // A round trip shows a character the converter took for another.
    if (!encodable || DecodeWithoutMark(bytes, TextEncoding::Cp932) != text)
        return Status::Fail(StatusCode::Unencodable,
                            QStringLiteral(u"この文字コードでは表せない文字が含まれています。"));
    return bytes;
}

Result<QByteArray> EncodeText(const QString& text, TextEncoding encoding) {
    Result<QByteArray> bytes = EncodeWithoutMark(text, encoding);
    if (bytes) bytes->prepend(ByteOrderMark(encoding));
    return bytes;
}

bool HasNonAscii(QByteArrayView bytes) {
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

namespace {

// The end of the last whole character that ends at or before limit, limit > 0: a piece cut
// there decodes as it would within the whole. In UTF-8 a character starts at any byte that is
// not a continuation byte; code page 932 is read from the start, a lead byte taking its trail.
qsizetype CharacterBoundary(QByteArrayView bytes, qsizetype limit, bool utf8) {
    if (utf8) {
        qsizetype end = limit;
        while (end > 1 && (uchar(bytes[end]) & 0xC0) == 0x80) --end;
        return end;
    }
    qsizetype end = 0;
    while (true) {
        const bool pair =
            cp932::IsLeadByte(uchar(bytes[end])) && cp932::IsTrailByte(uchar(bytes[end + 1]));
        const qsizetype next = end + (pair ? 2 : 1);
        if (next > limit) return end;
        end = next;
    }
}

}  // namespace

qsizetype ForEachLine(const QByteArray& bytes, const std::function<void(QStringView)>& onLine) {
    return ForEachLine(std::vector<QByteArray>{bytes}, onLine);
}

qsizetype ForEachLine(std::vector<QByteArray> parts,
                      const std::function<void(QStringView)>& onLine) {
    // The same choice of decoder as DecodeText. Pieces end just after a line feed, which in
    // UTF-8 and code page 932 is never part of a longer sequence, so each piece decodes as it
    // would within the whole; the parts end so too, so each part is valid UTF-8 when the whole
    // is.
    if (parts.empty()) return 0;
    if (const auto marked = MarkedEncoding(parts.front());
        marked && *marked != TextEncoding::Utf8WithBom) {
        // A line feed byte may be half of a UTF-16 character, so such text is split whole.
        QByteArray bytes;
        for (QByteArray& part : parts) bytes += std::exchange(part, QByteArray());
        const QStringList lines = SplitLines(DecodeText(bytes).text);
        for (const QString& line : lines) onLine(line);
        return lines.size();
    }
    qsizetype markSize = 0;
    bool utf8 = true;
    if (parts.front().startsWith(Utf8Bom()))
        markSize = Utf8Bom().size();
    else
        utf8 = std::all_of(parts.begin(), parts.end(),
                           [](const QByteArray& part) { return part.isValidUtf8(); });
    using Flag = QStringDecoder::Flag;
    QStringDecoder first(QStringDecoder::Utf8, Flag::Stateless);
    // A UTF-8 decoder drops a mark at the start of the whole text alone; later pieces keep it.
    QStringDecoder utf8Later;
    if (utf8)
        utf8Later = QStringDecoder(QStringDecoder::Utf8, Flag::Stateless | Flag::ConvertInitialBom);

    // The buffer holds the unfinished line of the pieces so far, then the next piece.
    std::vector<QChar> buffer;
    qsizetype kept = 0;
    qsizetype count = 0;
    bool firstPiece = true;
    if (!first.isValid() || (utf8 && !utf8Later.isValid())) return -1;
    // Code page 932 decodes through a table of the characters compiled into the program, which
    // takes a fraction of the converter's time per byte and never starts the converter for
    // ordinary text.
    std::optional<Cp932Table> table;
    if (!utf8) table.emplace();
    // Decodes the bytes of whole lines (or the last bytes) and hands their lines on; false when
    // the converter failed.
    const auto decodeLines = [&](QByteArrayView rest) {
        while (!rest.isEmpty()) {
            qsizetype end = rest.size();
            if (end > kPieceBytes) {
                const qsizetype feed =
                    rest.first(std::min(end, kMaxPieceBytes)).indexOf('\n', kPieceBytes - 1);
                if (feed >= 0)
                    end = feed + 1;
                else if (end > kMaxPieceBytes)
                    end = CharacterBoundary(rest, kMaxPieceBytes, utf8);
            }
            const QByteArrayView piece = rest.first(end);
            rest = rest.sliced(end);
            QStringDecoder& decoder = firstPiece ? first : utf8Later;
            firstPiece = false;
            // Code page 932 gives at most two characters per byte.
            const qsizetype room = utf8 ? decoder.requiredSpace(piece.size()) : 2 * piece.size();
            if (qsizetype(buffer.size()) < kept + room) buffer.resize(size_t(kept + room));
            QChar* const into = buffer.data() + kept;
            const QChar* decoded = nullptr;
            if (utf8)
                decoded = decoder.appendToBuffer(into, piece);
            else if (!(decoded = table->Decode(piece, into)))
                decoded = cp932::DecodeInto(piece, into);
            const qsizetype size = decoded - buffer.data();
            // Every code page 932 byte gives a character, a replacement one at worst: no text
            // means the converter itself failed.
            if (!utf8 && size == kept) return false;

            const QStringView text(buffer.data(), size);
            qsizetype start = 0;
            qsizetype feed = 0;
            while ((feed = scan::IndexOf(text, u'\n', start)) >= 0) {
                qsizetype lineEnd = feed;
                if (lineEnd > start && text[lineEnd - 1] == u'\r') --lineEnd;
                onLine(text.sliced(start, lineEnd - start));
                ++count;
                start = feed + 1;
            }
            kept = size - start;
            std::copy(buffer.begin() + start, buffer.begin() + size, buffer.begin());
        }
        return true;
    };
    for (QByteArray& held : parts) {
        // Each part is let go once its lines are handed on.
        const QByteArray part = std::exchange(held, QByteArray());
        if (!decodeLines(QByteArrayView(part).sliced(std::exchange(markSize, 0)))) return -1;
    }
    if (kept > 0) {
        onLine(QStringView(buffer.data(), kept));
        ++count;
    }
    return count;
}

}  // namespace velmora
