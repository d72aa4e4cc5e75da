#include "app/frmMain.h"
#include "app/StartUp.h"

#include "support/ProgramFolder.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFolder.h"
#include "support/TestText.h"
#include "support/WindowDriver.h"
#include "system/SettingsFile.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <optional>

namespace velmora {
namespace {

using test::CatalogueBytes;
using test::ProgramUnit;
using test::ScriptedPlatform;
using test::SettingsBytes;
using test::TestFolder;

// A program folder with a two-unit catalogue, setting.ini and a game install folder whose
// picture of the units is a red top row.
class WindowTest : public ::testing::Test, protected test::WindowDriver {
protected:
    WindowTest() : platform_(folder_.Path()) {}

    void WriteCatalogue() {
        folder_.Write(S(u"unitdata.csv"),
                      CatalogueBytes({ProgramUnit(S(u"001"), S(u"EFSF"), S(u"ヴェルデ"), S(u"4")),
                                      ProgramUnit(S(u"002"), S(u"EFSF"), S(u"ストラトス"), S(u"6")),
                                      ProgramUnit(S(u"101"), S(u"ZEON"), S(u"ザルガ"), S(u"5"))}));
    }
    // setting.ini with the install folder and the given further lines of [Setting].
    void WriteSettings(const QStringList& lines = {}) {
        const QString game = test::MakeInstallFolder(folder_);
        QByteArray picture(144, '\0');
        picture.append(QByteArray("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8));  // 255 red pixels
        picture.append(QByteArray(8, '\0'));
        folder_.Write(S(u"game/Image/Ms_status/ts_01_0.img"), picture);
        folder_.Write(S(u"setting.ini"),
                      SettingsBytes(QStringList{S(u"[Setting]"), S(u"path=") + game} + lines));
    }
    frmMain& Window() {
        if (!window_) window_.emplace(platform_);
        return *window_;
    }
    bool Load() {
        WriteCatalogue();
        if (!folder_.Read(S(u"setting.ini")).size()) WriteSettings();
        return Window().Load();
    }
    QObject& Root() override { return Window(); }
    QString Setting(const QString& key) const {
        return SettingsFile(folder_.FilePath(S(u"setting.ini"))).Read(S(u"Setting"), key);
    }

    TestFolder folder_;
    ScriptedPlatform platform_;
    std::optional<frmMain> window_;
};

// Design

struct DesignedControl {
    QString name;
    const char* kind;
    QString frame;  // the frame that holds it; empty for the window's own parts
    std::optional<QString> caption = std::nullopt;
    QStringList items = {};
};

QStringList Items(std::initializer_list<const char16_t*> texts) {
    QStringList out;
    for (const char16_t* text : texts) out.append(QString::fromUtf16(text));
    return out;
}

std::vector<DesignedControl> DesignControls() {
    const QString list = S(u"fraMsList");
    const QString info = S(u"fraMsInfo");
    const QString form = S(u"fraFormation");
    const QString none;
    std::vector<DesignedControl> controls = {
        {S(u"fraMsList"), "QGroupBox", none, S(u"機体一覧")},
        {S(u"fraMsInfo"), "QGroupBox", none, S(u"詳細")},
        {S(u"fraFormation"), "QGroupBox", none, S(u"編成")},
        {S(u"sbStatus"), "QStatusBar", none},
        {S(u"sbPanel1"), "QLabel", none},
        {S(u"sbPanel2"), "QLabel", none, QString()},
        {S(u"sbPanel3"), "QLabel", none},
        {S(u"sbPanel4"), "QLabel", none},
        {S(u"optMS_0"), "QRadioButton", list, S(u"連邦")},
        {S(u"optMS_1"), "QRadioButton", list, S(u"ジオン")},
        {S(u"optMS_2"), "QRadioButton", list, S(u"すべて")},
        {S(u"txtKeyword"), "QLineEdit", list},
        {S(u"grdMsList"), "QTableView", list},
        {S(u"lblBox"), "QLabel", list},
        {S(u"picImg"), "QWidget", list},
        {S(u"grdMsInfo"), "QTableView", info},
        {S(u"lblMsInfo_2"), "QLabel", info},
        {S(u"lblMsName"), "QLabel", info},
        {S(u"lblCaption_7"), "QLabel", info, S(u"ＨＰ")},
        {S(u"lblCaption_11"), "QLabel", info, S(u"装甲")},
        {S(u"lblCaption_14"), "QLabel", info, S(u"移動")},
        {S(u"lblCaption_4"), "QLabel", info, S(u"搭載")},
        {S(u"lblCaption_21"), "QLabel", info, S(u"回避")},
        {S(u"lblCaption_15"), "QLabel", info, S(u"補給")},
        {S(u"lblCaption_10"), "QLabel", info, S(u"修理")},
        {S(u"lblCaption_13"), "QLabel", info, S(u"先制")},
        {S(u"lblHp"), "QLabel", info},
        {S(u"lblArmor"), "QLabel", info},
        {S(u"lblMove"), "QLabel", info},
        {S(u"lblWeight"), "QLabel", info},
        {S(u"lblAway"), "QLabel", info},
        {S(u"lblSupply"), "QLabel", info},
        {S(u"lblRepair"), "QLabel", info},
        {S(u"lblPreemptive"), "QLabel", info},
        {S(u"lblSale"), "QLabel", info},
        {S(u"cmbShield"), "QComboBox", info, std::nullopt, Items({u"盾なし", u"盾あり"})},
        {S(u"cmbReconstruct"), "QComboBox", info, std::nullopt,
         Items({u"デフォルト", u"回避↑ ＨＰ↓", u"回避↑ 装甲↓", u"移動↑ ＨＰ↓", u"移動↑ 装甲↓",
                u"ＨＰ↑ 回避↓", u"ＨＰ↑ 移動↓", u"装甲↑ 回避↓", u"装甲↑ 移動↓"})},
        {S(u"cmdAdd"), "QPushButton", info, S(u"配備")},
        {S(u"cmdEdit"), "QPushButton", info, S(u"更新")},
        {S(u"grdFormation"), "QTableView", form},
        {S(u"lblCaption_0"), "QLabel", form, S(u"階級")},
        {S(u"cmbClass"), "QComboBox", form, std::nullopt,
         Items({u"少尉", u"中尉", u"大尉", u"少佐", u"中佐", u"大佐"})},
        {S(u"lblCaption_3"), "QLabel", form, S(u"レベル")},
        {S(u"Picture1"), "QWidget", form},
        {S(u"lblLevel"), "QLabel", form, S(u"1")},
        {S(u"upLevel"), "QSpinBox", form},
        {S(u"lblCaption_1"), "QLabel", form, S(u"勲章")},
        {S(u"Picture2"), "QWidget", form},
        {S(u"lblDecoration"), "QLabel", form, S(u"0")},
        {S(u"upDecoration"), "QSpinBox", form},
        {S(u"lblCaption_2"), "QLabel", form, S(u"搭載解除")},
        {S(u"Picture3"), "QWidget", form},
        {S(u"lblSkill"), "QLabel", form, S(u"0")},
        {S(u"upSkill"), "QSpinBox", form},
        {S(u"lblCaption_16"), "QLabel", form, S(u"搭載")},
        {S(u"lblMyWeight"), "QLabel", form, S(u"0")},
        {S(u"lblCaption_17"), "QLabel", form, S(u"/")},
        {S(u"lblTotalWeight"), "QLabel", form, S(u"99")},
        {S(u"lblCaption_20"), "QLabel", form, S(u"一機制限")},
        {S(u"lblPersonal"), "QLabel", form, S(u"0")},
        {S(u"lblCaption_18"), "QLabel", form, S(u"修理")},
        {S(u"lblTotalRepair"), "QLabel", form, S(u"300")},
        {S(u"lblCaption_19"), "QLabel", form, S(u"制限機")},
        {S(u"lblRestriction"), "QLabel", form, S(u"0")},
        {S(u"cmdSaveLoad"), "QPushButton", form, S(u"セーブ／ロード")},
    };
    const std::pair<const char16_t*, const char16_t*> toggles[] = {
        {u"lblGeneral", u"汎用"},        {u"lblEarth", u"地上"}, {u"lblSpace", u"宇宙"},
        {u"lblMassProduction", u"量産"}, {u"lblAce", u"一機"},   {u"lblPrivate", u"専用"},
        {u"lblLimit", u"限定"},          {u"lblNt", u"ＮＴ"},    {u"lblStar", u"☆"}};
    // Each category toggle is a box (index 0) with its caption (index 1) on it.
    for (const auto& [toggle, caption] : toggles) {
        controls.push_back({QString::fromUtf16(toggle) + u"_0", "QLabel", list, QString()});
        controls.push_back({QString::fromUtf16(toggle) + u"_1", "QLabel", list, S(caption)});
    }
    for (int i = 0; i <= 8; ++i)
        controls.push_back({S(u"linUnder_") + QString::number(i), "QFrame", info});
    for (int i = 0; i <= 3; ++i)
        controls.push_back({S(u"pcbBox_") + QString::number(i), "QWidget", form});
    return controls;
}

TEST_F(WindowTest, everyControlOfTheDesignIsThereWithItsKindCaptionAndItems) {
    frmMain& window = Window();
    EXPECT_EQ(window.objectName(), S(u"frmMain"));
    EXPECT_EQ(window.windowTitle(), S(u"Velmora"));
    for (const DesignedControl& designed : DesignControls()) {
        SCOPED_TRACE(designed.name.toStdString());
        const auto found = window.findChildren<QWidget*>(designed.name);
        ASSERT_EQ(found.size(), 1);
        QWidget* control = found[0];
        EXPECT_TRUE(control->inherits(designed.kind)) << control->metaObject()->className();
        if (!designed.frame.isEmpty()) {
            EXPECT_TRUE(window.findChild<QGroupBox*>(designed.frame)->isAncestorOf(control));
        }
        if (designed.caption) {
            QString caption;
            if (auto* label = qobject_cast<QLabel*>(control)) caption = label->text();
            if (auto* button = qobject_cast<QAbstractButton*>(control)) caption = button->text();
            if (auto* frame = qobject_cast<QGroupBox*>(control)) caption = frame->title();
            EXPECT_EQ(caption, *designed.caption);
        }
        if (auto* combo = qobject_cast<QComboBox*>(control)) {
            QStringList items;
            for (int i = 0; i < combo->count(); ++i) items.append(combo->itemText(i));
            EXPECT_EQ(items, designed.items);
        }
    }
}

TEST_F(WindowTest, framesAreStackedTopToBottomAboveTheStatusBar) {
    frmMain& window = Window();
    window.show();
    auto top = [&](const char16_t* name) {
        QWidget* w = window.findChild<QWidget*>(QString::fromUtf16(name));
        return w->mapTo(&window, QPoint(0, 0)).y();
    };
    auto bottom = [&](const char16_t* name) {
        QWidget* w = window.findChild<QWidget*>(QString::fromUtf16(name));
        return top(name) + w->height();
    };
    EXPECT_LE(bottom(u"fraMsList"), top(u"fraMsInfo"));
    EXPECT_LE(bottom(u"fraMsInfo"), top(u"fraFormation"));
    EXPECT_LE(bottom(u"fraFormation"), top(u"sbStatus"));
    EXPECT_EQ(window.statusBar(), window.findChild<QStatusBar*>(S(u"sbStatus")));
}

TEST_F(WindowTest, opensAtTheDesignSizeAndGivesTheUnitListMostOfAnyExtraRoom) {
    frmMain& window = Window();
    window.show();
    EXPECT_EQ(window.width(), 805);
    // The menu bar sits above the design's client area. The frames may need a few pixels more
    // than the design where the fonts are larger.
    const int menu = window.menuBar()->height();
    EXPECT_GT(menu, 0);
    EXPECT_EQ(window.height() - menu, std::max(622, window.minimumSizeHint().height() - menu));
    EXPECT_LE(window.height() - menu, 680);

    auto height = [&](const char16_t* name) {
        return window.findChild<QWidget*>(QString::fromUtf16(name))->height();
    };
    const int list = height(u"fraMsList");
    const int info = height(u"fraMsInfo");
    window.resize(1000, window.height() + 300);
    QApplication::processEvents();
    EXPECT_GT(height(u"fraMsList") - list, height(u"fraMsInfo") - info);
    EXPECT_GT(window.findChild<QWidget*>(S(u"grdMsList"))->width(), 600);
}

TEST_F(WindowTest, statusBarShowsThePlatformsDateAndTimeAndFollowsTheClock) {
    platform_.now = QDateTime(QDate(2026, 12, 7), QTime(13, 5, 59));
    EXPECT_EQ(Text(S(u"sbPanel3")), S(u"2026/12/07"));
    EXPECT_EQ(Text(S(u"sbPanel4")), S(u"13:05"));
    EXPECT_EQ(Text(S(u"sbPanel2")), QString());
    platform_.now = QDateTime(QDate(2027, 1, 1), QTime(0, 0, 1));
    QTest::qWait(1300);
    EXPECT_EQ(Text(S(u"sbPanel3")), S(u"2027/01/01"));
    EXPECT_EQ(Text(S(u"sbPanel4")), S(u"00:00"));
}

// Start-up

TEST_F(WindowTest, load_catalogueMissing_showsOnlyTheFirstMessageAndLeavesSettingsAlone) {
    WriteSettings({S(u"class=9")});
    const QByteArray before = folder_.Read(S(u"setting.ini"));
    EXPECT_FALSE(Window().Load());
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].text,
              StartUp::MissingFileMessage(S(u"機体データファイルが見つかりません。"),
                                          folder_.Path(), S(u"unitdata.csv")));
    EXPECT_EQ(platform_.messages[0].title, S(u"エラー"));
    EXPECT_TRUE(platform_.folderPrompts.isEmpty());
    EXPECT_EQ(folder_.Read(S(u"setting.ini")), before);
    EXPECT_EQ(platform_.endProgramCalls, 0);
}

TEST_F(WindowTest, load_settingsMissing_showsItsMessage) {
    WriteCatalogue();
    EXPECT_FALSE(Window().Load());
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].text,
              StartUp::MissingFileMessage(S(u"設定ファイルが見つかりません。"), folder_.Path()));
    EXPECT_EQ(Rows(S(u"grdMsList")), 0);
}

