#include "catalogue/Cp932.h"
#include "catalogue/Cp932Characters.h"

#include <gtest/gtest.h>
#include <QList>

namespace velmora {
namespace {

// The compiled characters against this platform's converter: every byte alone, every byte pair
// alone and before the bytes that could be taken with it, and bytes no pair starts with.
TEST(Cp932Characters, DecodeEveryByteAndPairAsTheConverterDoesInAnyPlace) {
    const QList<QByteArray> after = {QByteArray(), "a", "\n", "\x81", "\x81\x40", "\xA1",
                                     QByteArray(1, '\0')};
    int wrong = 0;
    for (int first = 0; first < 256 && wrong < 10; ++first) {
        const QByteArray single(1, char(first));
        for (const QByteArray& next : after) {
            const QByteArray bytes = single + next;
            if (cp932::DecodeWithTable(bytes) != cp932::Decode(bytes)) {
                ADD_FAILURE() << bytes.toHex().constData();
                ++wrong;
            }
        }
        for (int second = 0; second < 256 && wrong < 10; ++second) {
            const QByteArray pair = single + char(second);
            for (const QByteArray& next : {QByteArray(), QByteArray("a\x81\x40"), QByteArray("\x81")}) {
                const QByteArray bytes = "x" + pair + next;
                if (cp932::DecodeWithTable(bytes) != cp932::Decode(bytes)) {
                    ADD_FAILURE() << bytes.toHex().constData();
                    ++wrong;
                }
            }
        }
    }
}

}  // namespace
}  // namespace velmora
