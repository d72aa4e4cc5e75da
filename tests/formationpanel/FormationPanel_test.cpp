#include "formationpanel/FormationPanel.h"

#include "support/FormationFixtures.h"
#include "formationpanel/CommanderSpinBox.h"
#include "formation/FormationRows.h"
#include "rules/PanelFigures.h"
#include "support/RecordingWriter.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFolder.h"
#include "support/WindowDriver.h"
#include "system/SettingsFile.h"
#include "widgets/GridView.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

namespace velmora {
namespace {

using test::FormationUnit;
using test::LoadedCatalogue;

const QString kSetting = QStringLiteral("Setting");
const QString kStamp = QStringLiteral(u"デフォルト編成\t02.03 09:05\t");

class FormationPanelTest : public ::testing::Test, protected test::WindowDriver {
protected:
    FormationPanelTest()
        : settings_(folder_.Write(QStringLiteral("setting.ini"), "[Setting]\r\npath=\r\n"),
                    writer_.Writer()),
          platform_(folder_.Path()),
          catalogue_(LoadedCatalogue(test::AlphaBravoCharlie() +
                                     QStringList{
                                         FormationUnit(QStringLiteral("H"), QStringLiteral("Heavy"))
                                             .Set(test::Col::Weight, QStringLiteral("49")),
                                         FormationUnit(QStringLiteral("L"), QStringLiteral("Lima"))
                                             .Set(test::Col::Move, QStringLiteral(u"地上9"))
                                             .Set(test::Col::Category, QStringLiteral(u"限定"))
                                             .Set(test::Col::Repair, QStringLiteral("15")),
                                     })),
          panel_(std::make_unique<FormationPanel>(catalogue_, settings_, platform_)),
          grid_(panel_->findChild<GridView*>(QStringLiteral("grdFormation"))),
          verdicts_(panel_.get(), &FormationPanel::verdictChanged),
          selected_(panel_.get(), &FormationPanel::unitSelected),
          cleared_(panel_.get(), &FormationPanel::detailClearRequested) {}

    QObject& Root() override { return *panel_; }
    QString Ini(const QString& key) const { return settings_.Read(kSetting, key); }
    QString Verdict() const {
        return verdicts_.isEmpty() ? QString() : verdicts_.last().at(0).toString();
    }
    QString SelectedMsNo() const {
        return selected_.isEmpty() ? QString() : selected_.last().at(0).toString();
    }

    // The row of a catalogue unit as the detail panel hands it over.
    FormationRow Row(const QString& msNo, int shield = 0, int code = 0, int weaponRow = 0) const {
        typMsData unit = catalogue_.GetMsData(msNo);
        if (weaponRow > 0) EquipRow(unit, weaponRow);
        return UnitRow(unit, shield, code);
    }

    void Select(int gridRow) {
        grid_->setCurrentIndex(grid_->model()->index(gridRow - 1, Col(FormationColumn::Name)));
    }

    void DoubleClick(int gridRow) {
        panel_->resize(793, 146);
        panel_->show();
        const QRect cell =
            grid_->visualRect(grid_->model()->index(gridRow - 1, Col(FormationColumn::Name)));
        ASSERT_TRUE(cell.isValid());
        // A widget double-click is the first click followed by the double-click event.
        QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid_->viewport(), Qt::LeftButton, {}, cell.center());
    }

