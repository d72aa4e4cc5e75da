#include "detail/MsInfoPanel.h"

#include "catalogue/clsMsData.h"
#include "detail/WeaponTableModel.h"
#include "support/ScriptedPlatform.h"
#include "support/UnitLine.h"
#include "support/WindowDriver.h"
#include "widgets/GridView.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QTest>

namespace velmora {
namespace {

using namespace Qt::StringLiterals;

// The ten columns of a weapon given as "name/power/shots/detach"; ranges 5, -, -1, nd.
QStringList Arm(const QString& weapon) {
    const QStringList w = weapon.split(u'/');
    return {w[0], u"B"_s, w[1], w[2], u"5"_s, u"－"_s, u"-1"_s, u"nd"_s, u"○"_s, w[3]};
}

// Unit 1: shield (load 3), evasion 20 and pre-emption 15 as catalogued; B is fixed ("×"),
// C (load 5, equipped by default), D (load 2) and E ("装備を外す") form one choice group.
// Unit 2 has no shield; its weapon A is "装備を外す" and B (load 4) is equipped.
QByteArray Catalogue() {
    using test::Col;
    // Weapon slots beyond the given ones are empty.
    const auto armed = [](test::UnitLine line, const QStringList& weapons) {
        for (int k = 0; k < kWeaponCount; ++k)
            line.Weapon(k, Arm(k < weapons.size() ? weapons[k] : u"nd/0/0/－"_s));
        return line.Text();
    };
    const QString one = armed(test::UnitLine({{Col::MsNo, u"1"_s},
                                              {Col::Army, u"EFSF"_s},
                                              {Col::Name, u"試作機"_s},
                                              {Col::EquipCode, u"03524"_s},
                                              {Col::Picture, u"ms/aa_bb_cc.img"_s},
                                              {Col::Tec, u"1"_s},
                                              {Col::Weight, u"4"_s},
                                              {Col::Hp, u"300"_s},
                                              {Col::Armor, u"10"_s},
                                              {Col::Away, u"20"_s},
                                              {Col::Preemptive, u"15"_s},
                                              {Col::Move, u"地上3"_s},
                                              {Col::Supply, u"100"_s},
                                              {Col::Category, u"限定"_s},
                                              {Col::Repair, u"50"_s},
                                              {Col::Shield, u"○"_s}}),
                              {u"ライフル/120/2/－"_s, u"バルカン/－/3/×"_s, u"バズーカ/80/1/○"_s,
                               u"ジャベリン/60/1/○"_s, u"装備を外す/－/－/－"_s});
    const QString two = armed(test::UnitLine({{Col::MsNo, u"2"_s},
                                              {Col::Army, u"ZEON"_s},
                                              {Col::Name, u"量産機"_s},
                                              {Col::EquipCode, u"044"_s},
                                              {Col::Picture, u"ms/dd_ee_ff.img"_s},
                                              {Col::Tec, u"1"_s},
                                              {Col::Weight, u"2"_s},
                                              {Col::Hp, u"200"_s},
                                              {Col::Armor, u"8"_s},
                                              {Col::Away, u"12"_s},
                                              {Col::Preemptive, u"9"_s},
                                              {Col::Move, u"宇宙2"_s},
                                              {Col::Supply, u"80"_s},
                                              {Col::Category, u"－"_s},
                                              {Col::Repair, u"30"_s},
                                              {Col::Shield, u"－"_s}}),
                              {u"装備を外す/－/－/－"_s, u"ヒート/50/1/○"_s});
    return test::CatalogueBytes({one, two});
}

class MsInfoPanelTest : public ::testing::Test, protected test::WindowDriver {
protected:
    void SetUp() override {
        ASSERT_TRUE(catalogue.LoadFromBytes(Catalogue()).ok());
        panel = std::make_unique<MsInfoPanel>(catalogue, platform);
        panel->SetPictureRefresh([this](const typMsData& unit, int, const QStringList&) {
            ++pictures;
            pictured = unit.MsName;
        });
        panel->resize(793, 146);
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
        grid = panel->findChild<GridView*>(u"grdMsInfo"_s);
        shield = panel->findChild<QComboBox*>(u"cmbShield"_s);
        modification = panel->findChild<QComboBox*>(u"cmbReconstruct"_s);
        ASSERT_TRUE(grid && shield && modification);
    }

