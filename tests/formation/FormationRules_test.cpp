#include "formation/FormationRules.h"

#include "support/FormationFixtures.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::FormationUnit;
using test::LoadedCatalogue;
using test::Rank;
using test::RuleRow;
using test::Units;
using test::operator+;

const QString kMark = QStringLiteral(u"○");

FormationResult Rules(const Commander& commander, const std::vector<FormationRow>& rows) {
    static const clsMsData empty;
    return CalcFormationRules(commander, QStringLiteral("99"), rows, empty);
}

TEST(FormationRules, Capacity_isLevelPlusRankPlus47PlusDecoration_orThePreviousWithoutRank) {
    EXPECT_EQ(CapacityText(Rank(0), QStringLiteral("99")), QStringLiteral("48"));
    EXPECT_EQ(CapacityText(Rank(5, 0, 99, 99), QStringLiteral("99")), QStringLiteral("250"));
    EXPECT_EQ(CapacityText(Commander{std::nullopt, 50, 50, 3}, QStringLiteral("77")),
              QStringLiteral("77"));
}

TEST(FormationRules, EmptyFormation_givesDesignTotalsAndTheWholeCapacityLeft) {
    const FormationResult result = Rules(Rank(0), {});
    EXPECT_EQ(result.capacity, QStringLiteral("48"));
    EXPECT_FALSE(result.capacityRed);
    EXPECT_EQ(result.load, QStringLiteral("0"));
    EXPECT_EQ(result.repair, QStringLiteral("300"));
    EXPECT_EQ(result.limited + result.exclusive + result.oneUnit, 0);
    EXPECT_EQ(result.verdict, QStringLiteral(u"残り搭載 48"));
    EXPECT_TRUE(result.marks.empty());
}

TEST(FormationRules, Totals_roundHalvesToEvenAfterEachUnit_nonNumbersCountZero) {
    const std::vector<FormationRow> rows{
        RuleRow(QString(), QStringLiteral("10.5"), QString(), QString(), QStringLiteral("2.5")),
        RuleRow(QString(), QStringLiteral("abc"), QString(), QString(), QStringLiteral("nd")),
        RuleRow(QString(), QStringLiteral("11.5"), QString(), QString(), QStringLiteral("0.5")),
    };
    const FormationResult result = Rules(Rank(5, 0, 50), rows);
    EXPECT_EQ(result.load, QStringLiteral("22"));     // 10.5 -> 10, 21.5 -> 22
    EXPECT_EQ(result.repair, QStringLiteral("302"));  // 302.5 -> 302, 302.5 -> 302
    EXPECT_EQ(result.verdict, QStringLiteral(u"残り搭載 80"));
}

TEST(FormationRules, Categories_countLimitedExclusiveAndOneUnitOnly) {
    EXPECT_EQ(CategoryOf(QStringLiteral(u"限定")), UnitCategory::Limited);
    EXPECT_EQ(CategoryOf(QStringLiteral(u"限N")), UnitCategory::Limited);
    EXPECT_EQ(CategoryOf(QStringLiteral(u"専用")), UnitCategory::Exclusive);
    EXPECT_EQ(CategoryOf(QStringLiteral(u"一機")), UnitCategory::OneUnit);
    for (const QString& code : {QStringLiteral(u"二機"), QStringLiteral(u"量産"), QString(),
                                QStringLiteral(u"限"), QStringLiteral(u"一N")})
        EXPECT_EQ(CategoryOf(code), UnitCategory::Other) << code.toStdString();

    const FormationResult result = Rules(
        Rank(1, 3), Units(1, QStringLiteral(u"限定")) + Units(1, QStringLiteral(u"専用")) +
                        Units(2, QStringLiteral(u"二機")) + Units(1, QStringLiteral(u"一機")));
    EXPECT_EQ(result.limited, 1);
    EXPECT_EQ(result.exclusive, 1);
    EXPECT_EQ(result.oneUnit, 1);
}

TEST(FormationRules, ThreeLimited_lowSkillCostsTwoInRed_highSkillCostsNothing) {
    const auto rows = Units(3, QStringLiteral(u"限定"));
    for (const int skill : {0, 1}) {
        const FormationResult result = Rules(Rank(0, skill), rows);
        EXPECT_EQ(result.capacity, QStringLiteral("46")) << skill;
        EXPECT_TRUE(result.capacityRed) << skill;
        EXPECT_EQ(result.verdict, QStringLiteral(u"残り搭載 43")) << skill;
    }
    for (const int skill : {2, 3}) {
        const FormationResult result = Rules(Rank(0, skill), rows);
        EXPECT_EQ(result.capacity, QStringLiteral("48")) << skill;
        EXPECT_FALSE(result.capacityRed) << skill;
        EXPECT_EQ(result.verdict, QStringLiteral(u"残り搭載 45")) << skill;
    }
}

