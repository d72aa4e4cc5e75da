#include "catalogue/Cp932Table.h"

#include "catalogue/CharScan.h"
#include "catalogue/Cp932.h"
#include "catalogue/Cp932Characters.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace velmora {

namespace {

// Where the pair of bytes at at is in the table: the two bytes as one word in the machine's own
// order, read with one load.
size_t PairIndex(const uchar* at) {
    std::uint16_t word = 0;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// ASCII is itself but for three control codes, which the converter swaps.
int AsciiCharacter(int byte) {
    switch (byte) {
    case 0x1A: return 0x1C;
    case 0x1C: return 0x7F;
    case 0x7F: return 0x1A;
    default: return byte;
    }
}

}  // namespace

Cp932Table::Cp932Table() : pairs_(size_t(256) * 256, 0) {
    int leadIndex = 0;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte < 0x80) {
            single_[size_t(byte)] = AsciiCharacter(byte);
        } else if (!cp932::IsLeadByte(uchar(byte))) {
            single_[size_t(byte)] = cp932::kSingleCharacters[byte - 0x80];
        } else {
            single_[size_t(byte)] = kLead;
            // Trail bytes 40 to 7E and 80 to FC; a pair without a character stays 0.
            const char16_t* row = cp932::kPairCharacters[leadIndex++];
            for (int trail = 0x40, i = 0; trail <= 0xFC; ++trail) {
                if (trail == 0x7F) continue;
                const char16_t c = row[i++];
                const uchar pair[2] = {uchar(byte), uchar(trail)};
                pairs_[PairIndex(pair)] = c == QChar::ReplacementCharacter ? 0 : c;
            }
        }
    }
}

QChar* Cp932Table::Decode(QByteArrayView bytes, QChar* out) const {
    const auto* at = reinterpret_cast<const uchar*>(bytes.data());
    const auto* const end = at + bytes.size();
    // Held here: the compiler cannot tell that writing characters leaves the vector alone.
    const char16_t* const pairs = pairs_.data();
    while (at < end) {
        // Printable ASCII sixteen bytes at a time (control characters may be swapped); the first
        // other byte goes on below. out stays behind at, so there is room for the sixteen
        // characters written.
        if (*at < 0x80 && end - at >= 16) {
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
        // A lead byte whose pair has no character, or that ends the bytes.
        if (c == kLead) return nullptr;
        *out++ = QChar(char16_t(c));
        ++at;
    }
    return out;
}

int Cp932Table::PairCount() const {
    return int(std::count_if(pairs_.begin(), pairs_.end(), [](char16_t c) { return c != 0; }));
}

}  // namespace velmora
