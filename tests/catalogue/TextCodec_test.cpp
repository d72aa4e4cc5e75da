#include "catalogue/TextCodec.h"

#include "catalogue/clsFncFile.h"
#include "support/QtPrinters.h"
#include "support/TestText.h"

#include <gtest/gtest.h>
#include <QBuffer>

namespace velmora {
namespace {

TEST(TextCodecDecode, CodePage932MapsTheProgramsDashAndWave) {
    const DecodedText dash = DecodeText(QByteArray("\x81\x7C"));
    EXPECT_EQ(dash.encoding, TextEncoding::Cp932);
    EXPECT_EQ(dash.text, QString(QChar(0xFF0D)));
    EXPECT_EQ(DecodeText(QByteArray("\x81\x60")).text, QString(QChar(0xFF5E)));
    // "ヴェルデ" and "○" in code page 932.
    EXPECT_EQ(DecodeText(QByteArray("\x83\x94\x83\x46\x83\x8B\x83\x66,\x81\x9B")).text,
              S(u"ヴェルデ,○"));
}

TEST(TextCodecDecode, Utf8WithAndWithoutMark) {
    const QByteArray utf8 = S(u"ザルガ～－").toUtf8();
    const DecodedText plain = DecodeText(utf8);
    EXPECT_EQ(plain.encoding, TextEncoding::Utf8);
    EXPECT_EQ(plain.text, S(u"ザルガ～－"));
    const DecodedText marked = DecodeText(QByteArray("\xEF\xBB\xBF") + utf8);
    EXPECT_EQ(marked.encoding, TextEncoding::Utf8WithBom);
    EXPECT_EQ(marked.text, S(u"ザルガ～－"));
}

TEST(TextCodecDecode, AsciiAndEmptyReadAsUtf8) {
    EXPECT_EQ(DecodeText(QByteArray("a,b")).text, S(u"a,b"));
    EXPECT_EQ(DecodeText(QByteArray()).text, QString());
}

TEST(TextCodecDecode, InvalidUtf8AfterValidStartFallsBackToCodePage932) {
    // Valid UTF-8 first, then a code page 932 pair that is not UTF-8.
    const QByteArray bytes = QByteArray("ab\xC3\xA9") + QByteArray("\x81\x9B");
    const DecodedText decoded = DecodeText(bytes);
    EXPECT_EQ(decoded.encoding, TextEncoding::Cp932);
    EXPECT_TRUE(decoded.text.endsWith(S(u"○")));
}

TEST(TextCodecDecode, Utf16WithEitherMark) {
    const QString text = S(u"ヴェルデ,○\r\n");
    for (const TextEncoding encoding : {TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
        const auto bytes = EncodeText(text, encoding);
        ASSERT_TRUE(bytes.ok());
        EXPECT_TRUE(bytes->startsWith(ByteOrderMark(encoding)));
        const DecodedText decoded = DecodeText(*bytes);
        EXPECT_EQ(decoded.encoding, encoding);
        EXPECT_EQ(decoded.text, text);
    }
    EXPECT_EQ(*EncodeText(S(u"a"), TextEncoding::Utf16LE), QByteArray("\xFF\xFE"
                                                                      "a\0",
                                                                      4));
    EXPECT_EQ(*EncodeText(S(u"a"), TextEncoding::Utf16BE), QByteArray("\xFE\xFF\0"
                                                                      "a",
                                                                      4));
}

// Bytes the program writes in code page 932 that are valid UTF-8 as well.
TEST(TextCodecWeighed, Cp932ThatIsAlsoUtf8_staysCp932) {
    for (const QString& text :
         {S(u"C:/ﾃｽﾄ用"), S(u"ﾃｽ"), S(u"ﾃｽﾄ"), S(u"ﾎﾟｹｯﾄ"), S(u"熙ｱ"), S(u"ﾄ用ﾃｽ")}) {
        const QByteArray bytes = *EncodeText(text, TextEncoding::Cp932);
        EXPECT_EQ(WeighedEncodingOf(bytes), TextEncoding::Cp932) << bytes.toHex().constData();
        EXPECT_EQ(DecodeWithoutMark(bytes, TextEncoding::Cp932), text);
    }
    // The first of them is valid UTF-8, which the plain rule takes it for.
    EXPECT_EQ(DecodeText(*EncodeText(S(u"ﾃｽﾄ用"), TextEncoding::Cp932)).encoding,
              TextEncoding::Utf8);
}

TEST(TextCodecWeighed, RealUtf8_staysUtf8) {
    for (const QString& text : {S(u"あい"), S(u"アイ"), S(u"設定"), S(u"大佐－～"), S(u"ｱｲｳ"),
                                S(u"C:/ゲーム/QEL2"), S(u"한국 😀")}) {
        const QByteArray bytes = text.toUtf8() + "\r\n";
        EXPECT_EQ(WeighedEncodingOf(bytes), TextEncoding::Utf8) << bytes.toHex().constData();
    }
    EXPECT_EQ(WeighedEncodingOf(QByteArray("plain")), TextEncoding::Utf8);
    EXPECT_EQ(WeighedEncodingOf(QByteArray("\x83\x4B")), TextEncoding::Cp932);
    EXPECT_EQ(WeighedEncodingOf(QByteArray("\xEF\xBB\xBF\xC3\xBD")), TextEncoding::Utf8WithBom);
    EXPECT_EQ(WeighedEncodingOf(QByteArray("\xFE\xFF")), TextEncoding::Utf16BE);
}

TEST(TextCodecCp932, AsciiBytesStayThemselves) {
    // The converter alone swaps 1A, 1C and 7F, and a lone lead byte must not take a control.
    const QByteArray bytes("a\x1A\x1C\x7F\x83\x1A\x83\x4B", 8);
    const QString text = DecodeWithoutMark(bytes, TextEncoding::Cp932);
    EXPECT_TRUE(text.startsWith(S(u"a\u001A\u001C\u007F"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(S(u"\u001Aガ"))) << text.toStdString();
    EXPECT_EQ(*EncodeWithoutMark(S(u"\u001A\u001C\u007Fガ"), TextEncoding::Cp932),
              QByteArray("\x1A\x1C\x7F\x83\x4B"));
}

TEST(TextCodecEncode, CodePage932RoundTrips) {
    const auto bytes = EncodeText(S(u"－～○"), TextEncoding::Cp932);
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(*bytes, QByteArray("\x81\x7C\x81\x60\x81\x9B"));
    EXPECT_EQ(DecodeText(*bytes).text, S(u"－～○"));
}

TEST(TextCodecEncode, UnrepresentableCharacterIsRefused) {
    EXPECT_FALSE(EncodeText(S(u"a😀"), TextEncoding::Cp932).ok());
    EXPECT_FALSE(EncodeText(S(u"한"), TextEncoding::Cp932).ok());
    EXPECT_FALSE(EncodeText(S(u"?\u00E9"), TextEncoding::Cp932).ok());
    EXPECT_TRUE(EncodeText(S(u"a?"), TextEncoding::Cp932).ok());
    EXPECT_TRUE(EncodeText(S(u"한"), TextEncoding::Utf8).ok());
}

TEST(TextCodecEncode, Utf8WithMarkPrependsIt) {
    EXPECT_EQ(*EncodeText(S(u"a"), TextEncoding::Utf8WithBom), QByteArray("\xEF\xBB\xBF"
                                                                          "a"));
    EXPECT_EQ(*EncodeText(S(u"a"), TextEncoding::Utf8), QByteArray("a"));
}

TEST(TextCodecMisc, HasNonAscii) {
    EXPECT_FALSE(HasNonAscii(QByteArray("plain text\r\n")));
    EXPECT_TRUE(HasNonAscii(QByteArray("\x81\x7C")));
    EXPECT_FALSE(HasNonAscii(QByteArray()));
}

TEST(TextCodecSplitLines, CrLfAndLf) {
    EXPECT_EQ(SplitLines(S(u"a\r\nb\nc")), QStringList({S(u"a"), S(u"b"), S(u"c")}));
    EXPECT_EQ(SplitLines(S(u"a\r\n")), QStringList({S(u"a")}));
    EXPECT_EQ(SplitLines(S(u"a\n\n")), QStringList({S(u"a"), QString()}));
    EXPECT_EQ(SplitLines(S(u"\r\n")), QStringList({QString()}));
    EXPECT_EQ(SplitLines(QString()), QStringList());
    // A lone CR is part of the line.
    EXPECT_EQ(SplitLines(S(u"a\rb\r\n")), QStringList({S(u"a\rb")}));
}

QStringList WalkedLines(const QByteArray& bytes) {
    QStringList lines;
    const qsizetype count =
        ForEachLine(bytes, [&](QStringView line) { lines.append(line.toString()); });
    EXPECT_EQ(count, lines.size());
    return lines;
}

// Enough lines that the text is decoded in several pieces, with the hard cases at every line:
// a mark, an incomplete sequence or a lone lead byte just before the line end.
QByteArray ManyLines(const QByteArray& perLine) {
    QByteArray bytes;
    // Over half a megabyte: many pieces.
    for (int i = 0; bytes.size() < 600 * 1024; ++i) bytes += QByteArray::number(i) + perLine;
    return bytes;
}

TEST(TextCodecForEachLine, GivesTheLinesOfTheWholeDecodedText) {
    const QList<QByteArray> cases = {
        QByteArray(),
        QByteArray("\r\n"),
        QByteArray("a\r\nb\nc"),
        QByteArray("a\n\n"),
        QByteArray("a\rb\r"),
        QByteArray("\xEF\xBB\xBF"),
        QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                   "a\n\xEF\xBB\xBF"
                   "b"),
        QByteArray("\x83\x4B\x83\x93,\x81\x9B\r\nend\x83"),
        ManyLines(QByteArray(",\x83\x4B\x83\x93\x83\x5F\x83\x80,\x81\x9B\r\n")),
        ManyLines(QByteArray(",\x83\r\n")),
        ManyLines(QByteArray(",\xE3\x82\xAC\n\xEF\xBB\xBF")),
        QByteArray("\xEF\xBB\xBF") + ManyLines(QByteArray(",\xE3\x82\n\xEF\xBB\xBF\r\n")),
        QByteArray("\xFF\xFE"
                   "a\0\r\0\n\0\n\x30\n\0",
                   12),
        QByteArray("\xFE\xFF\0"
                   "a\0\n\x30\n\0\r",
                   10),
        // One line longer than a piece, between short ones.
        QByteArray("a\n") + QByteArray(200 * 1024, 'x') + QByteArray("\x81\x9B\r\nb"),
    };
    for (const QByteArray& bytes : cases)
        EXPECT_EQ(WalkedLines(bytes), SplitLines(DecodeText(bytes).text))
            << bytes.left(40).toHex().constData();
}

// A line without a line feed is still decoded a few megabytes at a time (the converter refuses
// blocks of half a gigabyte), cut between characters: double-byte ones at an odd offset, a
// lead byte without its trail byte, three-byte UTF-8 ones.
TEST(TextCodecForEachLine, ALineLongerThanTheLargestPieceDecodesAsAWhole) {
    const auto repeated = [](const QByteArray& unit) {
        QByteArray bytes("a\r\nx");
        while (bytes.size() < 9 * 1024 * 1024) bytes += unit;
        bytes += "\r\nend";
        return bytes;
    };
    for (const QByteArray& bytes :
         {repeated(QByteArray("\x83\x4B")), repeated(QByteArray("\x83\x4B\x83,\x81\x9B")),
          repeated(QByteArray("yyy\xFD\x81\x40z")),
          repeated(QByteArray("\xE3\x82\xAC"))}) {
        const QStringList lines = WalkedLines(bytes);
        EXPECT_EQ(lines.size(), 3);
        EXPECT_TRUE(lines == SplitLines(DecodeText(bytes).text))
            << bytes.left(40).toHex().constData();
    }
}

// The parts of a file as the catalogue reads them: each but the last ends with a line feed, and
// together they are the file.
std::vector<QByteArray> Parts(const QByteArray& bytes) {
    QBuffer device;
    device.setData(bytes);
    Result<std::vector<QByteArray>> parts =
        clsFncFile::ReadAllInParts(device, QStringLiteral("unitdata.csv"));
    EXPECT_TRUE(parts.ok());
    if (!parts) return {};
    QByteArray whole;
    for (size_t i = 0; i < parts->size(); ++i) {
        if (i + 1 < parts->size()) EXPECT_TRUE((*parts)[i].endsWith('\n')) << i;
        whole += (*parts)[i];
    }
    EXPECT_TRUE(whole == bytes);
    return *std::move(parts);
}

// Lines that a read piece cuts anywhere (inside a double-byte character, between CR and LF, a
// line longer than a piece), and a file that is UTF-8 until its last part, give the lines of the
// whole file.
TEST(TextCodecForEachLine, PartsOfAFileGiveTheLinesOfTheWhole) {
    constexpr qsizetype kMebibyte = 1024 * 1024;
    const auto around = [](qsizetype at, const QByteArray& middle) -> QByteArray {
        return QByteArray("head\r\n") + QByteArray(at - 6, 'a') + middle + "b\r\nend";
    };
    const QList<QByteArray> cases = {
        around(kMebibyte - 1, "\x83\x4B"),
        around(kMebibyte - 1, "\r\n"),
        around(kMebibyte, "\r\n"),
        around(kMebibyte - 2, ",\x81\x9B\r\n\x83\x4B"),
        QByteArray("a\r\n") + QByteArray(3 * kMebibyte, 'x') + "\x83\x4B\r\nb\r\n",
        QByteArray("\xEF\xBB\xBF") + around(kMebibyte, "\xE3\x82\xAC\r\n"),
        around(kMebibyte + 100, "\r\n") + "\n\x83\x4B",
        around(2 * kMebibyte, "\xE3\x82\xAC") + "\n\x83\x4B",
    };
    for (const QByteArray& bytes : cases) {
        QStringList lines;
        const qsizetype count =
            ForEachLine(Parts(bytes), [&](QStringView line) { lines.append(line.toString()); });
        EXPECT_EQ(count, lines.size());
        EXPECT_TRUE(lines == SplitLines(DecodeText(bytes).text)) << bytes.size();
    }
}

}  // namespace
}  // namespace velmora
