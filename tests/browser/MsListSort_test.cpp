#include "browser/MsListSort.h"

#include <gtest/gtest.h>
#include <QString>

namespace velmora {
namespace {

TEST(MsListSort, NumbersCompareByValueAndComeBeforeTexts) {
    const auto key = &MsListSort::MakeKey;
    EXPECT_LT(MsListSort::Compare(key(QStringLiteral(u"9")), key(QStringLiteral(u"10"))), 0);
    EXPECT_EQ(MsListSort::Compare(key(QStringLiteral(u"08")), key(QStringLiteral(u"8"))), 0);
    EXPECT_LT(MsListSort::Compare(key(QStringLiteral(u"99")), key(QStringLiteral(u"nd"))), 0);
    EXPECT_GT(MsListSort::Compare(key(QString()), key(QStringLiteral(u"1"))), 0);
    EXPECT_LT(MsListSort::Compare(key(QStringLiteral(u"10a")), key(QStringLiteral(u"9a"))), 0);
}

}  // namespace
}  // namespace velmora