    test::TestFolder folder_;
    test::RecordingWriter writer_;
    SettingsFile settings_;
    test::ScriptedPlatform platform_;
    clsMsData catalogue_;
    std::unique_ptr<FormationPanel> panel_;
    GridView* grid_;
    QSignalSpy verdicts_;
    QSignalSpy selected_;
    QSignalSpy cleared_;
};

TEST_F(FormationPanelTest, Design_noRankAtStart_designTexts_hiddenColumns) {
    EXPECT_EQ(panel_->objectName(), QStringLiteral("fraFormation"));
    EXPECT_EQ(panel_->title(), QStringLiteral(u"編成"));
    auto* ranks = Control<QComboBox>(u"cmbClass");
    EXPECT_EQ(ranks->currentIndex(), -1);
    ASSERT_EQ(ranks->count(), 6);
    EXPECT_EQ(ranks->itemText(5), QStringLiteral(u"大佐"));
    EXPECT_EQ(ranks->itemData(5).toInt(), 5);
    EXPECT_EQ(Text(u"lblTotalWeight"), QStringLiteral("99"));
    EXPECT_EQ(Text(u"lblTotalRepair"), QStringLiteral("300"));
    EXPECT_EQ(Control<QPushButton>(u"cmdSaveLoad")->text(), QStringLiteral(u"セーブ／ロード"));
    for (const char16_t* name : {u"Picture1", u"Picture2", u"Picture3", u"pcbBox_0", u"pcbBox_1",
                                 u"pcbBox_2", u"pcbBox_3", u"lblCaption_17", u"lblCaption_20"})
        EXPECT_NE(panel_->findChild<QWidget*>(QString::fromUtf16(name)), nullptr);
    EXPECT_EQ(Control<QWidget>(u"pcbBox_0")->palette().color(QPalette::Window),
              QColor(224, 224, 224));
    for (int c = 0; c < kFormationColumnCount; ++c)
        EXPECT_EQ(grid_->isColumnHidden(c), c == 0 || c == 8 || c == 10 || c >= 15) << c;
    EXPECT_EQ(panel_->RowCount(), 1);
    EXPECT_EQ(panel_->Cell(0, Col(FormationColumn::Name)), QStringLiteral(u"機体名称"));
}

TEST_F(FormationPanelTest, RestoreCommander_leavesTheRestoredValuesInTheSettings) {
    panel_->RestoreCommander(3, 10, 5, 2);
    EXPECT_EQ(Control<QComboBox>(u"cmbClass")->currentIndex(), 3);
    EXPECT_EQ(Text(u"lblLevel"), QStringLiteral("10"));
    EXPECT_EQ(Text(u"lblDecoration"), QStringLiteral("5"));
    EXPECT_EQ(Text(u"lblSkill"), QStringLiteral("2"));
    EXPECT_EQ(Text(u"lblTotalWeight"), QStringLiteral("65"));
    EXPECT_EQ(Ini(QStringLiteral("class")), QStringLiteral("3"));
    EXPECT_EQ(Ini(QStringLiteral("level")), QStringLiteral("10"));
    EXPECT_EQ(Ini(QStringLiteral("decoration")), QStringLiteral("5"));
    EXPECT_EQ(Ini(QStringLiteral("skill")), QStringLiteral("2"));
    EXPECT_EQ(Verdict(), QStringLiteral(u"残り搭載 65"));
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(FormationPanelTest, RestoreCommander_outOfRangeOrMissingValues_giveTheDefaults) {
    panel_->RestoreCommander(3, 10, 5, 2);
    panel_->RestoreCommander(6, 0, 100, 4);
    EXPECT_EQ(Control<QComboBox>(u"cmbClass")->currentIndex(), 0);
    EXPECT_EQ(Text(u"lblLevel"), QStringLiteral("1"));
    EXPECT_EQ(Text(u"lblDecoration"), QStringLiteral("0"));
    EXPECT_EQ(Text(u"lblSkill"), QStringLiteral("0"));
    EXPECT_EQ(Ini(QStringLiteral("level")), QStringLiteral("1"));
    EXPECT_EQ(Ini(QStringLiteral("decoration")), QStringLiteral("0"));

    // The same rank again still stores what was restored.
    panel_->RestoreCommander(-1, 99, Status::Fail(StatusCode::OutOfRange, QString()), -3);
    EXPECT_EQ(Control<QComboBox>(u"cmbClass")->currentIndex(), 0);
    EXPECT_EQ(Ini(QStringLiteral("level")), QStringLiteral("99"));
    EXPECT_EQ(Text(u"lblTotalWeight"), QStringLiteral("146"));
}

TEST_F(FormationPanelTest, Spinners_userStepsRecomputeAndStoreAtOnce_programValuesDoNot) {
    panel_->RestoreCommander(0, 1, 0, 0);
    auto* level = Control<CommanderSpinBox>(u"upLevel");
    level->stepUp();
    EXPECT_EQ(Text(u"lblLevel"), QStringLiteral("2"));
    EXPECT_EQ(Text(u"lblTotalWeight"), QStringLiteral("49"));
    EXPECT_EQ(Ini(QStringLiteral("level")), QStringLiteral("2"));

    level->setValue(7);
    EXPECT_EQ(Text(u"lblLevel"), QStringLiteral("2"));
    EXPECT_EQ(Ini(QStringLiteral("level")), QStringLiteral("2"));

    auto* skill = Control<CommanderSpinBox>(u"upSkill");
    for (int i = 0; i < 5; ++i) skill->stepUp();
    EXPECT_EQ(Text(u"lblSkill"), QStringLiteral("3"));
    EXPECT_EQ(Ini(QStringLiteral("skill")), QStringLiteral("3"));
    Control<CommanderSpinBox>(u"upDecoration")->stepDown();
    EXPECT_EQ(Text(u"lblDecoration"), QStringLiteral("0"));
    level->stepDown();
    level->stepDown();
    EXPECT_EQ(Text(u"lblLevel"), QStringLiteral("5"));  // from the program's 7
}

TEST_F(FormationPanelTest, Spinners_typedValueRecomputesAndStoresOnce_outOfRangeIsNotTaken) {
    panel_->RestoreCommander(0, 1, 0, 0);
    panel_->show();
    panel_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel_.get()));
    auto* level = Control<CommanderSpinBox>(u"upLevel");
    level->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(level->hasFocus());
    verdicts_.clear();

