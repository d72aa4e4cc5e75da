#include "catalogue/CatalogueLine.h"

#include "support/QtPrinters.h"
#include "support/UnitLine.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

// The ten columns of a weapon with the given name and detach mark and ordinary figures.
QStringList Marked(const QString& name, const QString& detach) {
    return {name,    S(u"実弾"), S(u"20"), S(u"1"), S(u"0"),
            S(u"0"), S(u"0"),    S(u"0"),  S(u"×"), detach};
}

TEST(CatalogueLineSplit, CountsFieldsUpTo88) {
    UnitStore store;
    CatalogueLine line(store);
    const QString unit = UnitLine();
    EXPECT_TRUE(line.Split(unit));
    EXPECT_EQ(line.FieldCount(), 88);

    const QString longer = unit + S(u",extra,more");
    EXPECT_TRUE(line.Split(longer));
    EXPECT_EQ(line.FieldCount(), 88);

    const QString shorter = unit.left(unit.lastIndexOf(u','));
    EXPECT_FALSE(line.Split(shorter));
    EXPECT_EQ(line.FieldCount(), 87);

    EXPECT_FALSE(line.Split(S(u"   ")));
    EXPECT_EQ(line.FieldCount(), 1);
    EXPECT_FALSE(line.Split(S(u",")));
    EXPECT_EQ(line.FieldCount(), 2);
}

// Commas are found sixteen characters a step, and within the weapons only each weapon's bounds
// are kept: fields of every width put commas at every place in and around a step, and every
// field between them, each weapon's ten included, reaches its column.
TEST(CatalogueLineSplit, CommasAnywhereInAStepEndTheirFields) {
    UnitStore store;
    CatalogueLine line(store);
    UnitLine weapons;
    for (int k = 0; k < 7; ++k)
        weapons.Weapon(k, {S(u"武器%1").arg(k), S(u"実弾"), QString::number(10 + k),
                           QString::number(k), S(u"%1").arg(-k), S(u"0"), S(u"1"), S(u"2"),
                           S(u"○"), k % 2 ? S(u"×") : S(u"－")});
    const typMsData base = LoadOne(weapons);
    for (int width = 0; width <= 17; ++width) {
        for (const int fields : {1, 2, 17, 18, 87, 88, 89, 120}) {
            const QString text = QStringList(fields, QString(width, u'x')).join(u',');
            EXPECT_EQ(line.Split(text), fields >= 88) << width << ' ' << fields;
            EXPECT_EQ(line.FieldCount(), std::min(fields, 88)) << width << ' ' << fields;
        }
        const QString name(width, u'名');
        UnitLine shifted = weapons;
        shifted.Set(Col::MsNo, QString(width, u'M')).Set(Col::Name, name);
        shifted.Set(Col::Category, S(u"限定"));
        const typMsData unit = LoadOne(shifted);
        EXPECT_EQ(unit.MsNo, QString(width, u'M'));
        EXPECT_EQ(unit.MsName, name);
        EXPECT_EQ(unit.Restriction, S(u"限定生産"));
        EXPECT_EQ(unit.Weapon, base.Weapon) << width;
        // A line with fields wider than a step throughout.
        UnitLine wide = weapons;
        wide.Set(2, WeaponCol::Name, QString(16 + width, u'砲'));
        EXPECT_EQ(LoadOne(wide).Weapon[2].Name, QString(16 + width, u'砲')) << width;
        EXPECT_EQ(LoadOne(wide).Weapon[3], base.Weapon[3]) << width;
    }
}

TEST(CatalogueLineSplit, QuotesAreOrdinaryCharacters) {
    const typMsData unit =
        LoadOne(UnitLine({{Col::MsNo, S(u"\"A")}, {Col::Army, S(u"B\"")}, {Col::Name, S(u"\"")}}));
    EXPECT_EQ(unit.MsNo, S(u"\"A"));
    EXPECT_EQ(unit.Army, 2);
    EXPECT_EQ(unit.MsName, S(u"\""));
}