TEST_F(WindowTest, load_pathEmpty_asksForTheInstallFolderAndGoesOnWhenCancelled) {
    WriteCatalogue();
    folder_.Write(S(u"setting.ini"), SettingsBytes({S(u"[Setting]"), S(u"path=")}));
    EXPECT_TRUE(Window().Load());
    ASSERT_EQ(platform_.folderPrompts.size(), 1);
    EXPECT_EQ(platform_.folderPrompts[0], S(u"QELのインストールフォルダを指定してください。\r\n"
                                            u"[例]\"C:\\Program Files\\Toveri\\QEL2\""));
    EXPECT_EQ(Setting(S(u"path")), QString());
    EXPECT_EQ(Rows(S(u"grdMsList")), 2);  // the two EFSF units
}

TEST_F(WindowTest, load_chosenInstallFolder_isRememberedAndItsPicturesShown) {
    WriteCatalogue();
    WriteSettings();
    const QString game = folder_.FilePath(S(u"game"));
    folder_.Write(S(u"setting.ini"), SettingsBytes({S(u"[Setting]"), S(u"path=")}));
    platform_.folderAnswers.push_back(game);
    ASSERT_TRUE(Window().Load());
    EXPECT_EQ(Setting(S(u"path")), game);
    ChooseRow(S(u"grdMsList"), 1);
    const QImage shown = Control<QWidget>(S(u"picImg"))->grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(0, 5), QColor(0, 0, 0));
}

