#include "catalogue/Cp932.h"
#include "catalogue/Cp932Characters.h"

namespace velmora::cp932 {

namespace {

bool IsLead(uchar byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

int LeadIndex(uchar lead) { return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1); }

// -1 when the byte cannot follow a lead byte.
int TrailIndex(uchar trail) {
    if (trail < 0x40 || trail > 0xFC || trail == 0x7F) return -1;
    return trail < 0x7F ? trail - 0x40 : trail - 0x41;
}

// ASCII is itself but for three control codes, which the converter swaps.
char16_t AsciiCharacter(uchar byte) {
    switch (byte) {
    case 0x1A: return 0x1C;
    case 0x1C: return 0x7F;
    case 0x7F: return 0x1A;
    default: return byte;
    }
}

}  // namespace

QString DecodeWithTable(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    const auto* at = reinterpret_cast<const uchar*>(bytes.data());
    const auto* const end = at + bytes.size();
    while (at < end) {
        const uchar byte = *at++;
        if (byte < 0x80) {
            *out++ = QChar(AsciiCharacter(byte));
        } else if (!IsLead(byte)) {
            *out++ = QChar(kSingleCharacters[byte - 0x80]);
        } else {
            const int trail = at < end ? TrailIndex(*at) : -1;
            if (trail < 0) return Decode(bytes);
            *out++ = QChar(kPairCharacters[LeadIndex(byte)][trail]);
            ++at;
        }
    }
    text.truncate(out - text.constData());
    return text;
}

}  // namespace velmora::cp932
