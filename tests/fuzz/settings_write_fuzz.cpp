// Writing one key into setting.ini of arbitrary bytes. The input is a selector byte (section and
// key), the value (UTF-8) up to the first NUL byte, then the file. A write either fails and
// leaves the file as it was, or the key reads back as written and every other line of the file
// reads as before: byte for byte while the file keeps its encoding, as text when a code page
// 932 file had to go into UTF-8. The key's own line is replaced, or one line (with its
// section's header when the section is new) is inserted. A value the file's encoding holds is
// refused only by a damaged file: half a UTF-16 character, or stray bytes that only code page
// 932 keeps.
#include "FuzzCheck.h"
#include "SettingsFuzzFile.h"
#include "catalogue/TextCodec.h"
#include "system/SettingsFile.h"

#include <QList>
#include <QStringList>
#include <cstddef>
#include <cstdint>

namespace {

// The file's lines without their line ends, split as the settings file splits them: CR LF, LF
// and a lone CR each end a line, and a final line end starts no further line. A file with a
// UTF-16 mark is split by its two-byte units (a trailing odd byte stays with the last line); a
// byte-order mark belongs to no line.
QList<QByteArray> Lines(const QByteArray& file) {
    const qsizetype mark = file.startsWith("\xEF\xBB\xBF")                              ? 3
                           : file.startsWith("\xFF\xFE") || file.startsWith("\xFE\xFF") ? 2
                                                                                        : 0;
    const QByteArray bytes = file.mid(mark);
    const bool littleEndian = file.startsWith("\xFF\xFE");
    const bool utf16 = mark == 2;
    const qsizetype width = utf16 ? 2 : 1;
    const auto unitAt = [&](qsizetype i) -> int {
        if (!utf16) return uchar(bytes[i]);
        if (i + 1 >= bytes.size()) return -1;
        return littleEndian ? uchar(bytes[i]) | uchar(bytes[i + 1]) << 8
                            : uchar(bytes[i]) << 8 | uchar(bytes[i + 1]);
    };
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i + width <= bytes.size(); i += width) {
        const int unit = unitAt(i);
        if (unit != '\r' && unit != '\n') continue;
        lines << bytes.mid(start, i - start);
        if (unit == '\r' && i + 2 * width <= bytes.size() && unitAt(i + width) == '\n') i += width;
        start = i + width;
    }
    if (start < bytes.size()) lines << bytes.mid(start);
    return lines;
}

// The encoding a write keeps: a file of plain ASCII counts as code page 932.
velmora::TextEncoding EncodingOf(const QByteArray& file) {
    if (!velmora::HasNonAscii(file)) return velmora::TextEncoding::Cp932;
    return velmora::WeighedEncodingOf(file);
}

// The lines decoded, each on its own, without their ends.
QStringList Texts(const QByteArray& file) {
    const velmora::TextEncoding encoding = EncodingOf(file);
    QStringList texts;
    for (const QByteArray& line : Lines(file))
        texts << velmora::DecodeWithoutMark(line, encoding);
    return texts;
}

// True when a code page 932 file holds bytes that its text does not give back.
bool HasStrayBytes(const QByteArray& file) {
    if (EncodingOf(file) != velmora::TextEncoding::Cp932) return false;
    for (const QByteArray& line : Lines(file)) {
        const auto again = velmora::EncodeWithoutMark(
            velmora::DecodeWithoutMark(line, velmora::TextEncoding::Cp932), velmora::TextEncoding::Cp932);
        if (!again || *again != line) return true;
    }
    return false;
}

// Where two lists of lines differ: the lines before the first difference and after the last.
template <typename List>
void CheckOneLineChanged(const List& old, const List& now) {
    qsizetype prefix = 0;
    while (prefix < old.size() && prefix < now.size() && old[prefix] == now[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix])
        ++suffix;
    const qsizetype removed = old.size() - prefix - suffix;
    const qsizetype added = now.size() - prefix - suffix;
    FUZZ_REQUIRE(removed <= 1);
    FUZZ_REQUIRE(added <= (removed == 0 ? 2 : 1));
}

// The value as a caller means it: blanks around a value are not kept by the file.
QString Value(const QByteArray& bytes) {
    QString value = QString::fromUtf8(bytes);
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r'; };
    while (!value.isEmpty() && blank(value.back())) value.chop(1);
    while (!value.isEmpty() && blank(value.front())) value.remove(0, 1);
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const unsigned selector = std::uint8_t(input[0]);
    const qsizetype nul = input.indexOf('\0', 1);
    if (nul < 0) return 0;
    const QString value = Value(input.mid(1, nul - 1));
    const QByteArray before = input.mid(nul + 1);
    const QString& section = FuzzSection(selector & 3);
    const QString& key = FuzzKey(selector >> 2);

    const QString path = SettingsFuzzPath();
    WriteWhole(path, before);
    velmora::SettingsFile settings(path);
    const bool written = settings.Write(value, section, key).ok();
    const QByteArray after = ReadWhole(path);
    if (!written) {
        FUZZ_REQUIRE(after == before);
        const bool holdable =
            !value.contains(u'\n') && !value.contains(u'\r') &&
            velmora::EncodeWithoutMark(section + key + value, EncodingOf(before)).ok();
        const bool halfUtf16 = (EncodingOf(before) == velmora::TextEncoding::Utf16LE ||
                                EncodingOf(before) == velmora::TextEncoding::Utf16BE) &&
                               before.size() % 2 != 0;
        FUZZ_REQUIRE(!holdable || halfUtf16 || HasStrayBytes(before));
        return 0;
    }
    FUZZ_REQUIRE(settings.Read(section, key) == value);
    if (EncodingOf(after) == EncodingOf(before) || !velmora::HasNonAscii(after))
        CheckOneLineChanged(Lines(before), Lines(after));
    else
        CheckOneLineChanged(Texts(before), Texts(after));
    return 0;
}
