#include "catalogue/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace velmora::cp932 {

namespace {

// Only the code-page-932 table maps 81 7C to U+FF0D and 81 60 to U+FF5E, the characters the
// catalogue's texts are compared against; plain "Shift_JIS" would not.
constexpr const char* kName = "windows-31j";

}  // namespace

QChar* DecodeInto(QByteArrayView bytes, QChar* out, bool* valid) {
    QStringDecoder decoder(kName, QStringDecoder::Flag::Stateless);
    QChar* end = decoder.appendToBuffer(out, bytes);
    if (valid) *valid = !decoder.hasError();
    return end;
}

QString Decode(QByteArrayView bytes, bool* valid) {
    QStringDecoder decoder(kName, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (valid) *valid = !decoder.hasError();
    return text;
}

std::optional<QByteArray> Encode(QStringView text) {
    QStringEncoder encoder(kName, QStringEncoder::Flag::Stateless);
    QByteArray bytes = encoder(text);
    // ICU also writes a few characters no bytes give back (U+F86F as the bytes of "№"); the
    // system's tables do not, and such a write would change the text.
    if (encoder.hasError() || Decode(bytes) != text) return std::nullopt;
    return bytes;
}

}  // namespace velmora::cp932
