#include "catalogue/Cp932Table.h"

#include "catalogue/CharScan.h"

#include <QList>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace velmora {

namespace {

// The first bytes of double-byte characters; FD to FF stand alone.
bool IsLead(uchar byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// Where the pair of bytes at at is in the table: the two bytes as one word in the machine's own
// order, read with one load.
size_t PairIndex(const uchar* at) {
    std::uint16_t word = 0;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// The groups of a block the converter decoded, each between a line feed before and one after
// it, so that no group is cut short at the end of the block: their characters one by one, or
// nothing when they do not come back one per group.
std::vector<QStringView> Groups(QStringView all, size_t expected) {
    std::vector<QStringView> texts;
    texts.reserve(expected);
    if (!all.startsWith(u'\n') || !all.endsWith(u'\n')) return {};
    qsizetype start = 1;
    for (qsizetype i = 1; i < all.size(); ++i) {
        if (all[i] != u'\n') continue;
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
    for (int byte = 0x80; byte < 256; ++byte)
        if (IsLead(uchar(byte))) single_[size_t(byte)] = kLead;
    // Each byte that can stand alone between line feeds, which no sequence takes in, all in one
    // block for the converter.
    QByteArray block;
    std::vector<int> codes;
    for (int byte = 0; byte < 256; ++byte) {
        if (IsLead(uchar(byte)) || byte == '\n') continue;
        block.append('\n').append(char(byte));
        codes.push_back(byte);
    }
    block.append('\n');
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
    // Every trail byte after the lead byte, each pair between line feeds; if the pairs do not
    // come back one per group, the row stays unknown and is left to the converter.
    constexpr int kTrails = 0xFC - 0x40;  // 0x40..0xFC without 0x7F
    char block[3 * kTrails + 1];
    int trails[kTrails];
    int count = 0;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
        if (trail == 0x7F) continue;
        block[3 * count] = '\n';
        block[3 * count + 1] = char(lead);
        block[3 * count + 2] = char(trail);
        trails[count++] = trail;
    }
    block[3 * count] = '\n';
    const QString text = converter_(QByteArrayView(block, 3 * count + 1));
    const std::vector<QStringView> texts = Groups(text, size_t(count));
    for (size_t i = 0; i < texts.size(); ++i) {
        const uchar pair[2] = {lead, uchar(trails[i])};
        pairs_[PairIndex(pair)] = OneCharacter(texts[i]);
    }
}

QChar* Cp932Table::Decode(QByteArrayView bytes, QChar* out) {
    const auto* at = reinterpret_cast<const uchar*>(bytes.data());
    const auto* const end = at + bytes.size();
    // Held here: the compiler cannot tell that writing characters leaves the vector alone.
    const char16_t* const pairs = pairs_.data();
    while (at < end) {
        // Printable ASCII sixteen bytes at a time while it is itself (the converter may swap
        // control characters); the first other byte goes on below. out stays behind at, so
        // there is room for the sixteen characters written.
        if (*at < 0x80 && printableAsciiIsItself_ && end - at >= 16) {
            const int run = scan::PrintableAsciiPrefix16(at, out);
            at += run;
            out += run;
            if (run == 16) continue;
        }
        // Runs of double-byte characters: only a lead byte's row holds characters, so a pair
        // found says that its first byte is a lead byte.
        char16_t pair = 0;
        while (end - at >= 2 && (pair = pairs[PairIndex(at)]) != 0) {
            *out++ = QChar(pair);
            at += 2;
        }
        if (at == end) break;
        const uchar byte = *at;
        const int c = single_[byte];
        if (c >= 0) {
            *out++ = QChar(char16_t(c));
            ++at;
            continue;
        }
        // A lead byte whose pair was not found: its row is new, or the pair has no character.
        if (c != kLead || at + 1 == end || rowFilled_[byte]) return nullptr;
        FillRow(byte);
    }
    return out;
}

int Cp932Table::PairCount() const {
    return int(std::count_if(pairs_.begin(), pairs_.end(), [](char16_t c) { return c != 0; }));
}

}  // namespace velmora