TEST(CatalogueLineFill, EveryColumnReachesItsField) {
    const typMsData unit =
        LoadOne(UnitLine({{Col::MsNo, S(u"RX-78")},
                          {Col::Army, S(u"ZEON")},
                          {Col::Name, S(u"ヴェルデ")},
                          {Col::Unread3, S(u"ignored")},
                          {Col::EquipCode, S(u"0712345")},
                          {Col::Picture, S(u"ms/rx_78_2.img")},
                          {Col::Tec, S(u"Ｂ")},
                          {Col::Weight, S(u"nd")},
                          {Col::Hp, S(u"450")},
                          {Col::Armor, S(u"25")},
                          {Col::Away, S(u"31")},
                          {Col::Preemptive, S(u"42")},
                          {Col::Move, S(u"宇宙")},
                          {Col::Supply, S(u"9")},
                          {Col::Unread14, S(u"ignored")},
                          {Col::Category, S(u"専用")},
                          {Col::Repair, S(u"1200")},
                          {Col::Shield, S(u"nd")}})
                    .Weapon(6, {S(u"装甲×2"), S(u"nd"), S(u"08"), S(u"×3"), S(u"nd"), S(u"1.50"),
                                S(u"-05"), S(u"－"), QString(), S(u"×")}));
    EXPECT_EQ(unit.MsNo, S(u"RX-78"));
    EXPECT_EQ(unit.Army, 1);
    EXPECT_EQ(unit.MsName, S(u"ヴェルデ"));
    EXPECT_EQ(unit.EquipCode, S(u"0712345"));
    EXPECT_EQ(unit.ShieldLoad, S(u"7"));
    EXPECT_EQ(unit.ImageName, S(u"rx_78_2"));
    EXPECT_EQ(unit.ImageBase, S(u"rx_78"));
    EXPECT_EQ(unit.Tec, S(u"Ｂ"));
    EXPECT_EQ(unit.Weight, S(u"99"));
    EXPECT_EQ(unit.Hp, S(u"450"));
    EXPECT_EQ(unit.Armor, S(u"25"));
    EXPECT_EQ(unit.Away, S(u"31"));
    EXPECT_EQ(unit.AwayBase, S(u"31"));
    EXPECT_EQ(unit.Preemptive, S(u"42"));
    EXPECT_EQ(unit.PreemptiveBase, S(u"42"));
    EXPECT_EQ(unit.MoveType, S(u"宇"));
    EXPECT_EQ(unit.Move, S(u"0"));
    EXPECT_EQ(unit.MoveArea, S(u"宇宙"));
    EXPECT_EQ(unit.Supply, S(u"9"));
    EXPECT_EQ(unit.Restriction, S(u"専用機"));
    EXPECT_EQ(unit.Repair, S(u"1200"));
    EXPECT_EQ(unit.Shield, QString());

    const typWeapon& g = unit.Weapon[6];
    EXPECT_EQ(g.Name, S(u"装甲2"));
    EXPECT_EQ(g.Attribute, S(u"－"));
    EXPECT_EQ(g.Power, S(u"8"));
    EXPECT_EQ(g.Shots, S(u"3"));
    EXPECT_EQ(g.Range1, S(u"--"));
    EXPECT_EQ(g.Range2, S(u"1.5"));
    EXPECT_EQ(g.Range3, S(u"-5"));
    EXPECT_EQ(g.Range4, S(u"--"));
    EXPECT_EQ(g.AntiAir, S(u"○"));
    EXPECT_EQ(g.Detach, S(u"×"));
    EXPECT_EQ(g.AwayLoad, S(u"0"));
    EXPECT_EQ(g.Option, S(u"0"));

    // The loader never touches the fields the detail panel owns.
    EXPECT_EQ(unit.HpPlus, 0);
    EXPECT_EQ(unit.EquipPreemptive, 0);
    EXPECT_EQ(unit.ShieldLoadNow, QString());
}