    QTest::keyClicks(level, QStringLiteral("42"));
    // The digits show while typed; nothing is computed or stored yet.
    EXPECT_EQ(Text(u"lblLevel"), QStringLiteral("42"));
    EXPECT_EQ(verdicts_.size(), 0);
    EXPECT_EQ(Ini(QStringLiteral("level")), QStringLiteral("1"));
    QTest::keyClick(level, Qt::Key_Return);
    EXPECT_EQ(verdicts_.size(), 1);
    EXPECT_EQ(Text(u"lblLevel"), QStringLiteral("42"));
    EXPECT_EQ(Text(u"lblTotalWeight"), QStringLiteral("89"));
    EXPECT_EQ(Ini(QStringLiteral("level")), QStringLiteral("42"));
    // Leaving the spinner afterwards commits nothing more.
    Control<QPushButton>(u"cmdSaveLoad")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(verdicts_.size(), 1);

    // The skill only goes to 3: a 7 is refused as it is typed; leaving commits the rest.
    auto* skill = Control<CommanderSpinBox>(u"upSkill");
    skill->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(skill, QStringLiteral("7"));
    QTest::keyClicks(skill, QStringLiteral("2"));
    Control<QPushButton>(u"cmdSaveLoad")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(verdicts_.size(), 2);
    EXPECT_EQ(Text(u"lblSkill"), QStringLiteral("2"));
    EXPECT_EQ(Ini(QStringLiteral("skill")), QStringLiteral("2"));

    // The arrow keys step like the arrows.
    skill->setFocus(Qt::TabFocusReason);
    QTest::keyClick(skill, Qt::Key_Up);
    EXPECT_EQ(verdicts_.size(), 3);
    EXPECT_EQ(Text(u"lblSkill"), QStringLiteral("3"));
}

TEST_F(FormationPanelTest, Layout_sevenRowsWithoutScrolling_valuesClearOfTheirArrows_tooltips) {
    panel_->resize(793, 146);
    panel_->show();
    for (int i = 0; i < 7; ++i) panel_->AddUnit(Row(QStringLiteral("A")));
    QApplication::processEvents();
    EXPECT_FALSE(grid_->verticalScrollBar()->isVisible());
    const QModelIndex last = grid_->model()->index(6, Col(FormationColumn::Support));
    EXPECT_TRUE(grid_->viewport()->rect().contains(grid_->visualRect(last)));

    for (const auto& [value, spinner] : {std::pair{u"lblLevel", u"upLevel"},
                                         {u"lblDecoration", u"upDecoration"},
                                         {u"lblSkill", u"upSkill"}}) {
        QLabel* label = Control<QLabel>(value);
        QWidget* arrows = Control<QWidget>(spinner);
        label->setText(QStringLiteral("99"));
        const QRect text = label->contentsRect();
        const int textRight = label->mapTo(panel_.get(), text.topRight()).x();
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), text.width());
        EXPECT_LT(textRight, arrows->mapTo(panel_.get(), QPoint(0, 0)).x());
        EXPECT_GE(arrows->height(), 16);
    }
    for (int c = 0; c < kFormationColumnCount; ++c) {
        if (grid_->isColumnHidden(c)) continue;
        EXPECT_FALSE(
            grid_->model()->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString().isEmpty())
            << c;
    }
}

