#include "catalogue/Cp932Table.h"

#include <QList>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace velmora {

namespace {

bool IsLead(uchar byte) { return (byte >= 0x81 && byte <= 0x9F) || byte >= 0xE0; }

constexpr std::uint64_t EveryByte(std::uint8_t byte) { return 0x0101010101010101ull * byte; }

// How many of the eight bytes of word, in memory order, are printable ASCII (0x20..0x7E) before
// the first that is not: most of a catalogue is. The tests work on all bytes at once, without
// carries between them.
int PrintableAsciiPrefix(std::uint64_t word) {
    const std::uint64_t high = EveryByte(0x80);
    const std::uint64_t low7 = EveryByte(0x7F);
    const std::uint64_t seven = word & low7;
    // A byte's high bit is set by adding 0x60 when it is 0x20 or more, and by adding 0x7F to its
    // difference from 0x7F unless it is 0x7F.
    const std::uint64_t belowSpace = ~(seven + EveryByte(0x60)) & high;
    const std::uint64_t isDelete = ~((seven ^ low7) + low7) & high;
    const std::uint64_t stop = (word & high) | belowSpace | isDelete;
    if constexpr (std::endian::native == std::endian::little)
        return stop == 0 ? 8 : std::countr_zero(stop) / 8;
    else
        return stop == 0 ? 8 : std::countl_zero(stop) / 8;
}

// Each group a block of the converter's text holds, between the line feeds that start groups:
// the characters of the groups one by one, or nothing when they do not come back one per group.
std::vector<QStringView> Groups(QStringView all, size_t expected) {
    std::vector<QStringView> texts;
    texts.reserve(expected);
    if (!all.startsWith(u'\n')) return {};
    qsizetype start = 1;
    for (qsizetype i = 1; i <= all.size(); ++i) {
        if (i < all.size() && all[i] != u'\n') continue;
        texts.push_back(all.sliced(start, i - start));
        start = i + 1;
    }
    if (texts.size() != expected) return {};
    return texts;
}

// The one character of a group, or 0 when the converter does not map it to exactly one
// (a replacement character or more than one character).
char16_t OneCharacter(QStringView text) {
    if (text.size() != 1 || text[0] == QChar::ReplacementCharacter) return 0;
    return text[0].unicode();
}

}  // namespace

Cp932Table::Cp932Table(Converter converter)
    : converter_(std::move(converter)), pairs_(size_t(256) * 256, 0) {
    single_.fill(kUnknown);
    single_['\n'] = '\n';
    // Each byte that can stand alone after a line feed, which no sequence takes in, all in one
    // block for the converter.
    QByteArray block;
    std::vector<int> codes;
    for (int byte = 0; byte < 256; ++byte) {
        if (IsLead(uchar(byte)) || byte == '\n') continue;
        block.append('\n').append(char(byte));
        codes.push_back(byte);
    }
    const QString text = converter_(block);
    const std::vector<QStringView> texts = Groups(text, codes.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        // A lone byte may stand for U+0000 itself; only a replacement or several are unknown.
        if (texts[i].size() == 1 && texts[i][0] != QChar::ReplacementCharacter)
            single_[size_t(codes[i])] = texts[i][0].unicode();
    }
    printableAsciiIsItself_ = true;
    for (int byte = 0x20; byte < 0x7F; ++byte)
        printableAsciiIsItself_ = printableAsciiIsItself_ && single_[size_t(byte)] == byte;
}

void Cp932Table::FillRow(uchar lead) {
    rowFilled_[lead] = true;
    // Every trail byte after the lead byte, each pair after a line feed; if the pairs do not
    // come back one per group, the row stays unknown and is left to the converter.
    constexpr int kTrails = 0xFC - 0x40;  // 0x40..0xFC without 0x7F
    char block[3 * kTrails];
    int trails[kTrails];
    int count = 0;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
        if (trail == 0x7F) continue;
        block[3 * count] = '\n';
        block[3 * count + 1] = char(lead);
        block[3 * count + 2] = char(trail);
        trails[count++] = trail;
    }
    const QString text = converter_(QByteArrayView(block, 3 * count));
    const std::vector<QStringView> texts = Groups(text, size_t(count));
    for (size_t i = 0; i < texts.size(); ++i)
        pairs_[size_t(lead) << 8 | size_t(trails[i])] = OneCharacter(texts[i]);
}

QChar* Cp932Table::Decode(QByteArrayView bytes, QChar* out) {
    const auto* at = reinterpret_cast<const uchar*>(bytes.data());
    const auto* const end = at + bytes.size();
    while (at < end) {
        const uchar byte = *at;
        if (byte < 0x80) {
            // Printable ASCII eight bytes at a time, while it is itself (the converter may swap
            // control characters); the first other byte goes on below.
            if (printableAsciiIsItself_) {
                std::uint64_t word = 0;
                int run = 8;
                while (run == 8 && end - at >= 8) {
                    std::memcpy(&word, at, 8);
                    run = PrintableAsciiPrefix(word);
                    // All eight are written; out stays behind at, so there is room.
                    for (int i = 0; i < 8; ++i) out[i] = QChar(char16_t(at[i]));
                    at += run;
                    out += run;
                }
                if (at == end) break;
                if (*at >= 0x80) continue;
            }
            const int c = single_[*at];
            if (c == kUnknown) return nullptr;
            *out++ = QChar(char16_t(c));
            ++at;
            continue;
        }
        if (IsLead(byte)) {
            if (at + 1 == end) return nullptr;
            if (!rowFilled_[byte]) FillRow(byte);
            const char16_t c = pairs_[size_t(byte) << 8 | at[1]];
            if (c == 0) return nullptr;
            *out++ = QChar(c);
            at += 2;
            continue;
        }
        const int c = single_[byte];
        if (c == kUnknown) return nullptr;
        *out++ = QChar(char16_t(c));
        ++at;
    }
    return out;
}

int Cp932Table::PairCount() const {
    return int(std::count_if(pairs_.begin(), pairs_.end(), [](char16_t c) { return c != 0; }));
}

}  // namespace velmora