TEST(CatalogueLineFill, EmptyWeaponSlotsLoadAsNothing) {
    const typWeapon a = LoadOne(UnitLine()).Weapon[0];
    EXPECT_EQ(a.Name, S(u"なし"));
    EXPECT_EQ(a.Attribute, S(u"－"));
    EXPECT_EQ(a.Power, S(u"0"));
    EXPECT_EQ(a.Shots, S(u"0"));
    EXPECT_EQ(a.Range1, S(u"--"));
    EXPECT_EQ(a.Range4, S(u"--"));
    EXPECT_EQ(a.AntiAir, S(u"○"));
    EXPECT_EQ(a.Detach, S(u"－"));
    EXPECT_EQ(a.AwayLoad, S(u"0"));
    EXPECT_EQ(a.DefaultEquipped, S(u"0"));
    EXPECT_EQ(a.Option, S(u"0"));
    EXPECT_EQ(a.Equipped, S(u"0"));
}

TEST(CatalogueLineFill, MoveColumnWithDigit) {
    const typMsData ground = LoadOne(UnitLine({{Col::Move, S(u"地上3")}}));
    EXPECT_EQ(ground.MoveType, S(u"地上"));
    EXPECT_EQ(ground.Move, S(u"3"));
    EXPECT_EQ(ground.MoveArea, S(u"地上"));
    const typMsData amphibious = LoadOne(UnitLine({{Col::Move, S(u"水陸")}}));
    EXPECT_EQ(amphibious.MoveType, S(u"水"));
    EXPECT_EQ(amphibious.Move, S(u"0"));
    EXPECT_EQ(amphibious.MoveArea, QString());
}

// One object fills many lines, sharing the texts that repeat; each record still gets its own
// line's values, and they outlive the line they came from.
TEST(CatalogueLineFill, RepeatedTextsOutliveTheirLineAndStayApart) {
    UnitStore store;
    CatalogueLine line(store);
    typMsData first;
    typMsData second;
    typMsData third;
    const auto fill = [&](typMsData& unit, const QString& text) {
        ASSERT_TRUE(line.Split(text));
        line.Fill();
        unit = store.Record(store.UnitCount());
    };
    const QStringList beam = {S(u"ビーム×2"), S(u"ビーム"), S(u"10"), S(u"×2")};
    const QStringList gun = {S(u"ビーム2"), S(u"実弾"), S(u"10"), S(u"3")};
    const QString space =
        UnitLine({{Col::EquipCode, S(u"0120000")}, {Col::Tec, S(u"Ａ")}, {Col::Move, S(u"宇宙4")}})
            .Weapon(0, beam);
    fill(first, space);
    fill(second,
         UnitLine({{Col::EquipCode, S(u"0130000")}, {Col::Tec, S(u"Ｂ")}, {Col::Move, S(u"地上4")}})
             .Weapon(0, gun));
    fill(third, space);

    EXPECT_EQ(first, third);
    EXPECT_EQ(first.EquipCode, S(u"0120000"));
    EXPECT_EQ(first.Tec, S(u"Ａ"));
    EXPECT_EQ(first.MoveType, S(u"宇宙"));
    EXPECT_EQ(first.Weapon[0].Name, S(u"ビーム2"));
    EXPECT_EQ(first.Weapon[0].Attribute, S(u"ビーム"));
    EXPECT_EQ(first.Weapon[0].Shots, S(u"2"));
    EXPECT_EQ(second.EquipCode, S(u"0130000"));
    EXPECT_EQ(second.Tec, S(u"Ｂ"));
    EXPECT_EQ(second.MoveType, S(u"地上"));
    EXPECT_EQ(second.Weapon[0].Name, S(u"ビーム2"));
    EXPECT_EQ(second.Weapon[0].Attribute, S(u"実弾"));
    EXPECT_EQ(second.Weapon[0].Shots, S(u"3"));
}

