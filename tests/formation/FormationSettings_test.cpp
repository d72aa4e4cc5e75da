#include "formation/FormationSettings.h"

#include "support/FormationFixtures.h"
#include "formation/FormationText.h"
#include "support/TestFolder.h"
#include "system/SettingsFile.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QFile>
#include <limits>

namespace velmora {
namespace {

using test::Rank;

TEST(FormationSettingsWholeNumber, readsTheLeadingNumberRoundedWithHalvesToEven) {
    EXPECT_EQ(FormationSettings::WholeNumber(QStringLiteral(u"7.5")), 8);
    EXPECT_EQ(FormationSettings::WholeNumber(QStringLiteral(u"6.5")), 6);
    EXPECT_EQ(FormationSettings::WholeNumber(QStringLiteral(u"7.6")), 8);
    EXPECT_EQ(FormationSettings::WholeNumber(QStringLiteral(u"-1")), -1);
    EXPECT_EQ(FormationSettings::WholeNumber(QStringLiteral(u" 12x")), 12);
    EXPECT_EQ(FormationSettings::WholeNumber(QStringLiteral(u"abc")), 0);
    EXPECT_EQ(FormationSettings::WholeNumber(QString()), 0);
    EXPECT_EQ(FormationSettings::WholeNumber(QStringLiteral(u"2147483647")), std::numeric_limits<int>::max());
    EXPECT_EQ(FormationSettings::WholeNumber(QStringLiteral(u"-2147483648")), std::numeric_limits<int>::min());
}

TEST(FormationSettingsWholeNumber, beyondThirtyTwoBits_givesNoValue) {
    EXPECT_FALSE(FormationSettings::WholeNumber(QStringLiteral(u"2147483648")).ok());
    EXPECT_FALSE(FormationSettings::WholeNumber(QStringLiteral(u"-2147483649")).ok());
    EXPECT_FALSE(FormationSettings::WholeNumber(QStringLiteral(u"2147483647.5")).ok());  // rounds to 2^31
    EXPECT_FALSE(FormationSettings::WholeNumber(QStringLiteral(u"99999999999999999999")).ok());
    EXPECT_FALSE(FormationSettings::WholeNumber(QStringLiteral(u"1e300")).ok());
}

TEST(FormationSettings, CommanderKeys_oneWrite_rangesApplied_missingFileWritesNothing) {
    test::TestFolder folder;
    SettingsFile settings(folder.Write(QStringLiteral("setting.ini"),
                                       "[Setting]\r\nclass=9\r\nlevel=7.5\r\nskill=x\r\n"));
    FormationSettings store(settings);
    const StoredCommander stored = store.ReadCommander();
    EXPECT_EQ(stored.rank, 9);
    EXPECT_EQ(stored.level, 8);
    EXPECT_EQ(stored.skill, 0);
    EXPECT_EQ(CommanderFromStored(stored), Rank(0, 0, 8, 0));
    EXPECT_EQ(CommanderFromStored({3, 100, -1, 3}), Rank(3, 3, 1, 0));

    Commander none;
    EXPECT_TRUE(store.WriteCommander(none).ok());
    EXPECT_EQ(settings.Read(QStringLiteral("Setting"), QStringLiteral("class")),
              QStringLiteral("9"));
    EXPECT_TRUE(store.WriteCommander(Rank(2, 1, 30, 5)).ok());
    EXPECT_EQ(folder.Read(QStringLiteral("setting.ini")),
              "[Setting]\r\nclass=2\r\nlevel=30\r\nskill=1\r\ndecoration=5\r\n");

    EXPECT_EQ(store.ReadDefaultFormation(), std::nullopt);
    FormationLists lists;
    lists.msNos = {QStringLiteral("A")};
    lists.shields = lists.modifications = lists.weapons = {QStringLiteral("0")};
    EXPECT_TRUE(store.WriteDefaultFormation(lists, QDateTime(QDate(2026, 2, 3), QTime(9, 5))).ok());
    EXPECT_EQ(store.ReadDefaultFormation(), lists);

    SettingsFile missing(folder.Path() + QStringLiteral("/none.ini"));
    FormationSettings nowhere(missing);
    EXPECT_TRUE(nowhere.WriteCommander(Rank(1)).ok());
    EXPECT_TRUE(nowhere.WriteDefaultFormation(lists, QDateTime()).ok());
    EXPECT_FALSE(QFile::exists(missing.Path()));
}

}  // namespace
}  // namespace velmora
