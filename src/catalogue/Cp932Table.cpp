#include "catalogue/Cp932Table.h"

#include <QList>

#include <algorithm>

namespace velmora {

namespace {

bool IsLead(uchar byte) { return (byte >= 0x81 && byte <= 0x9F) || byte >= 0xE0; }

}  // namespace

Cp932Table::Cp932Table(const Converter& converter) : pairs_(size_t(256) * 256, 0) {
    single_.fill(kUnknown);
    single_['\n'] = '\n';
    // Each byte that can stand alone and each lead-and-trail pair, after a line feed, which no
    // sequence takes in, all in one block for the converter.
    QByteArray block;
    std::vector<int> codes;  // the byte or the pair of each group, in block order
    block.reserve(3 * 60 * 188 + 2 * 256);
    codes.reserve(60 * 188 + 256);
    for (int byte = 0; byte < 256; ++byte) {
        if (IsLead(uchar(byte)) || byte == '\n') continue;
        block.append('\n').append(char(byte));
        codes.push_back(byte);
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsLead(uchar(lead))) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            block.append('\n').append(char(lead)).append(char(trail));
            codes.push_back(lead << 8 | trail);
        }
    }
    const QString text = converter(block);
    // The groups' texts lie between the line feeds; if they do not come back one per group,
    // the table stays empty and everything is left to the converter.
    std::vector<QStringView> texts;
    texts.reserve(codes.size());
    const QStringView all(text);
    qsizetype start = -1;
    for (qsizetype i = 0; i <= all.size(); ++i) {
        if (i < all.size() && all[i] != u'\n') continue;
        if (start >= 0) texts.push_back(all.sliced(start, i - start));
        start = i + 1;
    }
    if (!all.startsWith(u'\n') || texts.size() != codes.size()) return;
    for (size_t i = 0; i < codes.size(); ++i) {
        // A replacement character or more than one means the converter does not map them.
        if (texts[i].size() != 1 || texts[i][0] == QChar::ReplacementCharacter) continue;
        const char16_t c = texts[i][0].unicode();
        if (codes[i] < 256)
            single_[size_t(codes[i])] = c;
        else if (c != 0)
            pairs_[size_t(codes[i])] = c;
    }
}

QChar* Cp932Table::Decode(QByteArrayView bytes, QChar* out) const {
    const auto* at = reinterpret_cast<const uchar*>(bytes.data());
    const auto* const end = at + bytes.size();
    while (at < end) {
        const uchar byte = *at;
        if (byte < 0x80) {
            // Runs of ASCII are most of a catalogue.
            const int c = single_[byte];
            if (c == kUnknown) return nullptr;
            *out++ = QChar(char16_t(c));
            ++at;
            continue;
        }
        if (IsLead(byte)) {
            if (at + 1 == end) return nullptr;
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
