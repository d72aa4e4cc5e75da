#include "formation/FormationRows.h"

#include "support/FormationFixtures.h"
#include "rules/PanelFigures.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::FormationUnit;
using test::LoadedCatalogue;

// A unit with a shield of load 3 and a choice of two options: weapon B takes a place in the load
// code without being an option, weapon C (load 5) is equipped by default, weapon D (load 4) is
// the other choice. Evasion 30 and pre-emption 20 as the catalogue gives them.
QString OptionUnit() {
    const auto weapon = [](const QString& name, const QString& detach) {
        return QStringList{name,
                           QStringLiteral("B"),
                           QStringLiteral("10"),
                           QStringLiteral("1"),
                           QStringLiteral("0"),
                           QStringLiteral("0"),
                           QStringLiteral("0"),
                           QStringLiteral("nd"),
                           QStringLiteral(u"○"),
                           detach};
    };
    return FormationUnit(QStringLiteral("M1"), QStringLiteral("Option"))
        .Set(test::Col::EquipCode, QStringLiteral("0354"))
        .Set(test::Col::Move, QStringLiteral(u"地上9"))
        .Set(test::Col::Category, QStringLiteral(u"限定"))
        .Set(test::Col::Shield, QStringLiteral(u"○"))
        .Weapon(0, weapon(QStringLiteral("fixed"), QStringLiteral(u"－")))
        .Weapon(1, weapon(QStringLiteral("arm"), QStringLiteral(u"×")))
        .Weapon(2, weapon(QStringLiteral("rifle"), QStringLiteral(u"○")))
        .Weapon(3, weapon(QStringLiteral("bazooka"), QStringLiteral(u"○")));
}

class RebuiltRows : public ::testing::Test {
protected:
    RebuiltRows() : catalogue_(LoadedCatalogue({OptionUnit()})) {}

    FormationRow Row(const QString& shield, const QString& code, const QString& weapon) const {
        return RebuiltRow(catalogue_, QStringLiteral("M1"), shield, code, weapon);
    }

    // The unit as the detail panel holds it after the user equipped `weaponRow` (0: none).
    typMsData Equipped(int weaponRow) const {
        typMsData unit = catalogue_.GetMsData(QStringLiteral("M1"));
        EquipRow(unit, weaponRow);
        return unit;
    }

    clsMsData catalogue_;
};

TEST_F(RebuiltRows, StoredChoicesApplied_cellsAsTheDetailPanelShowsThem) {
    const FormationRow row = Row(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("3"));
    EXPECT_EQ(row[FormationColumn::MsNo], QStringLiteral("M1"));
    EXPECT_EQ(row[FormationColumn::Name], QStringLiteral("Option"));
    EXPECT_EQ(row[FormationColumn::Weight], QStringLiteral("20"));
    EXPECT_EQ(row[FormationColumn::Hp], QStringLiteral("76"));
    EXPECT_EQ(row[FormationColumn::Armor], QStringLiteral("10"));
    // Catalogue 30 with rifle and shield; rifle -5, shield -3, modification +8.
    EXPECT_EQ(row[FormationColumn::Away], QStringLiteral("38"));
    EXPECT_EQ(row[FormationColumn::Preemptive], QStringLiteral("20"));
    EXPECT_EQ(row[FormationColumn::Move], QStringLiteral(u"地9"));
    EXPECT_EQ(row[FormationColumn::Unused], QString());
    EXPECT_EQ(row[FormationColumn::Category], QStringLiteral(u"限定"));
    EXPECT_EQ(row[FormationColumn::Repair], QStringLiteral("10"));
    for (int c = Col(FormationColumn::LowHp); c <= Col(FormationColumn::Support); ++c)
        EXPECT_EQ(row[c], QString()) << c;
    EXPECT_EQ(row[FormationColumn::Shield], QStringLiteral("1"));
    EXPECT_EQ(row[FormationColumn::Modification], QStringLiteral("1"));
    EXPECT_EQ(row[FormationColumn::Weapon], QStringLiteral("3"));
}

TEST_F(RebuiltRows, DeployedUnitAndItsStoredListsGiveTheSameRow_forEveryChoice) {
    for (int shield : {0, 1})
        for (int code = 0; code <= 8; ++code)
            for (int weapon : {0, 3, 4}) {
                const FormationRow deployed = UnitRow(Equipped(weapon), shield, code);
                const FormationLists stored = ListsOfRows({deployed});
                const FormationRow rebuilt =
                    RebuiltRow(catalogue_, stored.msNos[0], stored.shields[0],
                               stored.modifications[0], stored.weapons[0]);
                EXPECT_EQ(rebuilt, deployed) << shield << ' ' << code << ' ' << weapon;
            }
}

