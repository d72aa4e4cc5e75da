// Deploying, updating and removing units through the window: every formation row describes the
// one unit the detail panel shows, and reads the same after a restart.
#include "app/frmMain.h"

#include "catalogue/clsMsData.h"
#include "formation/FormationRows.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFolder.h"
#include "support/TestText.h"
#include "support/WindowDriver.h"
#include "system/SettingsFile.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <optional>

namespace velmora {
namespace {

using test::ScriptedPlatform;
using test::TestFolder;

// ヴェルデ carries a shield of load 3 and armour 10.3; its weapon A fires 1.1 three times, B is
// fixed ("×"), C (load 5, equipped by default) and D (load 4) are options, E takes the option
// off. ジェネラル is a plain unit of another build.
QStringList CatalogueLines() {
    const auto weapon = [](const QString& name, const QString& power, const QString& shots,
                           const QString& detach) {
        return QStringList{name,     S(u"実弾"), power,    shots,   S(u"5"),
                           S(u"-1"), S(u"nd"),   S(u"nd"), S(u"○"), detach};
    };
    return {test::ProgramUnit(S(u"001"), S(u"EFSF"), S(u"ヴェルデ"), S(u"4"))
                .Set(test::Col::EquipCode, S(u"0354"))
                .Set(test::Col::Armor, S(u"10.3"))
                .Set(test::Col::Shield, S(u"○"))
                .Weapon(0, weapon(S(u"バルカン"), S(u"1.1"), S(u"3"), S(u"－")))
                .Weapon(1, weapon(S(u"アーム"), S(u"20"), S(u"1"), S(u"×")))
                .Weapon(2, weapon(S(u"ライフル"), S(u"0.7"), S(u"3"), S(u"○")))
                .Weapon(3, weapon(S(u"バズーカ"), S(u"60"), S(u"1"), S(u"○")))
                .Weapon(4, weapon(S(u"装備を外す"), S(u"nd"), S(u"nd"), S(u"－"))),
            test::ProgramUnit(S(u"002"), S(u"EFSF"), S(u"ジェネラル"), S(u"6"))
                .Set(test::Col::Hp, S(u"250"))
                .Set(test::Col::Armor, S(u"8"))
                .Set(test::Col::Move, S(u"宇宙4"))
                .Set(test::Col::Repair, S(u"90")),
            test::ProgramUnit(S(u"101"), S(u"ZEON"), S(u"ザルガ"), S(u"5"))};
}

class DeployTest : public ::testing::Test, protected test::WindowDriver {
protected:
    DeployTest() : platform_(folder_.Path()) {
        folder_.Write(S(u"unitdata.csv"), test::CatalogueBytes(CatalogueLines()));
        Restart(/*keepSettings=*/false);
    }

    // A new window on the program folder, as the next start of the program; without
    // keepSettings the settings start over with an empty formation.
    void Restart(bool keepSettings) {
        window_.reset();
        if (!keepSettings) {
            const QString game = test::MakeInstallFolder(folder_);
            QByteArray picture(144, '\0');
            picture.append(QByteArray("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8));  // a red top row
            picture.append(QByteArray(8, '\0'));
            folder_.Write(S(u"game/Image/Ms_status/ts_01_0.img"), picture);
            folder_.Write(S(u"setting.ini"),
                          test::SettingsBytes({S(u"[Setting]"), S(u"path=") + game}));
        }
        window_.emplace(platform_);
        ASSERT_TRUE(window_->Load());
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&*window_));
    }

    QObject& Root() override { return *window_; }
    FormationRow FormationCells(int row) {
        FormationRow cells;
        for (int c = 0; c < kFormationColumnCount; ++c) cells[c] = Cell(u"grdFormation", row, c);
        return cells;
    }
    // A double-click as a user makes it: a click, then the double-click on the same cell.
    void DoubleClick(const char16_t* grid, int row, Qt::MouseButton button = Qt::LeftButton) {
        QTableView* view = Grid(grid);
        const QPoint at = view->visualRect(view->model()->index(row - 1, 1)).center();
        QTest::mouseClick(view->viewport(), button, {}, at);
        QTest::mouseDClick(view->viewport(), button, {}, at);
        QTest::mouseRelease(view->viewport(), button, {}, at);
    }
    void Deploy() { QTest::mouseClick(Control<QPushButton>(u"cmdAdd"), Qt::LeftButton); }
    QColor PictureCorner() {
        return Control<QWidget>(u"picImg")->grab().toImage().pixelColor(0, 0);
    }
    QString DefaultFormation() const {
        return SettingsFile(folder_.FilePath(S(u"setting.ini")))
            .Read(S(u"Setting"), S(u"defaultformation"));
    }