TEST_F(FormationPanelTest, RankChange_recomputesAndColoursTheCapacity) {
    panel_->RestoreCommander(2, 1, 0, 0);
    panel_->AddUnit(Row(QStringLiteral("H")));
    const auto colour = [&] {
        return Control<QLabel>(u"lblTotalWeight")->palette().color(QPalette::WindowText);
    };
    EXPECT_EQ(Verdict(), QStringLiteral(u"残り搭載 1"));
    EXPECT_EQ(colour(), QColor(0, 0, 0));
    Control<QComboBox>(u"cmbClass")->setCurrentIndex(1);
    EXPECT_EQ(Verdict(), QStringLiteral(u"残り搭載 0"));
    Control<QComboBox>(u"cmbClass")->setCurrentIndex(0);
    EXPECT_EQ(Verdict(), QStringLiteral(u"搭載オーバーです。"));
    EXPECT_EQ(colour(), QColor(255, 0, 0));
    EXPECT_EQ(Ini(QStringLiteral("class")), QStringLiteral("0"));
}

TEST_F(FormationPanelTest, AddUnit_rowOfTheUnit_totalsMarkersAndDefaultFormation) {
    panel_->RestoreCommander(1, 1, 0, 0);
    panel_->AddUnit(Row(QStringLiteral("L"), 0, 3));  // "移動↑ ＨＰ↓"

    ASSERT_EQ(panel_->RowCount(), 2);
    const QStringList expected{
        QStringLiteral("L"),     QStringLiteral("Lima"),  QStringLiteral("20"),
        QStringLiteral("76"),    QStringLiteral("10"),    QStringLiteral("30"),
        QStringLiteral("20"),    QStringLiteral(u"地10"), QString(),
        QStringLiteral(u"限定"), QStringLiteral("15"),    QStringLiteral(u"○"),
        QStringLiteral(u"○"),    QStringLiteral(u"○"),    QString(),
        QStringLiteral("0"),     QStringLiteral("3"),     QStringLiteral("0")};
    for (int c = 0; c < kFormationColumnCount; ++c) EXPECT_EQ(panel_->Cell(1, c), expected[c]) << c;
    EXPECT_EQ(Text(u"lblMyWeight"), QStringLiteral("20"));
    EXPECT_EQ(Text(u"lblTotalRepair"), QStringLiteral("315"));
    EXPECT_EQ(Text(u"lblRestriction"), QStringLiteral("1"));
    EXPECT_EQ(Verdict(), QStringLiteral(u"残り搭載 29"));
    EXPECT_EQ(Ini(QStringLiteral("defaultformation")), kStamp + QStringLiteral("L\t0\t3\t0"));
    EXPECT_EQ(panel_->CurrentRow(), 0);  // adding does not move the current row
}

TEST_F(FormationPanelTest, AddUnit_sameUnitTwice_twoRows_andNoEighthUnit) {
    panel_->RestoreCommander(5, 99, 99, 3);
    for (int i = 0; i < 9; ++i) panel_->AddUnit(Row(QStringLiteral("A")));
    EXPECT_EQ(panel_->RowCount(), 8);
    EXPECT_EQ(
        Ini(QStringLiteral("defaultformation")),
        kStamp + QStringLiteral("A,A,A,A,A,A,A\t0,0,0,0,0,0,0\t0,0,0,0,0,0,0\t0,0,0,0,0,0,0"));
    EXPECT_EQ(Text(u"lblMyWeight"), QStringLiteral("140"));
}

