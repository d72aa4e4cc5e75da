#include "formation/Formation.h"

#include "support/FormationFixtures.h"
#include "catalogue/clsMsData.h"
#include "formation/FormationRows.h"

#include <gtest/gtest.h>
#include <QSignalSpy>

namespace velmora {
namespace {

using test::FormationUnit;
using test::Rank;

class FormationTest : public ::testing::Test {
protected:
    FormationTest()
        : catalogue_(test::LoadedCatalogue(test::AlphaBravoCharlie())),
          formation_(catalogue_),
          changes_(&formation_, &Formation::changed) {}

    FormationRow Row(const QString& msNo) const {
        return UnitRow(catalogue_.GetMsData(msNo), 0, 0);
    }
    Formation::Change LastChange() const {
        return changes_.last().at(0).value<Formation::Change>();
    }

    clsMsData catalogue_;
    Formation formation_;
    QSignalSpy changes_;
};

TEST_F(FormationTest, Edits_recomputeTotalsVerdictAndMarkers_oneSignalEach) {
    formation_.SetCommander(Rank(2, 0, 30, 5));
    ASSERT_TRUE(formation_.Append(Row(QStringLiteral("A"))));
    ASSERT_TRUE(formation_.Append(Row(QStringLiteral("B"))));
    EXPECT_EQ(changes_.count(), 3);
    EXPECT_EQ(LastChange(), Formation::Change::Appended);

    const FormationResult& result = formation_.Outcome().result;
    EXPECT_EQ(result.capacity, QStringLiteral("84"));  // 30 + 2 + 47 + 5
    EXPECT_EQ(result.load, QStringLiteral("45"));
    EXPECT_EQ(result.verdict, QStringLiteral(u"残り搭載 39"));
    EXPECT_EQ(formation_.Outcome().capacityFormula.isEmpty(), false);
    EXPECT_EQ(formation_.Cell(0, Col(FormationColumn::LowHp)), QStringLiteral(u"○"));
    EXPECT_EQ(formation_.Cell(1, Col(FormationColumn::HighHp)), QStringLiteral(u"○"));
    EXPECT_EQ(formation_.Cell(1, Col(FormationColumn::Strong)), QStringLiteral(u"○"));
    // The entries themselves never hold a marker.
    EXPECT_EQ(formation_.Entries()[0][FormationColumn::LowHp], QString());
    EXPECT_EQ(formation_.Cell(2, Col(FormationColumn::Name)), QString());

    formation_.Remove(0);
    EXPECT_EQ(formation_.Count(), 1);
    EXPECT_EQ(LastChange(), Formation::Change::Reset);
    EXPECT_EQ(formation_.Outcome().result.load, QStringLiteral("25"));
}

TEST_F(FormationTest, Append_stopsAtSeven_updateTakesFiguresAndChoicesOnly) {
    for (int i = 0; i < kMaxFormationUnits; ++i)
        ASSERT_TRUE(formation_.Append(Row(QStringLiteral("A"))));
    const int told = int(changes_.count());
    EXPECT_FALSE(formation_.Append(Row(QStringLiteral("B"))));
    EXPECT_EQ(changes_.count(), told);

    FormationRow shielded = UnitRow(catalogue_.GetMsData(QStringLiteral("A")), 1, 3);
    shielded[FormationColumn::Weight] = QStringLiteral("99");  // not an updated column
    formation_.UpdateFigures(2, shielded);
    EXPECT_EQ(LastChange(), Formation::Change::Entry);
    EXPECT_EQ(changes_.last().at(1).toInt(), 2);
    EXPECT_EQ(formation_.Entries()[2][FormationColumn::Shield], QStringLiteral("1"));
    EXPECT_EQ(formation_.Entries()[2][FormationColumn::Modification], QStringLiteral("3"));
    EXPECT_EQ(formation_.Entries()[2][FormationColumn::Weight], QStringLiteral("20"));
}

TEST_F(FormationTest, NoRank_keepsTheLastCapacity_penaltiesNeverAccumulate) {
    EXPECT_EQ(formation_.BaseCapacity(), QStringLiteral("99"));
    formation_.SetCommander(Rank(5, 1, 10, 0));
    EXPECT_EQ(formation_.BaseCapacity(), QStringLiteral("62"));
    // Two one-unit units with skill 1 cost 6, each recompute from the same base.
    formation_.SetState({{Row(QStringLiteral("C")), Row(QStringLiteral("C"))}, Rank(5, 1, 10)});
    formation_.Recompute();
    formation_.Recompute();
    EXPECT_EQ(formation_.Outcome().result.capacity, QStringLiteral("56"));
    Commander none = formation_.Leader();
    none.rank.reset();
    formation_.SetCommander(none);
    EXPECT_EQ(formation_.Outcome().result.capacity, QStringLiteral("56"));
}

TEST_F(FormationTest, ListsInAndOut_shortListKeepsWhatCameBefore) {
    FormationLists lists;
    lists.msNos = {QStringLiteral("B"), QStringLiteral("gone"), QStringLiteral("A")};
    lists.shields = {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0")};
    lists.modifications = {QStringLiteral("5"), QStringLiteral("0"), QStringLiteral("x")};
    lists.weapons = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("9")};
    EXPECT_EQ(formation_.Load(lists), QString());
    EXPECT_EQ(formation_.Count(), 3);
    EXPECT_EQ(LastChange(), Formation::Change::Reset);
    // What comes out is what went in, a unit the catalogue does not hold included.
    EXPECT_EQ(formation_.Lists(), lists);

    lists.weapons.removeLast();
    EXPECT_EQ(formation_.Load(lists), QStringLiteral(u"インデックスが有効範囲にありません。"));
    EXPECT_EQ(formation_.Count(), 2);
}

TEST_F(FormationTest, States_roundTripAsUndoRecordsThem) {
    formation_.Append(Row(QStringLiteral("A")));
    formation_.SetCommander(Rank(1, 2, 20, 3));
    const FormationState before = formation_.State();
    formation_.Append(Row(QStringLiteral("B")));
    formation_.SetCommander(Rank(4));
    const FormationState after = formation_.State();
    EXPECT_NE(before, after);

    formation_.SetState(before);
    EXPECT_EQ(formation_.State(), before);
    EXPECT_EQ(LastChange(), Formation::Change::Reset);
    formation_.SetState(before);  // the same entries: only the figures are told of
    EXPECT_EQ(LastChange(), Formation::Change::Figures);
    formation_.SetState(after);
    EXPECT_EQ(formation_.State(), after);
    EXPECT_EQ(formation_.Outcome().result.load, QStringLiteral("45"));

    // Markers in a given state are dropped: they are the rules' to make.
    FormationState marked = before;
    marked.rows[0][FormationColumn::Support] = QStringLiteral(u"○");
    formation_.SetState(marked);
    EXPECT_EQ(formation_.State(), before);
}

TEST(Evaluate, NeedsNoDocument_sameOutcomeAsTheDocument) {
    const clsMsData catalogue = test::LoadedCatalogue(
        {FormationUnit(QStringLiteral("C"), QStringLiteral("Charlie"))
             .Set(test::Col::Category, QStringLiteral(u"一機"))});
    const FormationRow row = UnitRow(catalogue.GetMsData(QStringLiteral("C")), 0, 0);
    const FormationState state{{row, row}, Rank(0)};
    const FormationOutcome outcome = Evaluate(state, QStringLiteral("99"), catalogue);
    EXPECT_EQ(outcome.result.verdict,
              QStringLiteral(u"搭載解除スキルを持っていません。一機制限機は一機までです。"));
    EXPECT_EQ(outcome.againstRule, (std::vector<bool>{true, true}));
    EXPECT_FALSE(outcome.explanation.isEmpty());

    Formation document(catalogue);
    document.SetState(state);
    EXPECT_EQ(document.Outcome().explanation, outcome.explanation);
}

}  // namespace
}  // namespace velmora
