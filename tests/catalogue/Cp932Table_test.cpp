#include "catalogue/Cp932.h"
#include "catalogue/Cp932Table.h"
#include "catalogue/TextCodec.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

QString Converter(QByteArrayView bytes) { return cp932::Decode(bytes); }

// The table's text of bytes, or nullopt where it leaves them to the converter.
std::optional<QString> TableText(Cp932Table& table, QByteArrayView bytes) {
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
    Cp932Table table(Converter);
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

TEST(Cp932Table, LeadByteWithoutItsTrailIsLeftToTheConverter) {
    Cp932Table table(Converter);
    EXPECT_EQ(TableText(table, QByteArray("ab\x83")), std::nullopt);
    EXPECT_EQ(TableText(table, QByteArray("\x83\x4B\x81\x7C")), QString::fromUtf16(u"ガ－"));
}

}  // namespace
}  // namespace velmora
