#include "rules/Reconstruct.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// Away 30, Preemptive 20, shield load 3; weapon C is an option with load 5.
typMsData Unit(const QString& equippedC = QStringLiteral(u"1")) {
    typMsData unit;
    unit.MsName = QStringLiteral(u"試験機");
    unit.Away = QStringLiteral(u"30");
    unit.Preemptive = QStringLiteral(u"20");
    unit.ShieldLoad = QStringLiteral(u"3");
    for (typWeapon& weapon : unit.Weapon) {
        weapon.AwayLoad = QStringLiteral(u"0");
        weapon.Equipped = QStringLiteral(u"0");
    }
    unit.Weapon[2].AwayLoad = QStringLiteral(u"5");
    unit.Weapon[2].Equipped = equippedC;
    return unit;
}

TEST(CalcReconstruct, WorkedExampleWithShieldOptionAndEvasionTrade) {
    typMsData unit = Unit();
    EXPECT_TRUE(CalcReconstruct(unit, 1, 1));
    EXPECT_EQ(unit.HpPlus, -24);
    EXPECT_EQ(unit.AwayPlus, 3);
    EXPECT_EQ(unit.ShieldLoadNow, u"3");
    EXPECT_EQ(unit.EquipPreemptive, -2);
    EXPECT_EQ(AwayShown(unit), 30);
    EXPECT_EQ(PreemptiveShown(unit), 17);
}

TEST(CalcReconstruct, EachCodeSetsItsPairOfBonusesOnly) {
    const int expected[9][4] = {{0, 0, 0, 0},   {-24, 0, 0, 8}, {0, -3, 0, 8},
                                {-24, 0, 1, 0}, {0, -3, 1, 0},  {24, 0, 0, -8},
                                {24, 0, -1, 0}, {0, 3, 0, -8},  {0, 3, -1, 0}};
    for (int code = 0; code < 9; ++code) {
        typMsData unit = Unit(QStringLiteral(u"0"));
        ASSERT_TRUE(CalcReconstruct(unit, 0, code));
        EXPECT_EQ(unit.HpPlus, expected[code][0]) << code;
        EXPECT_EQ(unit.ArmorPlus, expected[code][1]) << code;
        EXPECT_EQ(unit.MovePlus, expected[code][2]) << code;
        EXPECT_EQ(unit.AwayPlus, expected[code][3]) << code;
        EXPECT_EQ(unit.PreemptivePlus, 0);
        EXPECT_EQ(ModificationCodeOf(ModificationTexts()[code]), code);
    }
    EXPECT_EQ(ModificationCodeOf(QStringLiteral(u"回避↑ＨＰ↓")), -1);
}

TEST(CalcReconstruct, RepeatedOrChangedChoicesDoNotAccumulate) {
    typMsData unit = Unit();
    CalcReconstruct(unit, 1, 1);
    CalcReconstruct(unit, 1, 1);
    EXPECT_EQ(unit.AwayPlus, 3);
    EXPECT_EQ(unit.EquipPreemptive, -2);
    CalcReconstruct(unit, 1, 5);
    EXPECT_EQ(unit.HpPlus, 24);
    EXPECT_EQ(unit.AwayPlus, -13);
    CalcReconstruct(unit, 0, 0);
    EXPECT_EQ(unit.ShieldLoadNow, u"0");
    EXPECT_EQ(AwayShown(unit), 25);
    EXPECT_EQ(PreemptiveShown(unit), 18);
}

TEST(CalcReconstruct, UnknownCodeFailsButShieldAndOptionStillApply) {
    for (int code : {-1, 9}) {
        typMsData unit = Unit();
        unit.HpPlus = 7;
        EXPECT_FALSE(CalcReconstruct(unit, 1, code));
        EXPECT_EQ(unit.HpPlus, 0);
        EXPECT_EQ(unit.AwayPlus, -5);
        EXPECT_EQ(unit.EquipPreemptive, -2);
        EXPECT_EQ(unit.ShieldLoadNow, u"3");
    }
}

TEST(CalcReconstruct, RemovingTheOptionClearsItsPreemptionLoad) {
    typMsData unit = Unit();
    CalcReconstruct(unit, 0, 0);
    unit.Weapon[2].Equipped = QStringLiteral(u"0");
    unit.Weapon[4].Name = QStringLiteral(u"装備を外す");
    unit.Weapon[4].Equipped = QStringLiteral(u"1");
    CalcReconstruct(unit, 0, 0);
    EXPECT_EQ(unit.AwayPlus, 0);
    EXPECT_EQ(unit.EquipPreemptive, 0);
}

TEST(CalcReconstruct, TwoEquippedRowsBothLoadTheEvasionButTheLastHalfLoadStands) {
    typMsData unit = Unit();
    unit.Weapon[5].AwayLoad = QStringLiteral(u"2");
    unit.Weapon[5].Equipped = QStringLiteral(u"1");
    CalcReconstruct(unit, 0, 0);
    EXPECT_EQ(unit.AwayPlus, -7);
    EXPECT_EQ(unit.EquipPreemptive, -1);
}

TEST(CalcReconstruct, ShieldWithoutLoadDigitCountsAsNone) {
    typMsData unit = Unit(QStringLiteral(u"0"));
    unit.ShieldLoad.clear();
    CalcReconstruct(unit, 1, 0);
    EXPECT_EQ(unit.ShieldLoadNow, u"");
    EXPECT_EQ(AwayShown(unit), 30);
    EXPECT_EQ(PreemptiveShown(unit), 20);
}

}  // namespace
}  // namespace velmora