    QObject& Root() override { return *panel; }
    QString Cell(int row, int column) const {
        return grid->model()->index(row - 1, column).data().toString();
    }
    QColor Tint(int row) const {
        return grid->model()->index(row - 1, 1).data(Qt::BackgroundRole).value<QColor>();
    }
    // A user's double-click: press and release, then the double-click and its release.
    void DoubleClick(int row) {
        const QPoint at = grid->visualRect(grid->model()->index(row - 1, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
    }

    clsMsData catalogue;
    test::ScriptedPlatform platform;
    std::unique_ptr<MsInfoPanel> panel;
    int pictures = 0;  // picture refreshes so far
    QString pictured;  // the unit of the last one
    GridView* grid = nullptr;
    QComboBox* shield = nullptr;
    QComboBox* modification = nullptr;
};

TEST_F(MsInfoPanelTest, StartsEmptyWithBothListsOnTheirFirstEntry) {
    EXPECT_EQ(panel->title(), u"詳細");
    EXPECT_EQ(Text(u"lblHp"_s), u"");
    EXPECT_EQ(Text(u"lblCaption_21"_s), u"回避");
    EXPECT_EQ(Cell(1, 0), u"武器Ａ");
    EXPECT_EQ(Cell(1, 1), u"");
    EXPECT_EQ(shield->currentIndex(), 0);
    EXPECT_EQ(modification->count(), 9);
    EXPECT_EQ(modification->itemData(8).toInt(), 8);
    EXPECT_TRUE(panel->CurMsData().MsName.isEmpty());
    EXPECT_FALSE(shield->isEnabled());
    EXPECT_FALSE(modification->isEnabled());
    EXPECT_TRUE(panel->findChild<QLabel*>(u"lblSale"_s)->font().bold());
}

TEST_F(MsInfoPanelTest, ListUnitShowsCatalogueFiguresWeaponsAndDefaultChoices) {
    panel->ShowListUnit(u"1"_s);
    EXPECT_EQ(pictures, 1);
    EXPECT_EQ(Text(u"lblHp"_s), u"300");
    EXPECT_EQ(Text(u"lblMove"_s), u"地上3");
    EXPECT_EQ(Text(u"lblSale"_s), u"限定生産");
    EXPECT_EQ(Text(u"lblAway"_s), u"20");
    EXPECT_EQ(Text(u"lblPreemptive"_s), u"15");
    EXPECT_EQ(Cell(1, 2), u"120x2");
    EXPECT_EQ(Cell(2, 2), u"0x3");
    EXPECT_EQ(Cell(2, 3), u"--");
    EXPECT_EQ(Cell(1, 4), u"+5");
    EXPECT_EQ(Cell(1, 5), u"--");
    EXPECT_EQ(Cell(1, 6), u"+-1");
    EXPECT_EQ(shield->currentIndex(), 1);
    EXPECT_TRUE(shield->isEnabled());
    EXPECT_EQ(panel->CurMsData().ShieldLoadNow, u"3");
    EXPECT_EQ(panel->EquippedRow(), 3);
    EXPECT_EQ(Tint(2), WeaponTableModel::TintColour());  // "×" row
    EXPECT_EQ(Tint(3), WeaponTableModel::TintColour());  // equipped row
    EXPECT_EQ(Tint(4), WeaponTableModel::PlainColour());

    modification->setCurrentIndex(4);
    panel->ShowListUnit(u"2"_s);
    EXPECT_EQ(shield->currentIndex(), 0);
    EXPECT_FALSE(shield->isEnabled());
    EXPECT_EQ(modification->currentIndex(), 0);
    EXPECT_TRUE(modification->isEnabled());
    EXPECT_EQ(panel->CurMsData().ShieldLoadNow, u"0");
    EXPECT_EQ(Tint(2), WeaponTableModel::TintColour());
    EXPECT_EQ(Tint(3), WeaponTableModel::PlainColour());
}

TEST_F(MsInfoPanelTest, ModificationChangesHpAndEvasionAndDefaultRestoresThem) {
    modification->setCurrentIndex(1);  // no unit on display: nothing happens
    EXPECT_EQ(Text(u"lblHp"_s), u"");
    modification->setCurrentIndex(0);

    panel->ShowListUnit(u"1"_s);
    pictures = 0;
    modification->setCurrentIndex(1);
    EXPECT_EQ(Text(u"lblHp"_s), u"276");
    EXPECT_EQ(Text(u"lblAway"_s), u"28");
    EXPECT_EQ(Text(u"lblPreemptive"_s), u"15");
    EXPECT_EQ(pictures, 1);
    modification->setCurrentIndex(0);
    EXPECT_EQ(Text(u"lblHp"_s), u"300");
    EXPECT_EQ(Text(u"lblAway"_s), u"20");
}

TEST_F(MsInfoPanelTest, ShieldChoiceMovesEvasionAndPreemptionOnly) {
    panel->ShowListUnit(u"1"_s);
    modification->setCurrentIndex(1);
    panel->findChild<QLabel*>(u"lblHp"_s)->setText(u"marker"_s);
    pictures = 0;
    shield->setCurrentIndex(0);
    EXPECT_EQ(Text(u"lblAway"_s), u"31");
    EXPECT_EQ(Text(u"lblPreemptive"_s), u"16");
    EXPECT_EQ(Text(u"lblHp"_s), u"marker");
    EXPECT_EQ(pictures, 1);
    shield->setCurrentIndex(1);
    EXPECT_EQ(Text(u"lblAway"_s), u"28");
    EXPECT_EQ(Text(u"lblPreemptive"_s), u"15");
}

TEST_F(MsInfoPanelTest, WeaponChoiceMovesTheTintAndGuardsIgnoredRows) {
    panel->ShowListUnit(u"2"_s);
    pictures = 0;
    DoubleClick(1);  // weapon A is an option but never chosen this way
    EXPECT_EQ(panel->EquippedRow(), 2);

    panel->ShowListUnit(u"1"_s);
    pictures = 0;
    DoubleClick(3);  // already equipped
    DoubleClick(6);  // not an option
    EXPECT_EQ(pictures, 0);
    EXPECT_EQ(Text(u"lblAway"_s), u"20");
    EXPECT_EQ(panel->EquippedRow(), 3);

    DoubleClick(4);
    EXPECT_EQ(pictures, 1);
    EXPECT_EQ(panel->EquippedColumn(),
              (QStringList{u"0"_s, u"0"_s, u"0"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ(panel->CurMsData().Weapon[3].Equipped, u"1");
    EXPECT_EQ(panel->CurMsData().Weapon[2].Equipped, u"0");
    EXPECT_EQ(Tint(3), WeaponTableModel::PlainColour());
    EXPECT_EQ(Tint(4), WeaponTableModel::TintColour());
    EXPECT_EQ(Tint(2), WeaponTableModel::TintColour());
    EXPECT_EQ(Text(u"lblAway"_s), u"23");
    EXPECT_EQ(Text(u"lblPreemptive"_s), u"16");
    EXPECT_EQ(grid->currentIndex().row(), 3);

    DoubleClick(5);  // "装備を外す"
    EXPECT_EQ(Text(u"lblAway"_s), u"25");
    EXPECT_EQ(Text(u"lblPreemptive"_s), u"17");
}

TEST_F(MsInfoPanelTest, FormationUnitComesBackWithItsStoredChoices) {
    panel->ShowFormationUnit(u"1"_s, u"1"_s, u"1"_s, u"4"_s);
    EXPECT_EQ(pictures, 2);  // the modification handling, then the final refresh
    EXPECT_EQ(modification->currentIndex(), 1);
    EXPECT_EQ(shield->currentIndex(), 1);
    EXPECT_EQ(panel->EquippedRow(), 4);
    EXPECT_EQ(Tint(3), WeaponTableModel::PlainColour());
    EXPECT_EQ(Text(u"lblHp"_s), u"276");
    EXPECT_EQ(Text(u"lblAway"_s), u"31");
    EXPECT_EQ(Text(u"lblPreemptive"_s), u"16");

    // Same code again: its handling still runs once; a damaged shield value means fitted.
    pictures = 0;
    panel->ShowFormationUnit(u"1"_s, u"2"_s, u"1"_s, u"0"_s);
    EXPECT_EQ(pictures, 2);
    EXPECT_EQ(shield->currentIndex(), 1);
    EXPECT_EQ(panel->EquippedRow(), 0);
    EXPECT_EQ(panel->CurMsData().EquipPreemptive, 0);
    EXPECT_EQ(Text(u"lblAway"_s), u"33");

    // A code no entry carries keeps the previous entry, whose code applies.
    modification->setCurrentIndex(2);
    pictures = 0;
    panel->ShowFormationUnit(u"2"_s, u"1"_s, u"9"_s, u"2"_s);
    EXPECT_EQ(pictures, 1);
    EXPECT_EQ(modification->currentIndex(), 2);
    EXPECT_EQ(panel->CurMsData().ArmorPlus, -3);
    EXPECT_EQ(shield->currentIndex(), 0);
    EXPECT_FALSE(shield->isEnabled());
}

TEST_F(MsInfoPanelTest, ClearingLeavesNoUnitOnDisplayAndNoListCanBringItBack) {
    panel->ShowListUnit(u"1"_s);
    panel->SetMsData(u"99"_s, false);  // unknown unit: only the name goes
    EXPECT_EQ(Text(u"lblMsName"_s), u"");
    EXPECT_EQ(Text(u"lblHp"_s), u"300");

    pictures = 0;
    panel->ClearMsData();
    for (const QString& name : {u"lblHp"_s, u"lblAway"_s, u"lblMove"_s, u"lblSale"_s})
        EXPECT_EQ(Text(name), u"") << name.toStdString();
    EXPECT_EQ(Cell(7, 0), u"武器Ｇ");
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), u"武器名");
    for (int row = 1; row <= 7; ++row) {
        EXPECT_EQ(Cell(row, 11), u"");
        EXPECT_EQ(Tint(row), WeaponTableModel::PlainColour());
    }
    EXPECT_TRUE(panel->CurMsData().MsName.isEmpty());
    EXPECT_EQ(panel->EquippedRow(), 0);
    EXPECT_EQ(pictures, 1);  // the picture is cleared with the panel
    EXPECT_EQ(pictured, u"");
    EXPECT_FALSE(shield->isEnabled());
    EXPECT_FALSE(modification->isEnabled());

    // Showing a formation unit enables the modification list again.
    panel->ShowFormationUnit(u"2"_s, u"0"_s, u"5"_s, u"2"_s);
    EXPECT_TRUE(modification->isEnabled());
    EXPECT_EQ(modification->currentIndex(), 5);
    EXPECT_EQ(Text(u"lblHp"_s), u"224");
}

}  // namespace
}  // namespace velmora