TEST_F(FormationPanelTest, AddUnit_keepsTheCurrentRowAndMovesToTheNameColumn) {
    panel_->AddUnit(Row(QStringLiteral("A")));
    grid_->setCurrentIndex(grid_->model()->index(0, Col(FormationColumn::Hp)));
    selected_.clear();
    panel_->AddUnit(Row(QStringLiteral("B")));
    EXPECT_EQ(grid_->currentIndex().row(), 0);
    EXPECT_EQ(grid_->currentIndex().column(), Col(FormationColumn::Name));
}

TEST_F(FormationPanelTest, UpdateCurrentRow_onlyWhenTheRowHoldsTheUnitOnDisplay) {
    panel_->RestoreCommander(1, 1, 0, 0);
    panel_->AddUnit(Row(QStringLiteral("A")));
    panel_->AddUnit(Row(QStringLiteral("B")));

    const FormationRow updated = Row(QStringLiteral("A"), 0, 3);
    panel_->UpdateCurrentRow(updated);  // no current row
    EXPECT_EQ(panel_->Cell(1, Col(FormationColumn::Hp)), QStringLiteral("100"));

    Select(2);
    panel_->UpdateCurrentRow(updated);  // Bravo's row, Alpha on display
    EXPECT_EQ(panel_->Cell(2, Col(FormationColumn::Hp)), QStringLiteral("150"));

    Select(1);
    panel_->UpdateCurrentRow(updated);
    EXPECT_EQ(panel_->Cell(1, Col(FormationColumn::Hp)), QStringLiteral("76"));
    EXPECT_EQ(panel_->Cell(1, Col(FormationColumn::Move)), QStringLiteral(u"地4"));
    EXPECT_EQ(panel_->Cell(1, Col(FormationColumn::Shield)), QStringLiteral("0"));
    EXPECT_EQ(panel_->Cell(1, Col(FormationColumn::Modification)), QStringLiteral("3"));
    EXPECT_EQ(panel_->Cell(1, Col(FormationColumn::Weapon)), QStringLiteral("0"));
    EXPECT_EQ(panel_->Cell(1, Col(FormationColumn::Weight)), QStringLiteral("20"));
    EXPECT_EQ(Ini(QStringLiteral("defaultformation")),
              kStamp + QStringLiteral("A,B\t0,0\t3,0\t0,0"));
}

TEST_F(FormationPanelTest, SelectingARow_handsOverTheStoredCells_unlessTheGridIsDisabled) {
    panel_->RestoreCommander(1, 1, 0, 0);
    panel_->AddUnit(Row(QStringLiteral("A")));
    panel_->AddUnit(Row(QStringLiteral("B"), 1, 7, 4));
    selected_.clear();

    Select(2);
    ASSERT_EQ(selected_.count(), 1);
    EXPECT_EQ(selected_.last(), (QList<QVariant>{QStringLiteral("B"), QStringLiteral("1"),
                                                 QStringLiteral("7"), QStringLiteral("4")}));

    Q_EMIT grid_->focusGained();
    EXPECT_EQ(selected_.count(), 2);

    grid_->setEnabled(false);
    Select(1);
    panel_->SelectFormationRow();
    EXPECT_EQ(selected_.count(), 2);
}

TEST_F(FormationPanelTest, DoubleClick_removesTheCurrentUnit_showsTheNextAndSaves) {
    panel_->RestoreCommander(1, 1, 0, 0);
    for (const QString& msNo : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})
        panel_->AddUnit(Row(msNo));
    Select(2);
    selected_.clear();

    DoubleClick(2);
    ASSERT_EQ(panel_->RowCount(), 3);
    EXPECT_EQ(panel_->Cell(2, Col(FormationColumn::MsNo)), QStringLiteral("C"));
    EXPECT_EQ(panel_->CurrentRow(), 2);
    EXPECT_EQ(SelectedMsNo(), QStringLiteral("C"));
    EXPECT_EQ(Ini(QStringLiteral("defaultformation")),
              kStamp + QStringLiteral("A,C\t0,0\t0,0\t0,0"));
    EXPECT_EQ(Text(u"lblMyWeight"), QStringLiteral("40"));

    DoubleClick(2);  // the last row: the row above becomes current
    EXPECT_EQ(panel_->RowCount(), 2);
    EXPECT_EQ(panel_->CurrentRow(), 1);
    EXPECT_EQ(SelectedMsNo(), QStringLiteral("A"));
    EXPECT_EQ(cleared_.count(), 0);
}

