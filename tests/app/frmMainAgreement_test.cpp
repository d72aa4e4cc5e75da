// One unit, one set of figures: a deployed row reads as it will after a restart, and the unit
// list highlights the unit the detail panel shows, or none.
#include "support/ProgramFolder.h"
#include "support/TestText.h"
#include "support/WindowDriver.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace velmora {
namespace {

using test::Col;

QStringList Weapon(const QString& name, const QString& detach) {
    return {name,    S(u"実弾"), S(u"10"), S(u"2"), S(u"5"),
            S(u"5"), S(u"nd"),   S(u"nd"), S(u"×"), detach};
}

// A unit with a fixed weapon and two groups of options, each with its first option equipped by
// the catalogue: the equipment code holds the shield's load, then one load per "×" or "○" row.
test::UnitLine TwoGroups(const QString& msNo, const QString& name, const QString& code,
                         bool shield) {
    return test::ProgramUnit(msNo, S(u"EFSF"), name, S(u"5"))
        .Set(Col::EquipCode, code)
        .Set(Col::Away, S(u"30"))
        .Set(Col::Preemptive, S(u"20"))
        .Set(Col::Shield, shield ? S(u"○") : S(u"－"))
        .Weapon(0, Weapon(S(u"マシンガン"), S(u"×")))
        .Weapon(1, Weapon(S(u"ライフル"), S(u"○")))
        .Weapon(2, Weapon(S(u"バズーカ"), S(u"○")))
        .Weapon(3, Weapon(S(u"装備を外す"), S(u"－")))
        .Weapon(4, Weapon(S(u"ミサイル"), S(u"○")))
        .Weapon(5, Weapon(S(u"ランチャー"), S(u"○")));
}

QStringList Catalogue() {
    return {TwoGroups(S(u"001"), S(u"ヴェルデ"), S(u"002413"), false),
            TwoGroups(S(u"002"), S(u"ヴェルデ改"), S(u"035243"), true),
            TwoGroups(S(u"003"), S(u"ヴェルデ重"), S(u"009090"), false),
            test::ProgramUnit(S(u"004"), S(u"EFSF"), S(u"ジェネラル"), S(u"6"))
                .Set(Col::Move, S(u"宇宙4")),
            test::ProgramUnit(S(u"101"), S(u"ZEON"), S(u"ザルガ"), S(u"5"))};
}

class AgreementTest : public test::ProgramWindowTest {
protected:
    AgreementTest() : ProgramWindowTest(Catalogue()) { Restart(/*keepSettings=*/false); }