TEST(FormationRules,
     FourLimitedWithoutSkill_firstVerdictInRed_noLoadCheck_personalShowsOneUnitCount) {
    const auto rows = Units(4, QStringLiteral(u"限定"), QStringLiteral("30")) +
                      Units(2, QStringLiteral(u"専用")) + Units(1, QStringLiteral(u"一機"));
    const FormationResult result = Rules(Rank(0), rows);
    EXPECT_EQ(result.verdict,
              QStringLiteral(u"搭載解除スキルがありません。限定生産機は３機までです。"));
    EXPECT_TRUE(result.capacityRed);
    EXPECT_EQ(result.capacity, QStringLiteral("48"));  // no limited penalty on this path
    EXPECT_EQ(result.limited, 4);
    EXPECT_EQ(result.oneUnit, 1);  // lblPersonal: the one-unit count, not the two exclusive units

    // With skill 1 the rule is only the penalty; the load check follows.
    const FormationResult skilled = Rules(Rank(1, 1), rows);
    EXPECT_EQ(skilled.capacity, QStringLiteral("47"));
    EXPECT_EQ(skilled.verdict, QStringLiteral(u"搭載オーバーです。"));
}

TEST(FormationRules, TwoOneUnit_skillZeroVerdict_otherSkillsLowerCapacityWithoutRed) {
    const auto rows = Units(2, QStringLiteral(u"一機"), QStringLiteral("20"));
    const FormationResult none = Rules(Rank(0), rows + Units(1, QString(), QStringLiteral("90")));
    EXPECT_EQ(none.verdict,
              QStringLiteral(u"搭載解除スキルを持っていません。一機制限機は一機までです。"));
    EXPECT_FALSE(none.capacityRed);  // overloaded, but no load check is made
    EXPECT_EQ(none.capacity, QStringLiteral("48"));

    const std::pair<int, QString> expected[] = {
        {1, QStringLiteral("42")}, {2, QStringLiteral("44")}, {3, QStringLiteral("46")}};
    for (const auto& [skill, capacity] : expected) {
        const FormationResult result = Rules(Rank(0, skill), rows);
        EXPECT_EQ(result.capacity, capacity) << skill;
        EXPECT_FALSE(result.capacityRed) << skill;
        EXPECT_EQ(result.verdict,
                  QStringLiteral(u"残り搭載 ") + QString::number(capacity.toInt() - 40));
    }
    // The reduction can then overflow the load, and only that turns it red.
    const FormationResult over =
        Rules(Rank(0, 1), Units(2, QStringLiteral(u"一機"), QStringLiteral("22")));
    EXPECT_EQ(over.verdict, QStringLiteral(u"搭載オーバーです。"));
    EXPECT_TRUE(over.capacityRed);
}

TEST(FormationRules, ThreeOneUnit_secondRuleWhateverTheSkill) {
    for (const int skill : {0, 1, 2, 3}) {
        const FormationResult result = Rules(Rank(2, skill), Units(3, QStringLiteral(u"一機")));
        EXPECT_EQ(result.verdict, QStringLiteral(u"一機制限機は二機までです。")) << skill;
        EXPECT_EQ(result.oneUnit, 3);
        EXPECT_FALSE(result.capacityRed);
    }
}

TEST(FormationRules, ExactlyAtCapacity_zeroLeftInBlack_oneMoreIsOverInRed) {
    const FormationResult full = Rules(Rank(0), Units(1, QString(), QStringLiteral("48")));
    EXPECT_EQ(full.verdict, QStringLiteral(u"残り搭載 0"));
    EXPECT_FALSE(full.capacityRed);

    const FormationResult over = Rules(Rank(0), Units(1, QString(), QStringLiteral("49")));
    EXPECT_EQ(over.verdict, QStringLiteral(u"搭載オーバーです。"));
    EXPECT_TRUE(over.capacityRed);
}

TEST(FormationRules, SecondLieutenantWithExclusive_rankVerdictReplacesLoadVerdict_redStays) {
    const auto rows = Units(1, QStringLiteral(u"専用"), QStringLiteral("60"));
    const FormationResult result = Rules(Rank(0), rows);
    EXPECT_EQ(result.verdict, QStringLiteral(u"少尉は制限機を配備することが出来ません。"));
    EXPECT_TRUE(result.capacityRed);

    EXPECT_EQ(Rules(Rank(1), rows).verdict, QStringLiteral(u"搭載オーバーです。"));
    EXPECT_EQ(Rules(Commander{std::nullopt, 1, 0, 0}, rows).verdict,
              QStringLiteral(u"残り搭載 39"));  // no rank: not "少尉", previous capacity 99
}

TEST(FormationRules, WithoutRank_penaltiesApplyToThePreviousCapacity) {
    const FormationResult result = Rules(Commander{}, Units(3, QStringLiteral(u"限定")));
    EXPECT_EQ(result.capacity, QStringLiteral("97"));
}