TEST(CatalogueLineEquipment, TimesThenTwoOptionsTakeLoadsFromCharacters3And4) {
    const typMsData unit = LoadOne(
        UnitLine(
            {{Col::EquipCode, S(u"0234000")}, {Col::Away, S(u"30")}, {Col::Preemptive, S(u"40")}})
            .Weapon(0, Marked(S(u"腕"), S(u"×")))
            .Weapon(1, Marked(S(u"バズーカ"), S(u"○")))
            .Weapon(2, Marked(S(u"ライフル"), S(u"○"))));
    const auto& w = unit.Weapon;
    EXPECT_EQ(w[0].AwayLoad, S(u"0"));
    EXPECT_EQ(w[0].Option, S(u"0"));
    EXPECT_EQ(w[1].AwayLoad, S(u"3"));
    EXPECT_EQ(w[2].AwayLoad, S(u"4"));
    EXPECT_EQ(w[1].Option, S(u"1"));
    EXPECT_EQ(w[2].Option, S(u"1"));
    EXPECT_EQ(w[1].DefaultEquipped, S(u"1"));
    EXPECT_EQ(w[1].Equipped, S(u"1"));
    EXPECT_EQ(w[2].DefaultEquipped, S(u"0"));
    EXPECT_EQ(w[2].Equipped, S(u"0"));
    // Only the first option's load: 30 + 3; pre-emption 40 + 3 \ 2 + shield load 2 \ 2.
    EXPECT_EQ(unit.Away, S(u"33"));
    EXPECT_EQ(unit.Preemptive, S(u"42"));
    EXPECT_EQ(unit.AwayBase, S(u"30"));
    EXPECT_EQ(unit.PreemptiveBase, S(u"40"));
}

TEST(CatalogueLineEquipment, DetachRowStartsANewChoiceGroup) {
    const typMsData unit = LoadOne(
        UnitLine(
            {{Col::EquipCode, S(u"0045600")}, {Col::Away, S(u"10")}, {Col::Preemptive, S(u"10")}})
            .Weapon(0, Marked(S(u"A"), S(u"○")))
            .Weapon(1, Marked(S(u"B"), S(u"○")))
            .Weapon(2, Marked(S(u"装備を外す"), S(u"－")))
            .Weapon(3, Marked(S(u"C"), S(u"○"))));
    const auto& w = unit.Weapon;
    EXPECT_EQ(w[0].DefaultEquipped, S(u"1"));
    EXPECT_EQ(w[1].DefaultEquipped, S(u"0"));
    EXPECT_EQ(w[2].Option, S(u"1"));
    EXPECT_EQ(w[2].DefaultEquipped, S(u"0"));
    EXPECT_EQ(w[2].Equipped, S(u"0"));
    EXPECT_EQ(w[2].AwayLoad, S(u"0"));
    EXPECT_EQ(w[3].DefaultEquipped, S(u"1"));
    // The detach row takes no position: C is the third marked weapon.
    EXPECT_EQ(w[0].AwayLoad, S(u"0"));
    EXPECT_EQ(w[1].AwayLoad, S(u"4"));
    EXPECT_EQ(w[3].AwayLoad, S(u"5"));
    // Loads of A (0) and C (5) added back; shield load 0.
    EXPECT_EQ(unit.Away, S(u"15"));
    EXPECT_EQ(unit.Preemptive, S(u"12"));
}

TEST(CatalogueLineEquipment, DetachNameCountsOnlyWithTheDashMark) {
    const typMsData unit = LoadOne(UnitLine({{Col::EquipCode, S(u"0099")}})
                                       .Weapon(0, Marked(S(u"装備を外す"), S(u"×")))
                                       .Weapon(1, Marked(S(u"装備を外す"), S(u"nd"))));
    EXPECT_EQ(unit.Weapon[0].Option, S(u"0"));
    EXPECT_EQ(unit.Weapon[1].Option, S(u"1"));
    EXPECT_EQ(unit.Weapon[1].Detach, S(u"－"));
}