TEST_F(FormationPanelTest, RemovingTheOnlyUnit_clearsTheDetailAndSavesAnEmptyFormation) {
    panel_->RestoreCommander(0, 1, 0, 0);
    panel_->AddUnit(Row(QStringLiteral("A")));
    Select(1);
    DoubleClick(1);
    EXPECT_EQ(panel_->RowCount(), 1);
    EXPECT_EQ(cleared_.count(), 1);
    EXPECT_EQ(Text(u"lblMyWeight"), QStringLiteral("0"));
    EXPECT_EQ(Text(u"lblTotalRepair"), QStringLiteral("300"));
    EXPECT_EQ(Verdict(), QStringLiteral(u"残り搭載 48"));
    // Four tabs after the stamp in the file (reading a value back trims its trailing blanks).
    EXPECT_TRUE(folder_.Read(QStringLiteral("setting.ini"))
                    .contains(test::Cp932(QStringLiteral(u"defaultformation=") + kStamp +
                                          QStringLiteral("\t\t\t\r\n"))));
}

TEST_F(FormationPanelTest, ApplyFormationLists_rebuildsRows_selectsTheFirst_unknownUnitsKept) {
    panel_->RestoreCommander(1, 1, 0, 0);
    panel_->AddUnit(Row(QStringLiteral("C")));
    selected_.clear();

    EXPECT_TRUE(panel_->ApplyFormationLists(FormationLists::Parse(QStringLiteral("B,gone,B\t1,0,0\t5,0,x\t0,0,9"))));
    ASSERT_EQ(panel_->RowCount(), 4);
    EXPECT_EQ(panel_->Cell(1, Col(FormationColumn::Name)), QStringLiteral("Bravo"));
    EXPECT_EQ(panel_->Cell(1, Col(FormationColumn::Hp)), QStringLiteral("174"));
    // A unit the catalogue no longer holds keeps its number, so that saving keeps it.
    EXPECT_EQ(panel_->Cell(2, Col(FormationColumn::MsNo)), QStringLiteral("gone"));
    EXPECT_EQ(panel_->Cell(2, Col(FormationColumn::Name)), QString());
    EXPECT_EQ(panel_->Cell(3, Col(FormationColumn::Modification)), QStringLiteral("x"));
    EXPECT_EQ(panel_->Cell(1, Col(FormationColumn::HighHp)), QStringLiteral(u"○"));
    EXPECT_EQ(panel_->CurrentRow(), 1);
    EXPECT_TRUE(grid_->isEnabled());
    ASSERT_EQ(selected_.count(), 1);
    EXPECT_EQ(selected_.last(), (QList<QVariant>{QStringLiteral("B"), QStringLiteral("1"),
                                                 QStringLiteral("5"), QStringLiteral("0")}));
    EXPECT_EQ(Text(u"lblMyWeight"), QStringLiteral("50"));
    EXPECT_TRUE(platform_.messages.empty());
    // Loading is not an edit: the default formation is written by whoever asked for the load.
    EXPECT_EQ(Ini(QStringLiteral("defaultformation")), kStamp + QStringLiteral("C\t0\t0\t0"));
}

TEST_F(FormationPanelTest, ApplyFormationLists_shortList_reportsIt_keepsCompleteRows_gridEditable) {
    panel_->RestoreCommander(1, 1, 0, 0);
    EXPECT_FALSE(panel_->ApplyFormationLists(FormationLists::Parse(QStringLiteral("A,B,C\t0,0\t0,0,0\t0,0,0"))));
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].text, QStringLiteral(u"インデックスが有効範囲にありません。"));
    EXPECT_EQ(platform_.messages[0].title, QStringLiteral(u"エラー"));
    EXPECT_EQ(platform_.messages[0].style, MsgStyle::Information);
    EXPECT_EQ(panel_->RowCount(), 3);
    EXPECT_TRUE(grid_->isEnabled());
    EXPECT_EQ(Text(u"lblMyWeight"), QStringLiteral("45"));  // the totals match the rows kept
    EXPECT_EQ(platform_.endProgramCalls, 0);

    Select(2);
    EXPECT_EQ(SelectedMsNo(), QStringLiteral("B"));

    EXPECT_FALSE(panel_->ApplyFormationLists(FormationLists::Parse(QStringLiteral("A,B"))));
    EXPECT_EQ(panel_->RowCount(), 1);
    EXPECT_EQ(platform_.messages.size(), 2u);
}