    TestFolder folder_;
    ScriptedPlatform platform_;
    std::optional<frmMain> window_;
};

TEST_F(DeployTest, deployAfterChoosingAFormationRow_addsTheUnitOnDisplay_notTheListsRow) {
    ChooseRow(u"grdMsList", 1);
    Deploy();
    ChooseRow(u"grdMsList", 2);
    ASSERT_EQ(Text(u"lblMsName"), S(u"ジェネラル"));
    ChooseRow(u"grdFormation", 1);
    ASSERT_EQ(Text(u"lblMsName"), S(u"ヴェルデ"));

    Deploy();  // ジェネラル is still current in the list
    ASSERT_EQ(Rows(u"grdFormation"), 2);
    EXPECT_EQ(FormationCells(2), FormationCells(1));
    EXPECT_EQ(Cell(u"grdFormation", 2, 1), S(u"ヴェルデ"));
    EXPECT_EQ(Text(u"lblMyWeight"), S(u"8"));
}

TEST_F(DeployTest, factionClick_clearsThePanelWhole_andDeployThenAddsNothing) {
    ChooseRow(u"grdMsList", 1);
    ASSERT_EQ(PictureCorner(), QColor(255, 0, 0));
    QTest::mouseClick(Control<QRadioButton>(u"optMS_1"), Qt::LeftButton);
    auto* shield = Control<QComboBox>(u"cmbShield");
    auto* modification = Control<QComboBox>(u"cmbReconstruct");
    EXPECT_FALSE(shield->isEnabled());
    EXPECT_FALSE(modification->isEnabled());
    EXPECT_EQ(PictureCorner(), QColor(0, 0, 0));

    Deploy();
    EXPECT_EQ(Rows(u"grdFormation"), 0);
    EXPECT_EQ(DefaultFormation(), QString());

    // The lists of a cleared panel bring back nothing of the unit shown before.
    modification->setCurrentIndex(1);
    shield->setCurrentIndex(0);
    EXPECT_EQ(Text(u"lblHp"), QString());
    EXPECT_EQ(Text(u"lblAway"), QString());
    EXPECT_EQ(PictureCorner(), QColor(0, 0, 0));

    // Showing a unit again sets both lists from it. "すべて" lists ザルガ before ヴェルデ.
    QTest::mouseClick(Control<QRadioButton>(u"optMS_2"), Qt::LeftButton);
    ChooseRow(u"grdMsList", 2);
    ASSERT_EQ(Text(u"lblMsName"), S(u"ヴェルデ"));
    EXPECT_TRUE(modification->isEnabled());
    EXPECT_EQ(modification->currentIndex(), 0);
    EXPECT_TRUE(shield->isEnabled());
    EXPECT_EQ(shield->currentIndex(), 1);
    EXPECT_EQ(PictureCorner(), QColor(255, 0, 0));
    Deploy();
    EXPECT_EQ(Cell(u"grdFormation", 1, 1), S(u"ヴェルデ"));
}

TEST_F(DeployTest, removingTheLastUnit_clearsThePanelAndThePicture) {
    ChooseRow(u"grdMsList", 1);
    Deploy();
    ChooseRow(u"grdFormation", 1);
    DoubleClick(u"grdFormation", 1);
    ASSERT_EQ(Rows(u"grdFormation"), 0);
    EXPECT_EQ(Text(u"lblMsName"), QString());
    EXPECT_FALSE(Control<QComboBox>(u"cmbShield")->isEnabled());
    EXPECT_FALSE(Control<QComboBox>(u"cmbReconstruct")->isEnabled());
    EXPECT_EQ(PictureCorner(), QColor(0, 0, 0));
    Deploy();
    EXPECT_EQ(Rows(u"grdFormation"), 0);
}

TEST_F(DeployTest, rightAndMiddleDoubleClicks_neitherDeployEquipNorRemove) {
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton})
        DoubleClick(u"grdMsList", 2, button);
    EXPECT_EQ(Rows(u"grdFormation"), 0);

    ChooseRow(u"grdMsList", 1);
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton})
        DoubleClick(u"grdMsInfo", 4, button);
    EXPECT_EQ(Cell(u"grdMsInfo", 4, 11), S(u"0"));
    EXPECT_EQ(Cell(u"grdMsInfo", 3, 11), S(u"1"));

    Deploy();
    ChooseRow(u"grdFormation", 1);
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton})
        DoubleClick(u"grdFormation", 1, button);
    EXPECT_EQ(Rows(u"grdFormation"), 1);

    DoubleClick(u"grdMsList", 2);
    EXPECT_EQ(Rows(u"grdFormation"), 2);
    EXPECT_EQ(Cell(u"grdFormation", 2, 1), S(u"ジェネラル"));
}

