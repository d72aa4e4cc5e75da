#include "formation/VerdictExplanation.h"

#include "support/FormationFixtures.h"
#include "catalogue/clsMsData.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::Rank;
using test::RuleRow;
using test::Units;
using test::operator+;

const clsMsData& NoCatalogue() {
    static const clsMsData empty;
    return empty;
}

QString Explain(const Commander& commander, const std::vector<FormationRow>& rows) {
    const FormationResult result = CalcFormationRules(commander, S(u"99"), rows, NoCatalogue());
    return ExplainVerdict(commander, result);
}

struct ExplanationCase {
    const char* name;
    Commander commander;
    std::vector<FormationRow> rows;
    const char16_t* expected;
};

class ExplanationTest : public ::testing::TestWithParam<ExplanationCase> {};

TEST_P(ExplanationTest, givesTheNumbersBehindTheVerdictAndTheLowestLevel) {
    EXPECT_EQ(Explain(GetParam().commander, GetParam().rows), S(GetParam().expected));
}

// Rank 2 at level 1 without decoration carries 50.
INSTANTIATE_TEST_SUITE_P(
    EveryRule, ExplanationTest,
    ::testing::Values(
        ExplanationCase{"loadLeft", Rank(2), Units(2, S(u"量産"), S(u"20")),
                        u"搭載 40 / 50　残り 10　レベル 1 で編成可能"},
        ExplanationCase{"exactlyFull", Rank(2, 0, 11), Units(2, S(u"量産"), S(u"30")),
                        u"搭載 60 / 60　残り 0　レベル 11 で編成可能"},
        ExplanationCase{"loadOver", Rank(2), Units(2, S(u"量産"), S(u"30")),
                        u"搭載 60 / 50　超過 10　レベル 11 で編成可能"},
        ExplanationCase{"overEvenAtLevel99", Rank(2), Units(5, S(u"量産"), S(u"30")),
                        u"搭載 150 / 50　超過 100　どのレベルでも編成不可（搭載）"},
        ExplanationCase{"fourLimitedWithoutSkill", Rank(2), Units(4, S(u"限定")),
                        u"限定生産機 4 / 3　どのレベルでも編成不可（限定生産機の数）"},
        ExplanationCase{"threeOneUnit", Rank(2, 3), Units(3, S(u"一機")),
                        u"一機制限機 3 / 2　どのレベルでも編成不可（一機制限機の数）"},
        ExplanationCase{"twoOneUnitWithoutSkill", Rank(2), Units(2, S(u"一機")),
                        u"一機制限機 2 / 1　どのレベルでも編成不可（一機制限機の数）"},
        ExplanationCase{"twoOneUnitPenalty", Rank(2, 1), Units(2, S(u"一機"), S(u"25")),
                        u"搭載 50 / 44　超過 6　レベル 7 で編成可能"},
        ExplanationCase{"threeLimitedPenalty", Rank(2, 1), Units(3, S(u"限定"), S(u"16")),
                        u"搭載 48 / 48　残り 0　レベル 1 で編成可能"},
        ExplanationCase{"ensignWithExclusive", Rank(0), Units(1, S(u"専用")),
                        u"専用機 1 / 0　どのレベルでも編成不可（階級）"},
        ExplanationCase{"noRank", Commander{std::nullopt, 1, 0, 0}, Units(1, S(u"量産"), S(u"9")),
                        u"搭載 9 / 99　残り 90"}),
    [](const auto& info) { return std::string(info.param.name); });

std::optional<int> Lowest(const Commander& commander, const std::vector<FormationRow>& rows) {
    return LowestLevel(commander, CalcFormationRules(commander, S(u"99"), rows, NoCatalogue()));
}

TEST(VerdictExplanation, LowestLevel_keepsRankDecorationAndSkill) {
    const auto rows = Units(2, S(u"一機"), S(u"40"));  // skill 2: capacity less 4
    EXPECT_EQ(Lowest(Rank(3, 2, 1, 10), rows), 24);
    EXPECT_EQ(Lowest(Rank(3, 2, 60, 10), rows), 24);
    EXPECT_EQ(Lowest(Rank(3, 0, 1, 10), rows), std::nullopt);
    EXPECT_EQ(Lowest(Commander{std::nullopt, 1, 0, 0}, {}), std::nullopt);
}