TEST_F(FormationPanelTest, ApplyFormationLists_emptyOrOversized) {
    panel_->AddUnit(Row(QStringLiteral("A")));
    selected_.clear();
    EXPECT_TRUE(panel_->ApplyFormationLists(FormationLists::Parse(QStringLiteral("\t\t\t"))));
    EXPECT_EQ(panel_->RowCount(), 1);
    EXPECT_TRUE(selected_.isEmpty());

    EXPECT_TRUE(panel_->ApplyFormationLists(FormationLists::Parse(QStringLiteral(
        "A,A,A,A,A,A,A,A,A\t0,0,0,0,0,0,0,0,0\t0,0,0,0,0,0,0,0,0\t0,0,0,0,0,0,0,0,0"))));
    EXPECT_EQ(panel_->RowCount(), 10);
    EXPECT_TRUE(platform_.messages.empty());
}

// A damaged or hand-made setting.ini may hold any number of entries: loading and the recompute
// must stay linear (a row-by-row insert and a pairwise tie spread took minutes here).
TEST_F(FormationPanelTest, ApplyFormationLists_hundredThousandEntries_loadWhole_tiesMarked) {
    panel_->RestoreCommander(1, 1, 0, 0);
    FormationLists lists;
    for (int i = 0; i < 100000; ++i) {
        lists.msNos << (i % 2 ? QStringLiteral("B") : QStringLiteral("A"));
        lists.shields << QStringLiteral("0");
        lists.modifications << QStringLiteral("0");
        lists.weapons << QStringLiteral("0");
    }
    EXPECT_TRUE(panel_->ApplyFormationLists(lists));
    ASSERT_EQ(panel_->RowCount(), 100001);
    EXPECT_EQ(panel_->Cell(100000, Col(FormationColumn::Name)), QStringLiteral("Bravo"));
    // Every A row ties for the lowest HP, every B row for the highest HP and load.
    for (const int row : {1, 3, 99999}) {
        EXPECT_EQ(panel_->Cell(row, Col(FormationColumn::LowHp)), QStringLiteral(u"○"));
        EXPECT_EQ(panel_->Cell(row, Col(FormationColumn::Strong)), QString());
    }
    for (const int row : {2, 50000, 100000}) {
        EXPECT_EQ(panel_->Cell(row, Col(FormationColumn::HighHp)), QStringLiteral(u"○"));
        EXPECT_EQ(panel_->Cell(row, Col(FormationColumn::Strong)), QStringLiteral(u"○"));
    }
    EXPECT_EQ(Text(u"lblMyWeight"), QStringLiteral("2250000"));
    EXPECT_EQ(panel_->Lists().msNos.size(), 100000);
}

TEST_F(FormationPanelTest, LoadDefaultFormation_readsTheStoredLists_emptyValueChangesNothing) {
    panel_->LoadDefaultFormation();
    EXPECT_EQ(panel_->RowCount(), 1);

    ASSERT_TRUE(
        settings_.Write(QStringLiteral(u"c\tstamp"), kSetting, QStringLiteral("defaultformation"))
            .ok());
    panel_->LoadDefaultFormation();
    EXPECT_EQ(panel_->RowCount(), 1);
    EXPECT_TRUE(platform_.messages.empty());

    ASSERT_TRUE(settings_
                    .Write(QStringLiteral(u"c\tstamp\tA,C\t0,0\t0,0\t0,0\tmore"), kSetting,
                           QStringLiteral("defaultformation"))
                    .ok());
    panel_->LoadDefaultFormation();
    ASSERT_EQ(panel_->RowCount(), 3);
    EXPECT_EQ(panel_->Cell(2, Col(FormationColumn::Name)), QStringLiteral("Charlie"));
    EXPECT_EQ(Text(u"lblPersonal"), QStringLiteral("1"));
}