TEST_F(DeployTest, computedFigures_areWrittenAsPeopleWriteNumbers_alsoAfterARestart) {
    ChooseRow(u"grdMsList", 1);
    EXPECT_EQ(Cell(u"grdMsInfo", 1, 3), S(u"3.3"));  // 1.1 x 3
    EXPECT_EQ(Cell(u"grdMsInfo", 3, 3), S(u"2.1"));  // 0.7 x 3
    EXPECT_EQ(Text(u"lblArmor"), S(u"10.3"));
    Control<QComboBox>(u"cmbReconstruct")->setCurrentIndex(2);  // "回避↑ 装甲↓"
    EXPECT_EQ(Text(u"lblArmor"), S(u"7.3"));
    Deploy();
    EXPECT_EQ(Cell(u"grdFormation", 1, 4), S(u"7.3"));

    Restart(/*keepSettings=*/true);
    ASSERT_EQ(Rows(u"grdFormation"), 1);
    EXPECT_EQ(Cell(u"grdFormation", 1, 4), S(u"7.3"));
    EXPECT_EQ(Text(u"lblArmor"), S(u"7.3"));
    EXPECT_EQ(Cell(u"grdMsInfo", 1, 3), S(u"3.3"));
}

TEST_F(DeployTest, deployedUnit_readsTheSameAfterARestart_forEveryChoice) {
    clsMsData catalogue;
    ASSERT_TRUE(catalogue.SetDataSource(folder_.FilePath(S(u"unitdata.csv"))).ok());
    struct Choice {
        int shield;
        int code;
        int weaponRow;
    };
    std::vector<Choice> choices;
    for (int shield : {0, 1})
        for (int code = 0; code <= 8; ++code)
            for (int weaponRow : {3, 4, 5}) choices.push_back({shield, code, weaponRow});

    // Seven units at a time, the most a formation holds; then the program starts again.
    for (std::size_t first = 0; first < choices.size(); first += 7) {
        const std::size_t count = std::min<std::size_t>(7, choices.size() - first);
        std::vector<FormationRow> deployed;
        for (std::size_t i = 0; i < count; ++i) {
            const Choice& choice = choices[first + i];
            ChooseRow(u"grdMsList", 2);
            ChooseRow(u"grdMsList", 1);
            Control<QComboBox>(u"cmbShield")->setCurrentIndex(choice.shield);
            Control<QComboBox>(u"cmbReconstruct")->setCurrentIndex(choice.code);
            DoubleClick(u"grdMsInfo", choice.weaponRow);
            Deploy();
            const int row = int(i) + 1;
            ASSERT_EQ(Rows(u"grdFormation"), row);
            // The row holds what the panel shows, and its stored lists rebuild the same row.
            EXPECT_EQ(Cell(u"grdFormation", row, 3), Text(u"lblHp"));
            EXPECT_EQ(Cell(u"grdFormation", row, 4), Text(u"lblArmor"));
            EXPECT_EQ(Cell(u"grdFormation", row, 5), Text(u"lblAway"));
            EXPECT_EQ(Cell(u"grdFormation", row, 6), Text(u"lblPreemptive"));
            EXPECT_EQ(Cell(u"grdFormation", row, 17), QString::number(choice.weaponRow));
            const QStringList lists = DefaultFormation().split(u'\t');
            ASSERT_EQ(lists.size(), 6);
            FormationRow rebuilt =
                RebuiltRow(catalogue, lists[2].split(u',').last(), lists[3].split(u',').last(),
                           lists[4].split(u',').last(), lists[5].split(u',').last());
            FormationRow cells = FormationCells(row);
            for (int c = Col(FormationColumn::LowHp); c <= Col(FormationColumn::Support); ++c)
                cells[c].clear();  // the markers
            EXPECT_EQ(rebuilt, cells)
                << choice.shield << ' ' << choice.code << ' ' << choice.weaponRow;
        }
        for (std::size_t i = 0; i < count; ++i) deployed.push_back(FormationCells(int(i) + 1));
        Restart(/*keepSettings=*/true);
        ASSERT_EQ(Rows(u"grdFormation"), int(count));
        for (std::size_t i = 0; i < count; ++i)
            EXPECT_EQ(FormationCells(int(i) + 1), deployed[i]) << first + i;
        Restart(/*keepSettings=*/false);
    }
}

}  // namespace
}  // namespace velmora
