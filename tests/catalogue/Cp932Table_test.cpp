#include "catalogue/Cp932.h"
#include "catalogue/Cp932Table.h"
#include "catalogue/TextCodec.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

QString Converter(QByteArrayView bytes) { return cp932::Decode(bytes); }

// The table's text of bytes, or nullopt where it leaves them to the converter.
std::optional<QString> TableText(const Cp932Table& table, QByteArrayView bytes) {
    QString text(bytes.size(), QChar());
    const QChar* end = table.Decode(bytes, text.data());
    if (!end) return std::nullopt;
    text.truncate(end - text.constData());
    return text;
}

// Every byte alone and every byte pair, through the table and through the converter: the
// table gives the converter's text or leaves the bytes to it, and it holds the whole of the
// code page's double-byte repertoire.
TEST(Cp932Table, EveryByteAndEveryPairDecodesAsTheConverterDecodesIt) {
    Cp932Table table;
    for (int first = 0; first < 256; ++first) {
        const QByteArray single(1, char(first));
        if (const auto text = TableText(table, single)) {
            EXPECT_EQ(*text, Converter(single));
        }
        for (int second = 0; second < 256; ++second) {
            const QByteArray pair = QByteArray(1, char(first)) + char(second);
            const auto text = TableText(table, pair);
            if (text) {
                EXPECT_EQ(*text, Converter(pair)) << first << ' ' << second;
            }
        }
    }
    EXPECT_GE(table.PairCount(), 7000);
}

// Whatever follows: a pair before a byte that could be a trail byte decodes as it does alone,
// and a byte that stands alone (FD to FF among them) does not take the next byte with it.
TEST(Cp932Table, EveryPairBeforeAnotherByteDecodesAsTheConverterDecodesIt) {
    Cp932Table table;
    for (int first = 0x80; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const QByteArray bytes = QByteArray(1, char(first)) + char(second) + "a\x81\x40";
            if (const auto text = TableText(table, bytes)) {
                EXPECT_EQ(*text, Converter(bytes)) << first << ' ' << second;
            }
        }
    }
}

TEST(Cp932Table, LeadByteWithoutItsTrailIsLeftToTheConverter) {
    Cp932Table table;
    EXPECT_EQ(TableText(table, QByteArray("ab\x83")), std::nullopt);
    EXPECT_EQ(TableText(table, QByteArray("\x83\x4B\x81\x7C")), QString::fromUtf16(u"ガ－"));
}

// Printable ASCII goes sixteen bytes at a time; whatever ends a run (a control character the
// converter may change, a byte from 0x80 on, a double-byte character, the end of the bytes)
// comes out as the converter has it, at every place in and around a step.
TEST(Cp932Table, RunsOfAsciiEndAnywhereAsTheConverterEndsThem) {
    Cp932Table table;
    const QList<QByteArray> stops = {QByteArray(1, '\0'), "\t", "\r", "\n", "\x1A", "\x1C",
                                     "\x7F", "\x80", "\xA1", "\xDF", "\x83\x4B", "\x88\x9F"};
    for (int before = 0; before <= 34; ++before) {
        for (const QByteArray& stop : stops) {
            for (const int after : {0, 1, 15, 16, 17}) {
                const QByteArray bytes = QByteArray(before, 'a') + stop + QByteArray(after, '~');
                const std::optional<QString> text = TableText(table, bytes);
                ASSERT_TRUE(text.has_value()) << bytes.toHex().constData();
                EXPECT_EQ(*text, Converter(bytes)) << bytes.toHex().constData();
            }
        }
    }
}

}  // namespace
}  // namespace velmora
