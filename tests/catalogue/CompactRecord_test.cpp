// The compact units give back, through Record, GetMsData and FindMsData, exactly the unit
// records the catalogue's rules make field by field: every column rule on lines built for it,
// the test catalogues and the demo.
#include "catalogue/CatalogueRules.h"
#include "catalogue/NumberText.h"
#include "catalogue/TextCodec.h"
#include "catalogue/clsMsData.h"
#include "support/QtPrinters.h"
#include "support/UnitLine.h"
#include "support/TestText.h"

#include <gtest/gtest.h>
#include <QFile>

namespace velmora::test {
namespace {

long long HalfLoad(const QString& load) { return num::Half(num::WholeInt(rules::Value(load))); }

// The unit record made straight from the fields of one line, one rule per field, without any
// sharing: what the catalogue held per unit before it kept units compact.
typMsData ReferenceRecord(QStringView line) {
    const QList<QStringView> f = line.split(u',');
    const auto field = [&](Col c) { return f[int(c)]; };
    const auto weaponField = [&](int k, WeaponCol c) { return f[WeaponColumnIndex(k, c)]; };
    typMsData unit;
    const QStringView equipCode = field(Col::EquipCode);
    unit.MsNo = field(Col::MsNo).toString();
    unit.Army = rules::Army(field(Col::Army));
    unit.MsName = field(Col::Name).toString();
    unit.Hp = rules::Numeric(field(Col::Hp));
    unit.Weight = rules::Weight(field(Col::Weight));
    unit.Repair = rules::Numeric(field(Col::Repair));
    unit.Armor = rules::Numeric(field(Col::Armor));
    unit.ShieldLoad = rules::SecondChar(equipCode);
    unit.Preemptive = unit.PreemptiveBase = rules::Numeric(field(Col::Preemptive));
    unit.Away = unit.AwayBase = rules::Numeric(field(Col::Away));
    unit.MoveType = rules::MoveType(field(Col::Move));
    unit.MoveArea = rules::MoveArea(unit.MoveType);
    unit.Move = rules::Move(field(Col::Move));
    unit.Supply = rules::Numeric(field(Col::Supply));
    unit.Restriction = rules::Category(field(Col::Category));
    unit.EquipCode = rules::Text(equipCode);
    unit.ImageBase = rules::ImageBaseOfName(rules::ImageName(field(Col::Picture))).toString();
    unit.ImageName = rules::ImageName(field(Col::Picture)).toString();
    unit.Tec = rules::Text(field(Col::Tec));
    int position = 0;
    bool firstChoicePending = true;
    for (int k = 0; k < kWeaponCount; ++k) {
        typWeapon& w = unit.Weapon[size_t(k)];
        w.Name = rules::WeaponName(weaponField(k, WeaponCol::Name));
        w.Attribute = rules::DashDefault(weaponField(k, WeaponCol::Attribute));
        w.Power = rules::NumberOrZero(weaponField(k, WeaponCol::Power));
        w.Shots = rules::Shots(weaponField(k, WeaponCol::Shots));
        w.Range1 = rules::NumberOrDashes(weaponField(k, WeaponCol::Range1));
        w.Range2 = rules::NumberOrDashes(weaponField(k, WeaponCol::Range2));
        w.Range3 = rules::NumberOrDashes(weaponField(k, WeaponCol::Range3));
        w.Range4 = rules::NumberOrDashes(weaponField(k, WeaponCol::Range4));
        w.AntiAir = rules::AntiAir(weaponField(k, WeaponCol::AntiAir));
        w.Detach = rules::Detach(weaponField(k, WeaponCol::Detach));
        w.AwayLoad = w.DefaultEquipped = w.Option = w.Equipped = S(u"0");
        if (w.Detach == u"×") {
            ++position;
        } else if (w.Detach == u"○") {
            ++position;
            const QString load = rules::CharAt(equipCode, position);
            if (firstChoicePending) {
                unit.Away = rules::NumberText(rules::Value(unit.Away) + rules::Value(load));
                const long long halfLoads = HalfLoad(load) + HalfLoad(unit.ShieldLoad);
                unit.Preemptive =
                    rules::NumberText(rules::Value(unit.Preemptive) + double(halfLoads));
                w.DefaultEquipped = w.Equipped = S(u"1");
                firstChoicePending = false;
            }
            w.Option = S(u"1");
            w.AwayLoad = load;
        } else if (w.Name == u"装備を外す") {
            w.Option = S(u"1");
            firstChoicePending = true;
        }
    }
    const QStringView shield = field(Col::Shield);
    if (shield == u"○" || shield == u"盾あり") {
        unit.Shield = S(u"○");
        unit.Away = rules::NumberText(rules::Value(unit.ShieldLoad) + rules::Value(unit.Away));
    }
    return unit;
}

// Every row of the catalogue made from bytes against the reference record of its line, and
// every number's look-ups against the reference record of its first line.
void ExpectSameAsReference(const QByteArray& bytes) {
    std::vector<typMsData> expected;
    qsizetype number = 0;
    ASSERT_GE(ForEachLine(bytes,
                          [&](QStringView line) {
                              if (++number > 1 && !line.isEmpty())
                                  expected.push_back(ReferenceRecord(line));
                          }),
              0);
    clsMsData catalogue;
    ASSERT_TRUE(catalogue.LoadFromBytes(bytes).ok());
    ASSERT_EQ(AllRecords(catalogue), expected);
    for (auto it = expected.rbegin(); it != expected.rend(); ++it) {
        if (it->MsNo.isEmpty()) continue;
        const auto first = std::find_if(expected.begin(), expected.end(),
                                        [&](const typMsData& u) { return u.MsNo == it->MsNo; });
        EXPECT_EQ(catalogue.GetMsData(it->MsNo), *first) << it->MsNo.toStdString();
        ASSERT_NE(catalogue.FindMsData(it->MsNo), nullptr);
        EXPECT_EQ(*catalogue.FindMsData(it->MsNo), *first);
    }
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

TEST(CompactRecord, EveryColumnRuleGivesTheRecordItsFieldsMake) {
    const QStringList plain = {S(u"ビーム×2"), S(u"ビーム"), S(u"08"), S(u"×2"), S(u"5"),
                               S(u"-3"),       S(u"1.5"),    S(u"nd"), S(u"×"),  S(u"○")};
    const QStringList odd = {S(u"－"), S(u"nd"), S(u"abc"),   S(u""),  S(u"+2"),
                             S(u"－"), S(u"１"), S(u"99999"), S(u"x"), S(u"×")};
    const QStringList lines = {
        UnitLine(
            {{Col::Army, S(u"ZEON")}, {Col::Shield, S(u"盾あり")}, {Col::EquipCode, S(u"0436000")}})
            .Weapon(0, plain)
            .Weapon(1, odd)
            .Weapon(2, plain)
            .Weapon(3, {S(u"装備を外す"), S(u"nd"), S(u"0"), S(u"0"), S(u"0"), S(u"0"), S(u"0"),
                        S(u"0"), S(u"○"), S(u"－")})
            .Weapon(4, plain),
        UnitLine({{Col::MsNo, S(u"MS-02")},
                  {Col::Army, S(u"other")},
                  {Col::Hp, S(u"nd")},
                  {Col::Armor, S(u"")},
                  {Col::Away, S(u"1.5")},
                  {Col::Preemptive, S(u"-4")},
                  {Col::Move, S(u"水陸両用")},
                  {Col::Supply, S(u"０")},
                  {Col::Weight, S(u"nd")},
                  {Col::Category, S(u"限定")},
                  {Col::Repair, S(u"1e3")},
                  {Col::Shield, S(u"○")},
                  {Col::EquipCode, S(u"0")},
                  {Col::Picture, S(u"noslash.img")},
                  {Col::Tec, S(u"")}}),
        UnitLine({{Col::MsNo, S(u"")},
                  {Col::Move, S(u"宇宙")},
                  {Col::Category, S(u"専用")},
                  {Col::Picture, S(u"ms/a_b.img")},
                  {Col::Weight, S(u"abc")}})
            .Weapon(0, odd),
        // The same number again: look-ups give the first line.
        UnitLine({{Col::Move, S(u"汎用12")}, {Col::Category, S(u"ＮＴ専用")}}).Weapon(6, plain),
    };
    ExpectSameAsReference(CatalogueBytes(lines));
}

TEST(CompactRecord, TestCataloguesAndTheDemoGiveTheRecordsTheirFieldsMake) {
    for (const char* name : {"/catalogue/unitdata_cp932_crlf.csv",
                             "/catalogue/unitdata_utf8_lf.csv", "/../../data/demo/unitdata.csv"}) {
        SCOPED_TRACE(name);
        ExpectSameAsReference(
            FileBytes(QString::fromUtf8(VELMORA_TEST_DATA) + QLatin1String(name)));
    }
}

}  // namespace
}  // namespace velmora::test
