#include "formation/FormationCompare.h"

#include "support/FormationFixtures.h"
#include "catalogue/clsMsData.h"
#include "formation/FormationRows.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::FormationUnit;
using test::LoadedCatalogue;

class FormationCompareTest : public ::testing::Test {
protected:
    FormationCompareTest()
        : catalogue_(LoadedCatalogue(
              {FormationUnit(S(u"1"), S(u"ヴェルデ")), FormationUnit(S(u"2"), S(u"ザルガ")),
               FormationUnit(S(u"3"), S(u"ドラグ")).Set(test::Col::Category, S(u"限定"))})) {}

    FormationState Current(const QString& msNos, const Commander& commander) const {
        return {RebuildRows(catalogue_, Lists(msNos)).rows, commander};
    }
    static FormationLists Lists(const QString& msNos) {
        const QStringList numbers = SplitList(msNos);
        const QStringList zeros(numbers.size(), S(u"0"));
        return {numbers, zeros, zeros, zeros};
    }
    QString Cell(const FormationComparison& c, CompareRow row, CompareSide side) const {
        return c.cells[std::size_t(row)][std::size_t(side)];
    }
    bool Differs(const FormationComparison& c, CompareRow row, CompareSide side) const {
        return c.differs[std::size_t(row)][std::size_t(side)];
    }

    clsMsData catalogue_;
};

TEST_F(FormationCompareTest, freeSlot_onlyTheFormationOnScreen) {
    const FormationComparison c =
        CompareFormations(Current(S(u"1"), {2, 1, 0, 0}), S(u"99"), std::nullopt, catalogue_);
    EXPECT_EQ(Cell(c, CompareRow::Commander, CompareSide::Current), S(u"大尉 Lv1 勲章0 搭載解除0"));
    EXPECT_EQ(Cell(c, CompareRow::Load, CompareSide::Current), S(u"20 / 50"));
    EXPECT_EQ(Cell(c, CompareRow::Left, CompareSide::Current), S(u"30"));
    EXPECT_EQ(Cell(c, CompareRow::Missing, CompareSide::Current), S(u"0"));
    for (int r = 0; r < kCompareRowCount; ++r) {
        EXPECT_EQ(c.cells[std::size_t(r)][1], QString());
        EXPECT_EQ(c.cells[std::size_t(r)][2], QString());
    }
    EXPECT_EQ(c.unitsOnOneSide, QString());
}

TEST_F(FormationCompareTest, slotWithMissingUnitsAndRepeats_underBothCommanders) {
    // Over the capacity for the 少尉 on screen; within it for the stored 大佐.
    const SavedFormation slot{Lists(S(u"2,GONE,2,2,,3")), Commander{5, 60, 3, 1}};
    const FormationComparison c =
        CompareFormations(Current(S(u"1,2,3,1"), {0, 1, 0, 0}), S(u"99"), slot, catalogue_);
    EXPECT_EQ(Cell(c, CompareRow::Missing, CompareSide::SlotUnderCurrent), S(u"2（No.2, No.5）"));
    EXPECT_EQ(Cell(c, CompareRow::Load, CompareSide::SlotUnderCurrent), S(u"80 / 48"));
    EXPECT_EQ(Cell(c, CompareRow::Left, CompareSide::SlotUnderCurrent), S(u"-32"));
    EXPECT_EQ(Cell(c, CompareRow::Verdict, CompareSide::SlotUnderCurrent),
              S(u"搭載オーバーです。"));
    EXPECT_EQ(Cell(c, CompareRow::Load, CompareSide::SlotUnderStored), S(u"80 / 115"));
    EXPECT_EQ(Cell(c, CompareRow::Verdict, CompareSide::SlotUnderStored), S(u"残り搭載 35"));
    EXPECT_EQ(Cell(c, CompareRow::Commander, CompareSide::SlotUnderStored),
              S(u"大佐 Lv60 勲章3 搭載解除1"));
    EXPECT_TRUE(Differs(c, CompareRow::Verdict, CompareSide::SlotUnderStored));
    EXPECT_FALSE(Differs(c, CompareRow::Commander, CompareSide::SlotUnderStored));
    // The same number of limited units on both sides: no tint.
    EXPECT_EQ(Cell(c, CompareRow::Limited, CompareSide::SlotUnderCurrent),
              Cell(c, CompareRow::Limited, CompareSide::Current));
    EXPECT_FALSE(Differs(c, CompareRow::Limited, CompareSide::SlotUnderCurrent));
    // Names in each side's order, a repeat counted, a unit without a name by its number.
    EXPECT_EQ(c.unitsOnOneSide, S(u"現在のみ: ヴェルデ ×2　スロットのみ: ザルガ ×2, GONE, －"));
}

TEST_F(FormationCompareTest, oldSlotWithoutCommander_sameUnits_noNamesNoStoredFigures) {
    const FormationComparison c =
        CompareFormations(Current(S(u"2,1"), {2, 1, 0, 0}), S(u"99"),
                          SavedFormation{Lists(S(u"1,2")), {}}, catalogue_);
    EXPECT_EQ(Cell(c, CompareRow::Commander, CompareSide::SlotUnderStored), S(u"指揮官の記録なし"));
    for (int r = 1; r < kCompareRowCount; ++r) EXPECT_EQ(c.cells[std::size_t(r)][2], QString());
    EXPECT_EQ(Cell(c, CompareRow::Verdict, CompareSide::SlotUnderCurrent),
              Cell(c, CompareRow::Verdict, CompareSide::Current));
    EXPECT_EQ(c.unitsOnOneSide, QString());
}

}  // namespace
}  // namespace velmora