class FormationMarkers : public ::testing::Test {
protected:
    FormationMarkers() {
        // A gun whose range-4 column holds the given text.
        const auto gun = [](const QString& range4) {
            return QStringList{QStringLiteral("gun"), QStringLiteral("B"),
                               QStringLiteral("10"),  QStringLiteral("1"),
                               QStringLiteral("0"),   QStringLiteral("0"),
                               QStringLiteral("0"),   range4,
                               QStringLiteral(u"○"),  QStringLiteral(u"－")};
        };
        catalogue_ = LoadedCatalogue({
            FormationUnit(QStringLiteral("A"), QStringLiteral("Alpha")),
            FormationUnit(QStringLiteral("S"), QStringLiteral("Support"))
                .Weapon(6, gun(QStringLiteral("1"))),
            FormationUnit(QStringLiteral("N"), QStringLiteral("Negative"))
                .Weapon(2, gun(QStringLiteral("-1"))),
            FormationUnit(QStringLiteral("H"), QStringLiteral("NoHp"))
                .Set(test::Col::Hp, QStringLiteral("nd")),
        });
    }

    std::vector<FormationMarks> Marks(const std::vector<FormationRow>& rows) const {
        return CalcFormationRules(Rank(3), QStringLiteral("99"), rows, catalogue_).marks;
    }

    clsMsData catalogue_;
};

TEST_F(FormationMarkers, HpAndLoadMarks_spreadToExactlyEqualTexts) {
    const auto marks = Marks({
        RuleRow(QStringLiteral("A"), QStringLiteral("20"), QStringLiteral("080")),
        RuleRow(QStringLiteral("A"), QStringLiteral("30"), QStringLiteral("80")),
        RuleRow(QStringLiteral("A"), QStringLiteral("30"), QStringLiteral("120")),
        RuleRow(QStringLiteral("A"), QStringLiteral("030"), QStringLiteral("120")),
    });
    ASSERT_EQ(marks.size(), 4u);
    // 080 is the first lowest; 80 has the same value but not the same text.
    EXPECT_EQ(marks[0].lowHp, kMark);
    EXPECT_EQ(marks[1].lowHp, QString());
    EXPECT_EQ(marks[2].highHp, kMark);
    EXPECT_EQ(marks[3].highHp, kMark);
    EXPECT_EQ(marks[0].highHp, QString());
    EXPECT_EQ(marks[1].strong, kMark);
    EXPECT_EQ(marks[2].strong, kMark);
    EXPECT_EQ(marks[3].strong, QString());  // 030 is not the text 30
    for (const auto& mark : marks) EXPECT_EQ(mark.support, QString());
}

TEST_F(FormationMarkers, RangeFourMark_anyWeaponWithANumberThere) {
    const auto marks = Marks({
        RuleRow(QStringLiteral("S"), QStringLiteral("20"), QStringLiteral("100")),
        RuleRow(QStringLiteral("N"), QStringLiteral("20"), QStringLiteral("100")),
        RuleRow(QStringLiteral("A"), QStringLiteral("20"), QStringLiteral("100")),
    });
    EXPECT_EQ(marks[0].support, kMark);  // weapon A "--", weapon G 1
    EXPECT_EQ(marks[1].support, kMark);  // -1
    EXPECT_EQ(marks[2].support, QString());
}

TEST_F(FormationMarkers, UnknownUnitsAndUnitsWithoutHp_skipHpComparison_butCountForLoad) {
    const auto marks = Marks({
        RuleRow(QStringLiteral("X"), QStringLiteral("90"), QStringLiteral("10")),
        RuleRow(QStringLiteral("H"), QStringLiteral("20"), QStringLiteral("500")),
        RuleRow(QStringLiteral("A"), QStringLiteral("20"), QStringLiteral("60")),
        RuleRow(QStringLiteral("A"), QStringLiteral("20"), QStringLiteral("70")),
        RuleRow(QString(), QStringLiteral("20"), QStringLiteral("60")),
    });
    EXPECT_EQ(marks[0].lowHp, QString());
    EXPECT_EQ(marks[0].strong, kMark);
    EXPECT_EQ(marks[1].highHp, QString());
    EXPECT_EQ(marks[2].lowHp, kMark);
    EXPECT_EQ(marks[3].highHp, kMark);
    EXPECT_EQ(marks[4].lowHp, kMark);  // not compared, but its text equals the marked one
}

TEST_F(FormationMarkers, SingleUnit_isBothLowestAndHighest) {
    const auto marks =
        Marks({RuleRow(QStringLiteral("A"), QStringLiteral("0"), QStringLiteral("100"))});
    EXPECT_EQ(marks[0], (FormationMarks{kMark, kMark, QString(), QString()}));
}

}  // namespace
}  // namespace velmora