TEST_F(WindowTest, load_restoresTheCommanderAndLeavesItInTheSettingsFile) {
    WriteSettings({S(u"class=2"), S(u"level=30"), S(u"decoration=5"), S(u"skill=1")});
    ASSERT_TRUE(Load());
    EXPECT_EQ(Control<QComboBox>(S(u"cmbClass"))->currentText(), S(u"大尉"));
    EXPECT_EQ(Control<QSpinBox>(S(u"upLevel"))->value(), 30);
    EXPECT_EQ(Text(S(u"lblLevel")), S(u"30"));
    EXPECT_EQ(Control<QSpinBox>(S(u"upDecoration"))->value(), 5);
    EXPECT_EQ(Text(S(u"lblDecoration")), S(u"5"));
    EXPECT_EQ(Control<QSpinBox>(S(u"upSkill"))->value(), 1);
    EXPECT_EQ(Text(S(u"lblSkill")), S(u"1"));
    EXPECT_EQ(Setting(S(u"class")), S(u"2"));
    EXPECT_EQ(Setting(S(u"level")), S(u"30"));
    EXPECT_EQ(Setting(S(u"decoration")), S(u"5"));
    EXPECT_EQ(Setting(S(u"skill")), S(u"1"));
}

struct CommanderCase {
    const char16_t* setting;  // a line of [Setting]
    const char16_t* rank;
    int level;
    int decoration;
    int skill;
};

