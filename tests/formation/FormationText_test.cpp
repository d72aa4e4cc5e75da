#include "formation/FormationText.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QStringList>

namespace velmora {
namespace {

TEST(FormationText, MadeAndSplitBack) {
    const QDateTime when(QDate(2026, 2, 3), QTime(9, 5, 59));
    EXPECT_EQ(MakeFormationText(QStringLiteral(u"デフォルト編成"), when, FormationLists{}),
              QStringLiteral(u"デフォルト編成\t02.03 09:05\t\t\t\t"));
    EXPECT_EQ(FormatStamp(QDateTime(QDate(2026, 12, 31), QTime(23, 59))),
              QStringLiteral("12.31 23:59"));

    const QString text = QStringLiteral(u"c\t01.01 00:00\tA,B\t0,1\t2,3\t4,5\textra");
    EXPECT_EQ(ListsOfFormationText(text).Joined(), QStringLiteral("A,B\t0,1\t2,3\t4,5"));
    EXPECT_EQ(ListsOfFormationText(QStringLiteral(u"c\tstamp")).Joined(), QStringLiteral("\t\t\t"));
    const FormationLists parsed = FormationLists::Parse(QStringLiteral("A,B\t0"));
    EXPECT_EQ(parsed.msNos, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(parsed.shields, QStringList{QStringLiteral("0")});
    EXPECT_TRUE(parsed.modifications.isEmpty());
    EXPECT_TRUE(parsed.weapons.isEmpty());
}

}  // namespace
}  // namespace velmora