TEST(CatalogueLineEquipment, ShortEquipCodeGivesEmptyLoad) {
    const typMsData unit = LoadOne(
        UnitLine({{Col::EquipCode, S(u"0")}, {Col::Away, S(u"nd")}, {Col::Preemptive, S(u"7")}})
            .Weapon(0, Marked(S(u"A"), S(u"○"))));
    EXPECT_EQ(unit.Weapon[0].AwayLoad, QString());
    EXPECT_EQ(unit.Weapon[0].Equipped, S(u"1"));
    // Missing evasion reads as 0 once a load has been added back.
    EXPECT_EQ(unit.Away, S(u"0"));
    EXPECT_EQ(unit.AwayBase, QString());
    EXPECT_EQ(unit.Preemptive, S(u"7"));
}

TEST(CatalogueLineEquipment, OddLoadsHalveDownwardsForPreemption) {
    const typMsData unit = LoadOne(
        UnitLine({{Col::EquipCode, S(u"0579")}, {Col::Away, S(u"-2")}, {Col::Preemptive, S(u"-3")}})
            .Weapon(0, Marked(S(u"A"), S(u"○"))));
    EXPECT_EQ(unit.Weapon[0].AwayLoad, S(u"5"));
    EXPECT_EQ(unit.Away, S(u"3"));
    // -3 + 5 \ 2 + 5 \ 2 (the shield's load, character 2, is also 5).
    EXPECT_EQ(unit.Preemptive, S(u"1"));
}

TEST(CatalogueLineShield, ShieldMarksAddTheShieldLoad) {
    const typMsData withShield = LoadOne(
        UnitLine({{Col::EquipCode, S(u"05")}, {Col::Away, S(u"30")}, {Col::Shield, S(u"盾あり")}}));
    EXPECT_EQ(withShield.Shield, S(u"○"));
    EXPECT_EQ(withShield.Away, S(u"35"));
    EXPECT_EQ(withShield.AwayBase, S(u"30"));
    EXPECT_EQ(withShield.Preemptive, S(u"40"));

    const typMsData circle = LoadOne(
        UnitLine({{Col::EquipCode, S(u"03")}, {Col::Away, S(u"30")}, {Col::Shield, S(u"○")}}));
    EXPECT_EQ(circle.Shield, S(u"○"));
    EXPECT_EQ(circle.Away, S(u"33"));
}

TEST(CatalogueLineShield, OtherShieldMarksLeaveEvasionAlone) {
    for (const char16_t* mark : {u"×", u"－", u"nd", u"", u"盾"}) {
        const typMsData unit = LoadOne(
            UnitLine({{Col::EquipCode, S(u"05")}, {Col::Away, S(u"30")}, {Col::Shield, S(mark)}}));
        EXPECT_EQ(unit.Shield, QString()) << S(mark).toStdString();
        EXPECT_EQ(unit.Away, S(u"30")) << S(mark).toStdString();
    }
}

TEST(CatalogueLineShield, ShieldAndOptionLoadsBothAddBack) {
    const typMsData unit = LoadOne(UnitLine({{Col::EquipCode, S(u"0426")},
                                             {Col::Away, S(u"20")},
                                             {Col::Preemptive, S(u"20")},
                                             {Col::Shield, S(u"○")}})
                                       .Weapon(0, Marked(S(u"A"), S(u"○"))));
    // The first marked weapon shares character 2 with the shield.
    EXPECT_EQ(unit.Weapon[0].AwayLoad, S(u"4"));
    EXPECT_EQ(unit.Away, S(u"28"));
    EXPECT_EQ(unit.Preemptive, S(u"24"));
}

}  // namespace
}  // namespace velmora::test