TEST_F(RebuiltRows, UnitRow_storesTheChoicesAndTheLastEquippedRow) {
    // Fresh from the catalogue the rifle (row 3) is equipped.
    const FormationRow row = UnitRow(catalogue_.GetMsData(QStringLiteral("M1")), 1, 7);
    EXPECT_EQ(row[FormationColumn::Shield], QStringLiteral("1"));
    EXPECT_EQ(row[FormationColumn::Modification], QStringLiteral("7"));
    EXPECT_EQ(row[FormationColumn::Weapon], QStringLiteral("3"));
    EXPECT_EQ(row[FormationColumn::Armor], QStringLiteral("13"));
    EXPECT_EQ(row[FormationColumn::Away],
              QStringLiteral("22"));  // 30 as catalogued, less the trade's 8
}

TEST_F(RebuiltRows, WeaponEntryZero_noOptionEquipped_evenWhereTheCatalogueEquipsOne) {
    const FormationRow none = Row(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
    EXPECT_EQ(none[FormationColumn::Away],
              QStringLiteral("38"));  // 30 + rifle 5 + shield 3 added back
    EXPECT_EQ(none[FormationColumn::Preemptive], QStringLiteral("23"));  // 20 + 5 \ 2 + 3 \ 2
    const FormationRow other = Row(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("4"));
    EXPECT_EQ(other[FormationColumn::Away], QStringLiteral("34"));
    EXPECT_EQ(other[FormationColumn::Preemptive], QStringLiteral("21"));
}

TEST_F(RebuiltRows, MoveReachingTwoDigits_showsTheWholeNumber) {
    EXPECT_EQ(
        Row(QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("3"))[FormationColumn::Move],
        QStringLiteral(u"地10"));
    EXPECT_EQ(UnitRow(Equipped(0), 0, 4)[FormationColumn::Move], QStringLiteral(u"地10"));
}

TEST_F(RebuiltRows, NonNumericEntries_countAsZero_butAreKeptAsStored) {
    const FormationRow row = Row(QStringLiteral("x"), QStringLiteral("abc"), QString());
    EXPECT_EQ(row[FormationColumn::Hp], QStringLiteral("100"));
    EXPECT_EQ(row[FormationColumn::Away], QStringLiteral("38"));
    EXPECT_EQ(row[FormationColumn::Shield], QStringLiteral("x"));
    EXPECT_EQ(row[FormationColumn::Modification], QStringLiteral("abc"));
    EXPECT_EQ(row[FormationColumn::Weapon], QString());
    // Entries far beyond any code neither crash nor pass for a known modification.
    const FormationRow huge =
        Row(QStringLiteral("1e30"), QStringLiteral("1e30"), QStringLiteral("1e30"));
    EXPECT_EQ(huge[FormationColumn::Hp], QStringLiteral("100"));
    EXPECT_EQ(huge[FormationColumn::Away], QStringLiteral("35"));  // shield fitted, no option
}

TEST_F(RebuiltRows, UnknownUnit_keepsItsNumber_emptyTextCells_numbersHoldOnlyTheModification) {
    const FormationRow row = RebuiltRow(catalogue_, QStringLiteral("nope"), QStringLiteral("1"),
                                        QStringLiteral("1"), QStringLiteral("2"));
    EXPECT_EQ(row[FormationColumn::MsNo], QStringLiteral("nope"));
    for (const FormationColumn c : {FormationColumn::Name, FormationColumn::Weight,
                                    FormationColumn::Category, FormationColumn::Repair})
        EXPECT_EQ(row[c], QString()) << Col(c);
    EXPECT_EQ(row[FormationColumn::Hp], QStringLiteral("-24"));
    EXPECT_EQ(row[FormationColumn::Away], QStringLiteral("8"));
    EXPECT_EQ(row[FormationColumn::Move], QStringLiteral("0"));
    EXPECT_EQ(row[FormationColumn::Weapon], QStringLiteral("2"));
}

TEST(FormationLists, ListsOfRows_oneEntryPerRowInOrder_repeatsKept) {
    std::vector<FormationRow> rows(3);
    const QString numbers[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("A")};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i][FormationColumn::MsNo] = numbers[i];
        rows[i][FormationColumn::Shield] = QString::number(i % 2);
        rows[i][FormationColumn::Modification] = QString::number(i + 4);
        rows[i][FormationColumn::Weapon] = QString::number(i);
    }
    const FormationLists lists = ListsOfRows(rows);
    EXPECT_EQ(lists.Joined(), QStringLiteral("A,B,A\t0,1,0\t4,5,6\t0,1,2"));
    EXPECT_EQ(ListsOfRows({}).Joined(), QStringLiteral("\t\t\t"));
    EXPECT_EQ(ListsOfRows({rows[1]}).Joined(), QStringLiteral("B\t1\t5\t1"));
}

}  // namespace
}  // namespace velmora