class CommanderValueTest : public WindowTest,
                           public ::testing::WithParamInterface<CommanderCase> {};

TEST_P(CommanderValueTest, appliesTheRangeRules) {
    const CommanderCase& c = GetParam();
    WriteSettings({QString::fromUtf16(c.setting)});
    ASSERT_TRUE(Load());
    EXPECT_TRUE(platform_.messages.empty());
    EXPECT_EQ(Control<QComboBox>(S(u"cmbClass"))->currentText(), QString::fromUtf16(c.rank));
    EXPECT_EQ(Control<QSpinBox>(S(u"upLevel"))->value(), c.level);
    EXPECT_EQ(Text(S(u"lblLevel")), QString::number(c.level));
    EXPECT_EQ(Control<QSpinBox>(S(u"upDecoration"))->value(), c.decoration);
    EXPECT_EQ(Control<QSpinBox>(S(u"upSkill"))->value(), c.skill);
    EXPECT_EQ(Setting(S(u"level")), QString::number(c.level));
    EXPECT_EQ(Setting(S(u"decoration")), QString::number(c.decoration));
    EXPECT_EQ(Setting(S(u"skill")), QString::number(c.skill));
}

INSTANTIATE_TEST_SUITE_P(Rules, CommanderValueTest,
                         ::testing::Values(CommanderCase{u"class=5", u"大佐", 1, 0, 0},
                                           CommanderCase{u"class=6", u"少尉", 1, 0, 0},
                                           CommanderCase{u"class=-1", u"少尉", 1, 0, 0},
                                           CommanderCase{u"class=99999999999", u"少尉", 1, 0, 0},
                                           CommanderCase{u"level=0", u"少尉", 1, 0, 0},
                                           CommanderCase{u"level=100", u"少尉", 1, 0, 0},
                                           CommanderCase{u"level=abc", u"少尉", 1, 0, 0},
                                           CommanderCase{u"level=7.5", u"少尉", 8, 0, 0},
                                           CommanderCase{u"level=6.5", u"少尉", 6, 0, 0},
                                           CommanderCase{u"level=99", u"少尉", 99, 0, 0},
                                           CommanderCase{u"level=4294967297", u"少尉", 1, 0, 0},
                                           CommanderCase{u"decoration=-1", u"少尉", 1, 0, 0},
                                           CommanderCase{u"decoration=99", u"少尉", 1, 99, 0},
                                           CommanderCase{u"decoration=1e12", u"少尉", 1, 0, 0},
                                           CommanderCase{u"skill=4", u"少尉", 1, 0, 0},
                                           CommanderCase{u"skill=3", u"少尉", 1, 0, 3},
                                           CommanderCase{u"skill=-2147483649", u"少尉", 1, 0, 0}));

