#include "catalogue/FieldMap.h"

#include <gtest/gtest.h>
#include <QString>
#include <vector>

namespace velmora {
namespace {

// Keys of every length around a word of characters, each differing from the others in one
// character or in its length (a NUL included), enough of them that the map grows several
// times, and one longer than a block of kept characters.
TEST(FieldMap, FindsEveryKeyItWasGivenAndNothingElse) {
    std::vector<QString> keys = {QString(), QString(QChar(u'\0')), QString(40000, u'k')};
    for (int size = 1; size <= 20; ++size)
        for (int at = 0; at < size; ++at) {
            QString key(size, u'a');
            key[at] = u'ビ';
            keys.push_back(key);
            if (at == 0) keys.push_back(QString(size, u'a'));
        }
    for (int i = 0; i < 5000; ++i) keys.push_back(QString::number(i));
    FieldMap map;
    for (size_t i = 0; i < keys.size(); ++i) {
        ASSERT_EQ(map.Find(keys[i]), nullptr) << i;
        map.Insert(keys[i], std::uint32_t(i));
    }
    // Found again through views into other text, whatever lies around them.
    for (size_t i = 0; i < keys.size(); ++i) {
        const QString around = u'<' + keys[i] + QString(9, QChar(u'0' + int(i % 10)));
        const std::uint32_t* id = map.Find(QStringView(around).mid(1, keys[i].size()));
        ASSERT_NE(id, nullptr) << i;
        EXPECT_EQ(*id, i);
    }
    EXPECT_EQ(map.Find(QString(21, u'a')), nullptr);
    EXPECT_EQ(map.Find(QStringLiteral(u"a\u0000")), nullptr);
}

}  // namespace
}  // namespace velmora