    int ListRowOf(const char16_t* name) {
        for (int row = 1; row <= Rows(S(u"grdMsList")); ++row)
            if (Cell(S(u"grdMsList"), row, 3) == S(name)) return row;
        ADD_FAILURE() << "not listed";
        return 0;
    }
    QString Shown() { return Text(S(u"lblMsName")); }
    int ListCurrent() { return CurrentRow(S(u"grdMsList")); }
    void EnterKeyword(const char16_t* keyword) {
        auto* box = Control<QLineEdit>(S(u"txtKeyword"));
        box->setText(S(keyword));
        QTest::keyClick(box, Qt::Key_Return);
    }
    void FlipSpace() { QTest::mouseClick(Control<QLabel>(S(u"lblSpace_1")), Qt::LeftButton); }
};

TEST_F(AgreementTest, twoGroupUnits_deployedFromTheList_readAsWhenSelectedAndAfterARestart) {
    std::vector<QStringList> deployed;
    for (const char16_t* name : {u"ヴェルデ", u"ヴェルデ改", u"ヴェルデ重"}) {
        ClickRow(S(u"grdMsList"), ListRowOf(name));
        Deploy();
        const int row = Rows(S(u"grdFormation"));
        deployed.push_back(RowCells(S(u"grdFormation"), row));
        EXPECT_EQ(deployed.back()[17], S(u"5")) << "the last equipped row is stored";
        // Selected, the row shows in the panel with the same figures.
        ClickRow(S(u"grdFormation"), row);
        EXPECT_EQ(Text(S(u"lblAway")), deployed.back()[5]) << S(name).toStdString();
        EXPECT_EQ(Text(S(u"lblPreemptive")), deployed.back()[6]) << S(name).toStdString();
        EXPECT_EQ(RowCells(S(u"grdFormation"), row), deployed.back());
    }
    Restart(/*keepSettings=*/true);
    ASSERT_EQ(Rows(S(u"grdFormation")), 3);
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(RowCells(S(u"grdFormation"), row), deployed[std::size_t(row - 1)]) << row;
}

TEST_F(AgreementTest, listHighlight_isTheUnitOnDisplayOrNone_afterEachKindOfRefill) {
    // A keyword that still lists the current unit keeps it current and shown.
    ClickRow(S(u"grdMsList"), ListRowOf(u"ジェネラル"));
    EnterKeyword(u"ジェ");
    EXPECT_EQ(ListCurrent(), 1);
    EXPECT_EQ(Shown(), S(u"ジェネラル"));
    // One that does not: no row is current and the panel keeps its unit, also when the keyword
    // is cleared again.
    EnterKeyword(u"ザルガ");
    EXPECT_EQ(ListCurrent(), 0);
    EnterKeyword(u"");
    EXPECT_EQ(ListCurrent(), 0);
    EXPECT_EQ(Shown(), S(u"ジェネラル"));

    // A toggle alike: ヴェルデ moves on the ground and leaves the list.
    ClickRow(S(u"grdMsList"), ListRowOf(u"ヴェルデ"));
    FlipSpace();
    EXPECT_EQ(ListCurrent(), 0);
    EXPECT_EQ(Shown(), S(u"ヴェルデ"));
    FlipSpace();
    EXPECT_EQ(ListCurrent(), 0);
    ClickRow(S(u"grdMsList"), ListRowOf(u"ジェネラル"));
    FlipSpace();
    EXPECT_EQ(ListCurrent(), 1);
    EXPECT_EQ(Shown(), S(u"ジェネラル"));
    FlipSpace();
    EXPECT_EQ(ListCurrent(), ListRowOf(u"ジェネラル"));

    // A faction option clears the panel and leaves no row current.
    QTest::mouseClick(Control<QRadioButton>(S(u"optMS_2")), Qt::LeftButton);
    EXPECT_EQ(ListCurrent(), 0);
    EXPECT_EQ(Shown(), QString());

    // A formation row shown takes the highlight away from the list.
    ClickRow(S(u"grdMsList"), ListRowOf(u"ザルガ"));
    Deploy();
    ClickRow(S(u"grdMsList"), ListRowOf(u"ジェネラル"));
    ClickRow(S(u"grdFormation"), 1);
    EXPECT_EQ(ListCurrent(), 0);
    EXPECT_EQ(Shown(), S(u"ザルガ"));
    EXPECT_TRUE(Grid(S(u"grdMsList"))->selectionModel()->selectedRows().isEmpty());
}

TEST_F(AgreementTest, deploy_withNothingShownOrSevenUnits_saysWhyAndChangesNothing) {
    Deploy();
    EXPECT_EQ(Rows(S(u"grdFormation")), 0);
    EXPECT_EQ(Text(S(u"sbPanel2")), S(u"配備する機体を選んでください。"));

    ClickRow(S(u"grdMsList"), ListRowOf(u"ジェネラル"));
    for (int i = 0; i < 7; ++i) Deploy();
    ASSERT_EQ(Rows(S(u"grdFormation")), 7);
    const QString verdict = Text(S(u"sbPanel1"));
    Deploy();
    QTest::keyClick(Grid(S(u"grdMsList")), Qt::Key_Return);
    EXPECT_EQ(Rows(S(u"grdFormation")), 7);
    EXPECT_EQ(Text(S(u"sbPanel2")), S(u"編成は７機までです。"));
    EXPECT_EQ(Text(S(u"sbPanel1")), verdict);
}

}  // namespace
}  // namespace velmora
