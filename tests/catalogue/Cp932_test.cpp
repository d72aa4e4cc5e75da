#include "catalogue/Cp932.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <map>
#include <vector>

// Both platforms' code page 932 (ICU on Linux, the system's tables on Windows) against one table
// made from ICU's "windows-31j": every byte, every byte pair and every character.
namespace velmora {
namespace {

bool IsLead(int byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
bool IsTrail(int byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

QString Hex(int value, int width) {
    return QStringLiteral(u"%1").arg(value, width, 16, QLatin1Char('0')).toUpper();
}

QString Characters(const QString& text) {
    QStringList codes;
    for (const QChar c : text) codes << Hex(c.unicode(), 4);
    return codes.join(u' ');
}

struct Source {
    QByteArray bytes;
    char16_t character;
};

// The table as this platform's converter gives it, with every byte sequence that has a
// character.
QString TableOf(std::vector<Source>* sources) {
    QString table;
    QTextStream out(&table);
    out << "# Code page 932 as ICU's windows-31j converts it (tests/catalogue/Cp932_test.cpp).\n"
           "# Single bytes 80 to FF and their characters:\n";
    for (int byte = 0x80; byte < 0x100; ++byte) {
        if (IsLead(byte)) continue;
        const QByteArray bytes(1, char(byte));
        const QString text = cp932::Decode(bytes);
        out << Hex(byte, 2) << ' ' << Characters(text) << '\n';
        if (text.size() == 1 && text[0] != QChar(0x1A))
            sources->push_back({bytes, text[0].unicode()});
    }
    out << "# Byte pairs: the first byte, then the characters of the second bytes 40-7E, 80-FC:\n";
    for (int lead = 0x81; lead < 0x100; ++lead) {
        if (!IsLead(lead)) continue;
        out << Hex(lead, 2);
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!IsTrail(trail)) continue;
            const QByteArray bytes = QByteArray(1, char(lead)) + char(trail);
            const QString text = cp932::Decode(bytes);
            out << ' ' << Characters(text);
            if (text.size() == 1 && text[0] != QChar(0xFFFD))
                sources->push_back({bytes, text[0].unicode()});
        }
        out << '\n';
    }
    out << "# Characters that several byte sequences give, and the one they are written as:\n";
    std::map<char16_t, int> counts;
    for (const Source& source : *sources) ++counts[source.character];
    for (const auto& [character, count] : counts) {
        if (count < 2) continue;
        const std::optional<QByteArray> bytes = cp932::Encode(QStringView(&character, 1));
        out << Hex(character, 4) << ' '
            << (bytes ? QString::fromLatin1(bytes->toHex().toUpper()) : QStringLiteral(u"none"))
            << '\n';
    }
    out.flush();
    return table;
}

QString CommittedTable() {
    QFile file(QStringLiteral(VELMORA_TEST_DATA "/cp932/windows-31j.txt"));
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromLatin1(file.readAll());
}

TEST(Cp932, EveryByteAndPairDecodesAsIcusTable) {
    std::vector<Source> sources;
    const QString table = TableOf(&sources);
    if (table != CommittedTable()) {
        // The whole table this converter gives, to compare with diff.
        QFile actual(QDir::current().absoluteFilePath(QStringLiteral(u"cp932-actual.txt")));
        if (actual.open(QIODevice::WriteOnly)) actual.write(table.toLatin1());
        FAIL() << "the converter differs from tests/data/cp932/windows-31j.txt; its table is in "
               << actual.fileName().toStdString();
    }
}

TEST(Cp932, EveryCharacterEncodesToTheBytesThatGiveIt) {
    std::vector<Source> sources;
    TableOf(&sources);
    std::map<char16_t, std::vector<QByteArray>> bytesOf;
    for (const Source& source : sources) bytesOf[source.character].push_back(source.bytes);
    int wrong = 0;
    for (int code = 0x80; code <= 0xFFFF && wrong < 10; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF) continue;
        const char16_t character = char16_t(code);
        const std::optional<QByteArray> bytes = cp932::Encode(QStringView(&character, 1));
        const auto found = bytesOf.find(character);
        // Several sources: the committed table names the one, checked by the test above.
        const bool right =
            found == bytesOf.end() ? !bytes
            : found->second.size() == 1
                ? bytes == found->second.front()
                : bytes && std::count(found->second.begin(), found->second.end(), *bytes);
        if (!right) {
            ++wrong;
            ADD_FAILURE() << "U+" << Hex(code, 4).toStdString() << " encodes as "
                          << (bytes ? bytes->toHex().toStdString() : std::string("nothing"));
        }
    }
}

TEST(Cp932, CharactersBeyondTheBasicPlaneAndLoneSurrogatesHaveNoBytes) {
    EXPECT_FALSE(cp932::Encode(QString::fromUtf16(u"\U00020B9F")));  // 𠮟
    const char16_t lone[] = {0xD842, u'a'};
    EXPECT_FALSE(cp932::Encode(QStringView(lone, 2)));
}

TEST(Cp932, AsciiIsItselfButForThreeControlCodesSwappedAsIcuDoes) {
    for (int byte = 0; byte < 0x80; ++byte) {
        const char16_t expected = byte == 0x1A   ? 0x1C
                                  : byte == 0x1C ? 0x7F
                                  : byte == 0x7F ? 0x1A
                                                 : byte;
        const QByteArray bytes(1, char(byte));
        bool valid = false;
        EXPECT_EQ(cp932::Decode(bytes, &valid), QString(QChar(expected))) << byte;
        EXPECT_TRUE(valid);
        EXPECT_EQ(cp932::Encode(QStringView(&expected, 1)), bytes) << byte;
    }
}

TEST(Cp932, InvalidBytesBecomeWhatIcuMakesOfThem) {
    bool valid = true;
    // A pair without a character.
    EXPECT_EQ(cp932::Decode(QByteArray("\x85\x40"), &valid), QString(QChar(0xFFFD)));
    EXPECT_FALSE(valid);
    // A first byte before a byte that cannot follow it: that byte starts a character anew.
    EXPECT_EQ(cp932::Decode(QByteArray("\x81 a\x81\x7F"), &valid),
              QString::fromUtf16(u"\x1A a\x1A\x1A"));
    EXPECT_FALSE(valid);
    // Bytes that start no character, and a first byte at the very end.
    EXPECT_EQ(cp932::Decode(QByteArray("\x80\xA0\xFD\xFE\xFF\x82\xA0\x81"), &valid),
              QString::fromUtf16(u"\x1A\x1A\x1A\x1A\x1A\u3042"));
    EXPECT_FALSE(valid);
    EXPECT_EQ(cp932::Decode(QByteArray("\x82\xA0\xB1"), &valid), QString::fromUtf16(u"あｱ"));
    EXPECT_TRUE(valid);
}

TEST(Cp932, DecodeIntoWritesWhatDecodeGives) {
    const QByteArray bytes("\x81\x40z\x88\x9F\xB1\x85\x40\x81");
    std::vector<QChar> buffer(size_t(2 * bytes.size()));
    bool valid = true;
    const QChar* end = cp932::DecodeInto(bytes, buffer.data(), &valid);
    EXPECT_EQ(QStringView(buffer.data(), end - buffer.data()).toString(), cp932::Decode(bytes));
    EXPECT_FALSE(valid);
}

}  // namespace
}  // namespace velmora