// Working with the window

TEST_F(WindowTest, load_fillsTheListWithTheFirstFactionAndTheDetailIsEmpty) {
    ASSERT_TRUE(Load());
    EXPECT_TRUE(Control<QRadioButton>(S(u"optMS_0"))->isChecked());
    ASSERT_EQ(Rows(S(u"grdMsList")), 2);
    EXPECT_EQ(Cell(S(u"grdMsList"), 1, 3), S(u"ヴェルデ"));
    EXPECT_EQ(Text(S(u"lblMsName")), QString());
    EXPECT_EQ(Rows(S(u"grdFormation")), 0);
    EXPECT_FALSE(Text(S(u"sbPanel1")).isEmpty());
}

TEST_F(WindowTest, smoke_chooseAUnitDeployItAndFindItInTheDefaultFormation) {
    ASSERT_TRUE(Load());
    ChooseRow(S(u"grdMsList"), 2);
    EXPECT_EQ(Text(S(u"lblMsName")), S(u"ストラトス"));
    EXPECT_EQ(Text(S(u"lblHp")), S(u"300"));

    QTest::mouseClick(Control<QPushButton>(S(u"cmdAdd")), Qt::LeftButton);
    ASSERT_EQ(Rows(S(u"grdFormation")), 1);
    EXPECT_EQ(Cell(S(u"grdFormation"), 1, 0), S(u"002"));
    EXPECT_EQ(Cell(S(u"grdFormation"), 1, 1), S(u"ストラトス"));
    EXPECT_EQ(Cell(S(u"grdFormation"), 1, 2), S(u"6"));
    EXPECT_EQ(Cell(S(u"grdFormation"), 1, 3), S(u"300"));
    const QStringList saved = Setting(S(u"defaultformation")).split(u'\t');
    ASSERT_EQ(saved.size(), 6);
    EXPECT_EQ(saved[0], S(u"デフォルト編成"));
    EXPECT_EQ(saved[2], S(u"002"));
    EXPECT_TRUE(platform_.messages.empty());
    EXPECT_EQ(platform_.endProgramCalls, 0);
}