// The level comes from the capacity formula; it must be the level that running the rules at
// every level from 1 to 99 finds, whatever the commander's own level, the load, the penalties.
TEST(VerdictExplanation, LowestLevel_isTheLowestLevelWhoseRulesLeaveALoad) {
    const auto searched = [](Commander commander, const std::vector<FormationRow>& rows) {
        for (int level = 1; level <= 99; ++level) {
            commander.level = level;
            if (CalcFormationRules(commander, S(u"99"), rows, NoCatalogue()).rule ==
                VerdictRule::LoadLeft)
                return std::optional<int>(level);
        }
        return std::optional<int>();
    };
    const std::vector<std::vector<FormationRow>> formations = {
        {},
        Units(1, S(u"量産"), S(u"-30")),
        Units(3, S(u"量産"), S(u"33.5")),
        Units(3, S(u"限定"), S(u"40")),
        Units(2, S(u"一機"), S(u"49")),
        Units(4, S(u"量産"), S(u"37")),
        Units(1, S(u"専用"), S(u"60")),
        Units(1, S(u"量産"), S(u"1e300")) + Units(1, S(u"量産"), S(u"-1e300")),
        Units(1, S(u"量産"), S(u"1e999")) + Units(1, S(u"量産"), S(u"-1e999")),
    };
    for (const auto& rows : formations) {
        for (int rank : {0, 2, 5}) {
            for (int skill : {0, 1, 3}) {
                for (int level : {1, 50, 99}) {
                    for (int decoration : {0, 7}) {
                        const Commander commander = Rank(rank, skill, level, decoration);
                        EXPECT_EQ(Lowest(commander, rows), searched(commander, rows))
                            << rows.size() << " rows, rank " << rank << ", skill " << skill
                            << ", level " << level << ", decoration " << decoration;
                    }
                }
            }
        }
    }
}

TEST(VerdictExplanation, RowsAgainstRule_tintsTheCountedRowsOnlyWhileTheRuleIsBroken) {
    const auto mixed =
        Units(1, S(u"限定")) + Units(1, S(u"一機")) + Units(1, S(u"専用")) + Units(1, S(u"量産"));
    const auto flags = [](const Commander& commander, const std::vector<FormationRow>& rows) {
        return RowsAgainstRule(CalcFormationRules(commander, S(u"99"), rows, NoCatalogue()), rows);
    };
    using Flags = std::vector<bool>;
    EXPECT_EQ(flags(Rank(2), mixed), Flags(4, false));
    EXPECT_EQ(flags(Rank(0), mixed), (Flags{false, false, true, false}));
    EXPECT_EQ(flags(Rank(2), mixed + Units(1, S(u"一機"))),
              (Flags{false, true, false, false, true}));
    EXPECT_EQ(flags(Rank(2, 3), mixed + Units(1, S(u"一機"))), Flags(5, false));
    EXPECT_EQ(flags(Rank(2), mixed + Units(3, S(u"限N"))),
              (Flags{true, false, false, false, true, true, true}));
    // Three limited units only lower the capacity: no rule is broken.
    EXPECT_EQ(flags(Rank(2), Units(3, S(u"限定"))), Flags(3, false));
}

TEST(VerdictExplanation, CapacityFormula_showsThePresentNumbersAndThePenalties) {
    const Commander commander = Rank(2, 1, 30, 5);
    EXPECT_EQ(
        CapacityFormula(commander, CalcFormationRules(commander, S(u"99"), {}, NoCatalogue())),
        S(u"レベル 30 + 階級 2 + 47 + 勲章 5 = 84"));
    const auto rows = Units(3, S(u"限定")) + Units(2, S(u"一機"));
    EXPECT_EQ(
        CapacityFormula(commander, CalcFormationRules(commander, S(u"99"), rows, NoCatalogue())),
        S(u"レベル 30 + 階級 2 + 47 + 勲章 5 = 84\n− 2（限定生産機 3 機）\n− 6（一機制限機 2 "
          u"機）\n= 76"));
    EXPECT_EQ(CapacityFormula(Commander{}, FormationResult{}), QString());
}

}  // namespace
}  // namespace velmora
