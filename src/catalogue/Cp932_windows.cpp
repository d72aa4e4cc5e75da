#include "catalogue/Cp932.h"

#include <windows.h>

#include <array>
#include <utility>

// Qt for Windows has no ICU: the characters come from the system's code page 932, which every
// Windows has whatever its language, asked with the flags that make a byte pair without a
// character and a character without bytes errors instead of substitutions. The few places where
// ICU's "windows-31j" table is not the system's (three swapped control codes, the bytes 80, A0
// and FD to FF, what an invalid byte becomes) are ICU's here too, so both platforms read and
// write every file alike.
namespace velmora::cp932 {

namespace {

constexpr UINT kCodePage = 932;
constexpr char16_t kSub = 0x1A;       // what ICU makes of a byte that starts no character
constexpr char16_t kNoChar = 0xFFFD;  // and of a byte pair without a character


// ICU's table swaps these three control codes, as IBM's code pages do.
char16_t SwappedControl(uchar byte) {
    switch (byte) {
        case 0x1A:
            return 0x1C;
        case 0x1C:
            return 0x7F;
        case 0x7F:
            return 0x1A;
        default:
            return byte;
    }
}

uchar UnswappedControl(uchar byte) {
    switch (byte) {
        case 0x1C:
            return 0x1A;
        case 0x7F:
            return 0x1C;
        case 0x1A:
            return 0x7F;
        default:
            return byte;
    }
}

// The system's character for one byte or one byte pair; kNoChar when it has none.
char16_t SystemChar(const char* bytes, int size) {
    wchar_t wide[2] = {};
    const int length = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes, size, wide, 2);
    return length == 1 ? char16_t(wide[0]) : kNoChar;
}

// Every byte's and every byte pair's character, asked once.
struct Table {
    std::array<char16_t, 256> single{};
    std::array<std::array<char16_t, 256>, 256> pair{};

    Table() {
        for (int byte = 0; byte < 0x80; ++byte) single[byte] = SwappedControl(uchar(byte));
        for (int byte = 0x80; byte < 0x100; ++byte) {
            const char c = char(byte);
            // Katakana alone stands for itself; 80, A0 and FD to FF start nothing in ICU's table.
            single[byte] = byte >= 0xA1 && byte <= 0xDF ? SystemChar(&c, 1) : kSub;
        }
        for (int lead = 0x81; lead < 0x100; ++lead) {
            if (!IsLeadByte(uchar(lead))) continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (!IsTrailByte(uchar(trail))) continue;
                const char bytes[2] = {char(lead), char(trail)};
                pair[lead][trail] = SystemChar(bytes, 2);
            }
        }
    }
};

const Table& TheTable() {
    static const Table table;
    return table;
}

}  // namespace

QChar* DecodeInto(QByteArrayView bytes, QChar* out, bool* valid) {
    const Table& table = TheTable();
    bool ok = true;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const uchar byte = uchar(bytes[i]);
        if (!IsLeadByte(byte)) {
            const char16_t c = table.single[byte];
            ok = ok && !(c == kSub && byte >= 0x80);
            *out++ = QChar(c);
        } else if (i + 1 == size) {
            ok = false;  // a lead byte at the very end: ICU drops it
        } else if (const uchar trail = uchar(bytes[i + 1]); IsTrailByte(trail)) {
            const char16_t c = table.pair[byte][trail];
            ok = ok && c != kNoChar;
            *out++ = QChar(c);
            ++i;
        } else {
            ok = false;  // the byte after is read again as the start of a character
            *out++ = QChar(kSub);
        }
    }
    if (valid) *valid = ok;
    return out;
}

QString Decode(QByteArrayView bytes, bool* valid) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* end = DecodeInto(bytes, text.data(), valid);
    text.truncate(end - text.constData());
    return text;
}

std::optional<QByteArray> Encode(QStringView text) {
    if (text.isEmpty()) return QByteArray();
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int length = int(text.size());
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0,
                                         nullptr, &usedDefault);
    if (size <= 0 || usedDefault) return std::nullopt;
    QByteArray bytes(size, Qt::Uninitialized);
    usedDefault = FALSE;
    if (WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, length, bytes.data(), size,
                            nullptr, &usedDefault) != size ||
        usedDefault)
        return std::nullopt;
    // The three control codes are never the second byte of a pair.
    for (char& byte : bytes) byte = char(UnswappedControl(uchar(byte)));
    // The system writes U+0080 and U+F8F0 to U+F8F3 as the bytes 80, A0 and FD to FF, which in
    // ICU's table start no character.
    if (Decode(bytes) != text) return std::nullopt;
    return bytes;
}

}  // namespace velmora::cp932