TEST_F(WindowTest, deploy_withoutAChosenListRow_addsNothing) {
    ASSERT_TRUE(Load());
    QTest::mouseClick(Control<QPushButton>(S(u"cmdAdd")), Qt::LeftButton);
    EXPECT_EQ(Rows(S(u"grdFormation")), 0);
    EXPECT_EQ(Setting(S(u"defaultformation")), QString());
}

TEST_F(WindowTest, doubleClickInTheList_deploysLikeTheButton) {
    ASSERT_TRUE(Load());
    Window().show();
    auto* list = Control<QTableView>(S(u"grdMsList"));
    const QPoint cell = list->visualRect(list->model()->index(0, 3)).center();
    // A double-click is a click followed by the double-click event on the same cell.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    ASSERT_EQ(Rows(S(u"grdFormation")), 1);
    EXPECT_EQ(Cell(S(u"grdFormation"), 1, 0), S(u"001"));
}

TEST_F(WindowTest, choosingAFormationRow_showsItsUnitInTheDetail) {
    ASSERT_TRUE(Load());
    ChooseRow(S(u"grdMsList"), 1);
    QTest::mouseClick(Control<QPushButton>(S(u"cmdAdd")), Qt::LeftButton);
    ChooseRow(S(u"grdMsList"), 2);
    ASSERT_EQ(Text(S(u"lblMsName")), S(u"ストラトス"));
    ChooseRow(S(u"grdFormation"), 1);
    EXPECT_EQ(Text(S(u"lblMsName")), S(u"ヴェルデ"));
}

TEST_F(WindowTest, update_writesTheDetailBackIntoTheFormationRow) {
    ASSERT_TRUE(Load());
    ChooseRow(S(u"grdMsList"), 1);
    QTest::mouseClick(Control<QPushButton>(S(u"cmdAdd")), Qt::LeftButton);
    ChooseRow(S(u"grdFormation"), 1);
    auto* reconstruct = Control<QComboBox>(S(u"cmbReconstruct"));
    reconstruct->setCurrentIndex(5);  // "ＨＰ↑ 回避↓"
    const QString hp = Text(S(u"lblHp"));
    ASSERT_NE(hp, S(u"300"));
    QTest::mouseClick(Control<QPushButton>(S(u"cmdEdit")), Qt::LeftButton);
    EXPECT_EQ(Cell(S(u"grdFormation"), 1, 3), hp);
    EXPECT_EQ(Cell(S(u"grdFormation"), 1, 16), QString::number(reconstruct->currentData().toInt()));
}

TEST_F(WindowTest, anotherFaction_clearsTheDetail) {
    ASSERT_TRUE(Load());
    ChooseRow(S(u"grdMsList"), 1);
    ASSERT_EQ(Text(S(u"lblMsName")), S(u"ヴェルデ"));
    QTest::mouseClick(Control<QRadioButton>(S(u"optMS_1")), Qt::LeftButton);
    EXPECT_EQ(Text(S(u"lblMsName")), QString());
    EXPECT_EQ(Text(S(u"lblHp")), QString());
    EXPECT_EQ(Rows(S(u"grdMsList")), 1);
}

TEST_F(WindowTest, setMsData_showsTheUnitInTheDetail) {
    ASSERT_TRUE(Load());
    Window().SetMsData(S(u"101"), false);
    EXPECT_EQ(Text(S(u"lblMsName")), S(u"ザルガ"));
    Window().SetMsData(S(u"999"), false);
    EXPECT_EQ(Text(S(u"lblMsName")), QString());
}