TEST_F(FormationPanelTest, SaveDefaultFormation_withoutSettingsFile_writesAndSaysNothing) {
    QFile::remove(settings_.Path());
    panel_->RestoreCommander(1, 1, 0, 0);
    panel_->AddUnit(Row(QStringLiteral("A")));
    EXPECT_FALSE(QFile::exists(settings_.Path()));
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(FormationPanelTest, SaveDefaultFormation_failedWrite_isReported_previousValueKept) {
    panel_->AddUnit(Row(QStringLiteral("A")));
    const QString before = Ini(QStringLiteral("defaultformation"));
    FormationRow unsavable = Row(QStringLiteral("A"));
    unsavable[FormationColumn::MsNo] = QStringLiteral(u"😀");  // code page 932 has no such character
    panel_->AddUnit(unsavable);
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].title, QStringLiteral(u"エラー"));
    EXPECT_FALSE(platform_.messages[0].text.isEmpty());
    EXPECT_EQ(Ini(QStringLiteral("defaultformation")), before);
    EXPECT_EQ(platform_.endProgramCalls, 0);
}

TEST_F(FormationPanelTest, CommanderSaveFailure_reportedOnceUntilASaveSucceeds) {
    panel_->RestoreCommander(1, 1, 0, 0);
    writer_.full = true;
    auto* level = Control<CommanderSpinBox>(u"upLevel");
    level->stepUp();
    level->stepUp();
    Q_EMIT grid_->focusGained();
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].title, QStringLiteral(u"エラー"));
    EXPECT_EQ(Text(u"lblTotalWeight"), QStringLiteral("51"));  // the recompute still runs

    writer_.full = false;
    level->stepUp();
    EXPECT_EQ(Ini(QStringLiteral("level")), QStringLiteral("4"));
    writer_.full = true;
    level->stepUp();
    EXPECT_EQ(platform_.messages.size(), 2u);
}

TEST_F(FormationPanelTest, CommanderSave_replacesTheFileOncePerChangeAndNeverWhenUnchanged) {
    panel_->RestoreCommander(2, 10, 3, 1);
    EXPECT_EQ(writer_.replacements, 1);
    EXPECT_EQ(Ini(QStringLiteral("class")), QStringLiteral("2"));
    EXPECT_EQ(Ini(QStringLiteral("skill")), QStringLiteral("1"));
    panel_->AddUnit(Row(QStringLiteral("A")));
    const int afterAdd = writer_.replacements;  // the default formation, the commander unchanged
    EXPECT_EQ(afterAdd, 2);
    Select(1);
    Q_EMIT grid_->focusGained();
    EXPECT_EQ(writer_.replacements, afterAdd);
    Control<CommanderSpinBox>(u"upLevel")->stepUp();
    EXPECT_EQ(writer_.replacements, afterAdd + 1);
}

TEST_F(FormationPanelTest, SaveLoad_loadedSlotReplacesTheFormation_andBecomesTheDefault) {
    ASSERT_TRUE(settings_
                    .Write(QStringLiteral(u"slot\t01.01 00:00\tB,C\t0,0\t0,0\t0,0"),
                           QStringLiteral("SaveData"), QStringLiteral("No1"))
                    .ok());
    panel_->AddUnit(Row(QStringLiteral("A")));
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton*>(QStringLiteral("cmdLoad"))->click();
    });
    Control<QPushButton>(u"cmdSaveLoad")->click();

    ASSERT_EQ(panel_->RowCount(), 3);
    EXPECT_EQ(panel_->Cell(1, Col(FormationColumn::MsNo)), QStringLiteral("B"));
    EXPECT_EQ(Ini(QStringLiteral("defaultformation")),
              kStamp + QStringLiteral("B,C\t0,0\t0,0\t0,0"));
}

TEST_F(FormationPanelTest, SaveLoad_closedWithoutLoading_leavesTheFormation) {
    panel_->AddUnit(Row(QStringLiteral("A")));
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
    });
    Control<QPushButton>(u"cmdSaveLoad")->click();
    EXPECT_EQ(panel_->RowCount(), 2);
    EXPECT_EQ(panel_->Cell(1, Col(FormationColumn::MsNo)), QStringLiteral("A"));
}

}  // namespace
}  // namespace velmora
