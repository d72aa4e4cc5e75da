#include "formation/DeployPreview.h"

#include "support/FormationFixtures.h"
#include "catalogue/clsMsData.h"
#include "formation/FormationRows.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::FormationUnit;
using test::LoadedCatalogue;
using test::Rank;
using test::Units;

TEST(DeployPreview, SaysTheVerdictAndLoadTheUnitWouldLeave) {
    const clsMsData catalogue = LoadedCatalogue({FormationUnit(S(u"A"), S(u"ヴェルデ"))
                                                     .Set(test::Col::Weight, S(u"12"))
                                                     .Set(test::Col::Category, S(u"一機"))});
    const typMsData& unit = catalogue.Record(1);
    const FormationRow listed = ListedUnitRow(unit);
    EXPECT_EQ(listed[FormationColumn::Weight], S(u"12"));
    EXPECT_EQ(listed[FormationColumn::Category], S(u"一機"));
    EXPECT_EQ(listed[FormationColumn::Repair], S(u"10"));

    EXPECT_EQ(DeployPreview(unit, Rank(2), S(u"99"), Units(1, S(u"量産"), S(u"30")), catalogue),
              S(u"配備すると: 残り搭載 8\n搭載 42 / 50　残り 8"));
    EXPECT_EQ(DeployPreview(unit, Rank(2, 1), S(u"99"), Units(1, S(u"一機"), S(u"30")), catalogue),
              S(u"配備すると: 残り搭載 2\n搭載 42 / 44　残り 2"));
    EXPECT_EQ(DeployPreview(unit, Rank(2), S(u"99"), Units(2, S(u"一機"), S(u"5")), catalogue),
              S(u"配備すると: 一機制限機は二機までです。\n搭載 22 / 50　残り 28"));
    EXPECT_EQ(DeployPreview(unit, Rank(2), S(u"99"), Units(1, S(u"量産"), S(u"45")), catalogue),
              S(u"配備すると: 搭載オーバーです。\n搭載 57 / 50　超過 7"));
    EXPECT_EQ(DeployPreview(unit, Rank(2), S(u"99"), Units(7, S(u"量産")), catalogue),
              S(u"配備できません（編成は７機まで）"));
}

}  // namespace
}  // namespace velmora
