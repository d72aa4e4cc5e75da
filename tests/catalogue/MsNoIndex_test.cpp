#include "catalogue/MsNoIndex.h"

#include <gtest/gtest.h>
#include <QString>
#include <vector>

namespace velmora {
namespace {

// Thousands of MsNos of every short length, neighbours differing in one character, each
// repeated later in the file, and rows without one: every MsNo finds its first row.
TEST(MsNoIndex, FindsTheFirstRowOfEveryMsNoAndNothingElse) {
    std::vector<QString> msNos;
    for (int i = 0; i < 3000; ++i) msNos.push_back(QString::number(i));
    for (int size = 1; size <= 12; ++size) msNos.push_back(QString(size, u'機'));
    UnitStore units;
    const auto add = [&units](const QString& msNo) { units.AddUnit({msNo, {}, {}, {}}); };
    for (const QString& msNo : msNos) add(msNo);
    add(QString());
    for (const QString& msNo : msNos) add(msNo);
    const MsNoIndex index(units);
    for (size_t i = 0; i < msNos.size(); ++i) ASSERT_EQ(index.Find(units, msNos[i]), int(i) + 1);
    EXPECT_EQ(index.Find(units, QString()), 0);
    EXPECT_EQ(index.Find(units, QStringLiteral(u"3000")), 0);
    EXPECT_EQ(index.Find(units, QString(13, u'機')), 0);
    EXPECT_EQ(MsNoIndex().Find(units, msNos[0]), 0);
}

}  // namespace
}  // namespace velmora