TEST_F(WindowTest, defaultFormation_isRestoredAtLoad) {
    WriteSettings({S(u"defaultformation=デフォルト編成\t12.01 20:15\t101,001\t0,0\t0,0\t0,0")});
    ASSERT_TRUE(Load());
    ASSERT_EQ(Rows(S(u"grdFormation")), 2);
    EXPECT_EQ(Cell(S(u"grdFormation"), 1, 1), S(u"ザルガ"));
    EXPECT_EQ(Cell(S(u"grdFormation"), 2, 1), S(u"ヴェルデ"));
}

// Keyboard, help and the window's place

TEST_F(WindowTest, tabWalksTheControlsInReadingOrderAndLeavesEachGrid) {
    ASSERT_TRUE(Load());
    frmMain& window = Window();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QStringList expected = {S(u"txtKeyword"),   S(u"lblGeneral_0"),        S(u"lblEarth_0"),
                                  S(u"lblSpace_0"),   S(u"lblMassProduction_0"), S(u"lblAce_0"),
                                  S(u"lblPrivate_0"), S(u"lblLimit_0"),          S(u"lblNt_0"),
                                  S(u"lblStar_0"),    S(u"grdMsList"),           S(u"grdMsInfo"),
                                  S(u"cmbShield"),    S(u"cmbReconstruct"),      S(u"cmdAdd"),
                                  S(u"cmdEdit"),      S(u"grdFormation"),        S(u"cmbClass"),
                                  S(u"upLevel"),      S(u"upDecoration"),        S(u"upSkill"),
                                  S(u"cmdSaveLoad")};
    ChooseRow(S(u"grdMsList"), 1);
    // The faction options are one stop: the checked one takes the focus.
    Control<QRadioButton>(S(u"optMS_0"))->setFocus(Qt::TabFocusReason);
    // The shield list is disabled, and skipped, while the unit has no shield.
    ASSERT_FALSE(Control<QComboBox>(S(u"cmbShield"))->isEnabled());
    QStringList reachable = expected;
    reachable.removeAll(S(u"cmbShield"));
    QStringList forward;
    for (qsizetype i = 0; i < reachable.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(forward.join(u' ').toStdString(), reachable.join(u' ').toStdString());

    QStringList backward;
    for (qsizetype i = 0; i < reachable.size(); ++i) {
        backward.prepend(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    }
    EXPECT_EQ(backward.join(u' ').toStdString(), reachable.join(u' ').toStdString());
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), "optMS_0");
}

TEST_F(WindowTest, spaceOnAToggleAndEnterOnTheList_actAsTheirClicks) {
    ASSERT_TRUE(Load());
    frmMain& window = Window();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* box = Control<QLabel>(S(u"lblStar_0"));
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_Space);  // no name holds a star
    EXPECT_EQ(box->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(Rows(S(u"grdMsList")), 0);
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(Rows(S(u"grdMsList")), 2);

    auto* list = Control<QTableView>(S(u"grdMsList"));
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(Text(S(u"lblMsName")), S(u"ストラトス"));
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_EQ(Rows(S(u"grdFormation")), 1);
    EXPECT_EQ(Cell(S(u"grdFormation"), 1, 0), S(u"002"));
    // Alt+H is the deploy button's shortcut; its caption keeps its text.
    QTest::keyClick(list, Qt::Key_H, Qt::AltModifier);
    // A shortcut clicks its button after a short animation.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Rows(S(u"grdFormation")) == 2; }, 1000));
    EXPECT_EQ(Control<QPushButton>(S(u"cmdAdd"))->text(), S(u"配備"));
    EXPECT_TRUE(Control<QPushButton>(S(u"cmdAdd"))->toolTip().contains(S(u"Alt+H")));
}

TEST_F(WindowTest, everyHeaderCaptionToggleAndButtonExplainsItself) {
    ASSERT_TRUE(Load());
    for (const char16_t* name : {u"grdMsList", u"grdMsInfo", u"grdFormation"}) {
        auto* grid = Control<QTableView>(S(name));
        for (int c = 0; c < grid->model()->columnCount(); ++c) {
            if (grid->isColumnHidden(c)) continue;
            EXPECT_FALSE(
                grid->model()->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString().isEmpty())
                << QString::fromUtf16(name).toStdString() << " " << c;
        }
    }
    for (QLabel* label : Window().findChildren<QLabel*>()) {
        const QString name = label->objectName();
        // Every caption beside a value ("/" between two values is none), both labels of
        // every toggle.
        const bool caption = name.startsWith(u"lblCaption_") && name != u"lblCaption_17";
        const bool toggle = label->parentWidget()->parentWidget()->objectName() == u"fraMsList" &&
                            (name.endsWith(u"_0") || name.endsWith(u"_1"));
        if (caption || toggle) {
            EXPECT_FALSE(label->toolTip().isEmpty()) << name.toStdString();
        }
    }
    for (QAbstractButton* button : Window().findChildren<QAbstractButton*>()) {
        // A grid's corner and the menu bar's overflow button are Qt's own.
        if (button->objectName().isEmpty() || button->objectName().startsWith(u"qt_")) continue;
        EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
    }
    EXPECT_TRUE(Control<QLabel>(S(u"lblCaption_16"))->toolTip().contains(S(u"47")));
}

TEST_F(WindowTest, neverSmallerThanTheDesign_extraRoomGoesToNamesAndGrids) {
    ASSERT_TRUE(Load());
    frmMain& window = Window();
    window.show();
    EXPECT_GE(window.minimumWidth(), 805);
    EXPECT_GE(window.minimumHeight(), 622);
    window.resize(300, 200);
    QApplication::processEvents();
    EXPECT_GE(window.width(), 805);
    EXPECT_GE(window.height(), 622);

    auto* list = Control<QTableView>(S(u"grdMsList"));
    auto* weapons = Control<QTableView>(S(u"grdMsInfo"));
    auto* formation = Control<QTableView>(S(u"grdFormation"));
    const int name = list->columnWidth(3);
    const int weapon = weapons->columnWidth(1);
    const int formationHeight = formation->height();
    const int weight = list->columnWidth(2);
    window.resize(window.width() + 200, window.height() + 150);
    QApplication::processEvents();
    EXPECT_EQ(list->columnWidth(3), name + 200);
    EXPECT_EQ(weapons->columnWidth(1), weapon + 200);
    EXPECT_EQ(list->columnWidth(2), weight);
    EXPECT_GT(formation->height(), formationHeight);
    auto* picture = Control<QWidget>(S(u"picImg"));
    EXPECT_EQ(picture->size(), QSize(179, 239));
}

TEST_F(WindowTest, placeAndColumnWidths_restoredAtTheNextStart_unlessOffEveryScreen) {
    ASSERT_TRUE(Load());
    Window().show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect placed(screen.left() + 20, screen.top() + 30, 900, 700);
    Window().setGeometry(placed);
    Control<QTableView>(S(u"grdMsList"))->setColumnWidth(2, 50);
    QApplication::processEvents();
    Window().close();
    const auto window = [this](const char16_t* key) {
        return SettingsFile(folder_.FilePath(S(u"setting.ini"))).Read(S(u"Window"), S(key));
    };
    EXPECT_EQ(window(u"width"), S(u"900"));
    EXPECT_EQ(window(u"maximized"), S(u"0"));

    window_.reset();
    ASSERT_TRUE(Window().Load());
    Window().show();
    QApplication::processEvents();
    EXPECT_EQ(Window().geometry(), placed);
    EXPECT_EQ(Control<QTableView>(S(u"grdMsList"))->columnWidth(2), 50);

    // Closing without a change writes nothing.
    const QString path = folder_.FilePath(S(u"setting.ini"));
    const QByteArray before = folder_.Read(S(u"setting.ini"));
    const QDateTime old(QDate(2020, 1, 1), QTime(0, 0));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    Window().close();
    EXPECT_EQ(QFileInfo(path).lastModified(), old);
    EXPECT_EQ(folder_.Read(S(u"setting.ini")), before);

    // A place off every screen keeps the size only; a maximised window comes back maximised.
    window_.reset();
    SettingsFile settings(path);
    ASSERT_TRUE(settings.Write(S(u"-9000"), S(u"Window"), S(u"left")).ok());
    ASSERT_TRUE(settings.Write(S(u"1"), S(u"Window"), S(u"maximized")).ok());
    ASSERT_TRUE(Window().Load());
    EXPECT_EQ(Window().size(), placed.size());
    EXPECT_NE(Window().pos().x(), -9000);
    EXPECT_TRUE(Window().windowState() & Qt::WindowMaximized);
}

}  // namespace
}  // namespace velmora
