#include "formationpanel/frmSaveData.h"

#include "support/FormationFixtures.h"
#include "catalogue/clsMsData.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFolder.h"
#include "support/TestText.h"
#include "system/SettingsFile.h"
#include "widgets/GridView.h"

#include <gtest/gtest.h>
#include <QAbstractItemModelTester>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>
#include <memory>

namespace velmora {
namespace {

using test::Cp932;
using test::ScriptedPlatform;
using test::TestFolder;

// A catalogue line whose MS number, name and load weight are the ones given.
QString Unit(const QString& msNo, const QString& name, const QString& weight) {
    return test::FormationUnit(msNo, name).Set(test::Col::Weight, weight);
}

const QString kSlot3 = S(u"旧編成\t01.15 20:30\tA,GONE\t0,0\t1,2\t0,1");

class frmSaveDataTest : public ::testing::Test {
protected:
    frmSaveDataTest() {
        catalogue_ = test::LoadedCatalogue(
            {Unit(S(u"A"), S(u"アルファ"), S(u"10.5")), Unit(S(u"B"), S(u"ベータ"), S(u"2.5"))});
    }

    void WriteIni(const QString& text) { folder_.Write(S(u"setting.ini"), Cp932(text)); }
    QByteArray Ini() const { return folder_.Read(S(u"setting.ini")); }

    frmSaveData& Open(FormationLists current = {}) {
        dialog_ =
            std::make_unique<frmSaveData>(catalogue_, settings_, platform_, std::move(current));
        dialog_->show();
        return *dialog_;
    }

    GridView* Grid(const QString& name) const { return dialog_->findChild<GridView*>(name); }
    GridView* Slots() const { return Grid(S(u"grdSaveData")); }
    GridView* Units() const { return Grid(S(u"msList")); }
    QPushButton* Button(const QString& name) const {
        return dialog_->findChild<QPushButton*>(name);
    }
    void Click(const QString& button) { QTest::mouseClick(Button(button), Qt::LeftButton); }

    // Grid numbering: row 0 is the header, row r the model's row r - 1.
    static QString Cell(const GridView* grid, int row, int column) {
        const QAbstractItemModel* model = grid->model();
        return row == 0 ? model->headerData(column, Qt::Horizontal).toString()
                        : model->index(row - 1, column).data().toString();
    }
    static int CurrentRow(const GridView* grid) { return grid->currentIndex().row() + 1; }
    void SelectSlot(int slot) { Slots()->setCurrentIndex(Slots()->model()->index(slot - 1, 1)); }

    QStringList UnitNames() const {
        QStringList names;
        for (int r = 1; r <= Units()->model()->rowCount(); ++r) {
            EXPECT_EQ(Cell(Units(), r, 1), QString::number(r));
            names.append(Cell(Units(), r, 2));
        }
        return names;
    }

    TestFolder folder_;
    clsMsData catalogue_;
    SettingsFile settings_{folder_.FilePath(S(u"setting.ini"))};
    ScriptedPlatform platform_{folder_.Path()};
    std::unique_ptr<frmSaveData> dialog_;
};

TEST_F(frmSaveDataTest, Open_withoutSaveData_showsEightFreeSlotsAndNoUnits) {
    WriteIni(S(u"[Setting]\r\npath=C:\\Game\r\n"));
    frmSaveData& dialog = Open();
    QAbstractItemModelTester slotTester(Slots()->model());
    QAbstractItemModelTester unitTester(Units()->model());

    EXPECT_EQ(dialog.objectName(), S(u"frmSaveData"));
    EXPECT_EQ(dialog.windowTitle(), S(u"登録データ"));
    EXPECT_TRUE(dialog.isModal());
    ASSERT_EQ(Slots()->model()->rowCount(), 8);
    ASSERT_EQ(Slots()->model()->columnCount(), 7);
    for (int r = 1; r <= 8; ++r) {
        EXPECT_EQ(Cell(Slots(), r, 2), S(u"0"));
        EXPECT_TRUE(Cell(Slots(), r, 1).isEmpty());
    }
    EXPECT_EQ(Cell(Slots(), 0, 1), S(u"コメント"));
    EXPECT_EQ(Cell(Slots(), 0, 3), S(u"登録日時"));
    EXPECT_TRUE(Cell(Slots(), 0, 0).isEmpty());
    EXPECT_TRUE(Cell(Slots(), 0, 2).isEmpty());
    for (int c : {0, 2, 4, 5, 6}) EXPECT_TRUE(Slots()->isColumnHidden(c)) << c;
    EXPECT_EQ(Slots()->columnWidth(1), 157);
    EXPECT_EQ(Slots()->columnWidth(3), 80);
    EXPECT_EQ(CurrentRow(Slots()), 1);

    EXPECT_EQ(Units()->model()->rowCount(), 0);
    EXPECT_EQ(Cell(Units(), 0, 1), S(u"No."));
    EXPECT_EQ(Cell(Units(), 0, 2), S(u"機体名称"));
    EXPECT_TRUE(Units()->isColumnHidden(0));
    EXPECT_EQ(Units()->columnWidth(1), 20);
    EXPECT_EQ(Units()->columnWidth(2), 124);

    EXPECT_EQ(Button(S(u"cmdSave"))->text(), S(u"登録"));
    EXPECT_EQ(Button(S(u"cmdLoad"))->text(), S(u"読込"));
    EXPECT_EQ(Button(S(u"cmdClose"))->text(), S(u"閉じる"));
    EXPECT_EQ(Button(S(u"cmdClose"))->geometry(), QRect(339, 152, 56, 24));
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(frmSaveDataTest, Open_showsSlotFieldsTotalsAndTheFirstSlotsUnits) {
    // 10.5 -> 10, 10 + 2.5 = 12.5 -> 12, 12 + 10.5 = 22.5 -> 22 (a plain sum gives 23.5).
    WriteIni(S(u"[SaveData]\r\nNo1=主力,第一\t02.01 "
               u"08:00\tA,B,,GONE,A\t0,1,0,0,0\t0,0,0,0,0\t1,0,0,0,1\r\n"
               u"No3=") +
             kSlot3 + S(u"\r\n"));
    Open();
    EXPECT_EQ(Cell(Slots(), 1, 0), S(u"A,B,,GONE,A"));
    EXPECT_EQ(Cell(Slots(), 1, 1), S(u"主力,第一"));
    EXPECT_EQ(Cell(Slots(), 1, 2), S(u"22"));
    EXPECT_EQ(Cell(Slots(), 1, 3), S(u"02.01 08:00"));
    EXPECT_EQ(Cell(Slots(), 1, 4), S(u"0,1,0,0,0"));
    EXPECT_EQ(Cell(Slots(), 1, 6), S(u"1,0,0,0,1"));
    EXPECT_EQ(Cell(Slots(), 3, 2), S(u"10"));
    EXPECT_EQ(Cell(Slots(), 2, 2), S(u"0"));
    const auto alignment = [this](int column) {
        return Slots()
                   ->model()
                   ->index(0, column)
                   .data(Qt::TextAlignmentRole)
                   .value<Qt::Alignment>() &
               Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(alignment(1), Qt::AlignLeft);
    EXPECT_EQ(alignment(2), Qt::AlignRight);
    EXPECT_EQ(alignment(3), Qt::AlignHCenter);

    // Unknown and empty entries keep their numbered row with an empty name.
    EXPECT_EQ(UnitNames(),
              QStringList({S(u"アルファ"), S(u"ベータ"), QString(), QString(), S(u"アルファ")}));
}

TEST_F(frmSaveDataTest, ChangingOrClickingTheSlot_listsItsUnits) {
    WriteIni(S(u"[SaveData]\r\nNo1=一\t\tB\t0\t0\t0\r\nNo3=") + kSlot3 + S(u"\r\n"));
    Open();
    QAbstractItemModelTester unitTester(Units()->model());
    SelectSlot(3);
    EXPECT_EQ(UnitNames(), QStringList({S(u"アルファ"), QString()}));
    SelectSlot(2);
    EXPECT_TRUE(UnitNames().isEmpty());

    const QRect first = Slots()->visualRect(Slots()->model()->index(0, 1));
    QTest::mouseClick(Slots()->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(CurrentRow(Slots()), 1);
    EXPECT_EQ(UnitNames(), QStringList({S(u"ベータ")}));
}

TEST_F(frmSaveDataTest, Save_intoUsedSlot_offersOldCommentAndReplacesIt) {
    WriteIni(S(u"[Setting]\r\npath=C:\\Game\r\n[SaveData]\r\nNo3=") + kSlot3 +
             S(u"\r\nNo4=残す\t\t\t\t\t\r\n"));
    Open({{S(u"B"), S(u"A")}, {S(u"1"), S(u"0")}, {S(u"2"), S(u"0")}, {S(u"0"), S(u"3")}});
    SelectSlot(3);
    platform_.inputAnswers.push_back(S(u"新,編成"));
    Click(S(u"cmdSave"));

    ASSERT_EQ(platform_.inputs.size(), 1u);
    EXPECT_EQ(platform_.inputs[0].prompt, S(u"コメントを入力してください。"));
    EXPECT_EQ(platform_.inputs[0].title, S(u"編成の登録"));
    EXPECT_EQ(platform_.inputs[0].defaultText, S(u"旧編成"));
    EXPECT_EQ(Ini(),
              Cp932(S(u"[Setting]\r\npath=C:\\Game\r\n[SaveData]\r\n"
                      u"No3=新,編成\t02.03 09:05\tB,A\t1,0\t2,0\t0,3\r\nNo4=残す\t\t\t\t\t\r\n")));
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].text, S(u"登録しました。"));
    EXPECT_EQ(platform_.messages[0].title, S(u"確認"));
    EXPECT_EQ(platform_.messages[0].style, MsgStyle::Information);

    // The grid and the unit list already show the new entry, on the same slot row.
    EXPECT_EQ(CurrentRow(Slots()), 3);
    EXPECT_EQ(Cell(Slots(), 3, 1), S(u"新,編成"));
    EXPECT_EQ(Cell(Slots(), 3, 3), S(u"02.03 09:05"));
    EXPECT_EQ(Cell(Slots(), 3, 2), S(u"12"));
    EXPECT_EQ(UnitNames(), QStringList({S(u"ベータ"), S(u"アルファ")}));
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(frmSaveDataTest, Save_intoUsedSlot_isAnUndoStepThatPutsTheOldTextBack) {
    WriteIni(S(u"[SaveData]\r\nNo3=") + kSlot3 + S(u"\r\n"));
    const QByteArray before = Ini();
    QUndoStack stack;
    Open({{S(u"B")}, {S(u"0")}, {S(u"0")}, {S(u"0")}}).SetUndoStack(&stack);
    SelectSlot(3);
    platform_.inputAnswers.push_back(S(u"新"));
    Click(S(u"cmdSave"));
    const QByteArray stored = Ini();
    ASSERT_NE(stored, before);
    ASSERT_EQ(stack.count(), 1);
    EXPECT_EQ(stack.undoText(), S(u"登録 No3"));
    EXPECT_EQ(Ini(), stored);  // pushing the step does not store again

    stack.undo();
    EXPECT_EQ(Ini(), before);
    stack.redo();
    EXPECT_EQ(Ini(), stored);

    // A free slot has nothing to put back: storing there is no step.
    SelectSlot(5);
    platform_.inputAnswers.push_back(S(u"空き"));
    Click(S(u"cmdSave"));
    EXPECT_EQ(stack.count(), 1);
}

TEST_F(frmSaveDataTest, Enter_opensNoPromptAndLoadsNothing) {
    WriteIni(S(u"[SaveData]\r\nNo1=") + kSlot3 + S(u"\r\n"));
    frmSaveData& dialog = Open();
    for (const QString& name : {S(u"cmdSave"), S(u"cmdLoad"), S(u"cmdClose")}) {
        EXPECT_FALSE(Button(name)->isDefault()) << name.toStdString();
        EXPECT_FALSE(Button(name)->autoDefault()) << name.toStdString();
    }
    for (QWidget* focus :
         {static_cast<QWidget*>(Slots()), static_cast<QWidget*>(Button(S(u"cmdSave")))}) {
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Return);
        QTest::keyClick(focus, Qt::Key_Enter);
    }
    EXPECT_TRUE(platform_.inputs.empty());
    EXPECT_TRUE(platform_.messages.empty());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.Tag().isEmpty());
}

TEST_F(frmSaveDataTest, Save_cancelledOrBlankComment_storesNothingAndSaysNothing) {
    WriteIni(S(u"[SaveData]\r\nNo1=") + kSlot3 + S(u"\r\n"));
    const QByteArray before = Ini();
    Open({{S(u"A")}, {S(u"0")}, {S(u"0")}, {S(u"1")}});
    for (const std::optional<QString>& answer :
         {std::optional<QString>(), std::optional<QString>(QString()),
          std::optional<QString>(S(u"   "))}) {
        platform_.inputAnswers.push_back(answer);
        Click(S(u"cmdSave"));
    }
    EXPECT_EQ(platform_.inputs.size(), 3u);
    EXPECT_EQ(Ini(), before);
    EXPECT_TRUE(platform_.messages.empty());
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(frmSaveDataTest, Save_refusedComment_isOfferedAgainAsTypedWithTheReason) {
    WriteIni(S(u"[SaveData]\r\nNo1=") + kSlot3 + S(u"\r\n"));
    const QByteArray before = Ini();
    Open({{S(u"A")}, {S(u"0")}, {S(u"0")}, {S(u"1")}});
    const QString ask = S(u"コメントを入力してください。");
    // A tab or a line break, then a character code page 932 has not; cancelled at the end.
    for (const QString& typed : {S(u"タブ\tあり"), S(u"改行\r\nあり"), S(u"改行\nあり")}) {
        platform_.inputs.clear();
        platform_.inputAnswers = {typed, std::nullopt};
        Click(S(u"cmdSave"));
        ASSERT_EQ(platform_.inputs.size(), 2u);
        EXPECT_EQ(platform_.inputs[1].defaultText, typed);
        EXPECT_EQ(platform_.inputs[1].prompt, ask + S(u"\nタブや改行はコメントに使えません。"));
        EXPECT_EQ(platform_.inputs[1].title, S(u"編成の登録"));
    }
    EXPECT_EQ(Ini(), before);
    EXPECT_TRUE(platform_.messages.empty());

    // Corrected on the second offer, the comment is stored.
    platform_.inputs.clear();
    platform_.inputAnswers = {S(u"絵文字😀"), S(u"絵文字")};
    Click(S(u"cmdSave"));
    ASSERT_EQ(platform_.inputs.size(), 2u);
    EXPECT_EQ(platform_.inputs[1].defaultText, S(u"絵文字😀"));
    EXPECT_EQ(platform_.inputs[1].prompt,
              ask + S(u"\n設定ファイルに書けない文字が含まれています。"));
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].text, S(u"登録しました。"));
    EXPECT_EQ(Cell(Slots(), 1, 1), S(u"絵文字"));
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(frmSaveDataTest, Save_withoutSettingsFile_reportsItAndCloses) {
    Open({{S(u"A")}, {S(u"0")}, {S(u"0")}, {S(u"1")}});
    platform_.inputAnswers.push_back(S(u"登録"));
    Click(S(u"cmdSave"));
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].text, S(u"設定ファイルが見つかりません。"));
    EXPECT_EQ(platform_.messages[0].title, S(u"エラー"));
    EXPECT_EQ(platform_.messages[0].style, MsgStyle::Information);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_TRUE(dialog_->Tag().isEmpty());
    EXPECT_FALSE(settings_.Exists());
}

TEST_F(frmSaveDataTest, Load_freeSlotOrEmptyFormation_saysNoUnitsAndStaysOpen) {
    WriteIni(S(u"[SaveData]\r\nNo2=空の編成\t02.03 09:05\t\t\t\t\r\n"));
    Open();
    for (int slot : {1, 2}) {
        SelectSlot(slot);
        Click(S(u"cmdLoad"));
    }
    ASSERT_EQ(platform_.messages.size(), 2u);
    for (const auto& message : platform_.messages) {
        EXPECT_EQ(message.text, S(u"機体データがありません。"));
        EXPECT_EQ(message.title, S(u"エラー"));
        EXPECT_EQ(message.style, MsgStyle::Information);
    }
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(dialog_->Tag().isEmpty());
}

TEST_F(frmSaveDataTest, Load_answeredNo_staysOpen_thenYes_handsOverTheFourLists) {
    WriteIni(S(u"[SaveData]\r\nNo3=") + kSlot3 + S(u"\r\n"));
    Open();
    SelectSlot(3);
    platform_.msgAnswers = {MsgAnswer::No, MsgAnswer::Yes};
    Click(S(u"cmdLoad"));
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].text, S(u"この編成データをロードしますか？\r\n\r\n"));
    EXPECT_EQ(platform_.messages[0].title, S(u"確認"));
    EXPECT_EQ(platform_.messages[0].style, MsgStyle::YesNoQuestion);
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(dialog_->Tag().isEmpty());

    Click(S(u"cmdLoad"));
    EXPECT_EQ(dialog_->Tag(), S(u"A,GONE\t0,0\t1,2\t0,1"));
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
}

TEST_F(frmSaveDataTest, CloseButtonOrRightPressOnTheSurface_closesWithoutHandingOver) {
    WriteIni(S(u"[SaveData]\r\nNo1=") + kSlot3 + S(u"\r\n"));
    Open();
    Click(S(u"cmdClose"));
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_TRUE(dialog_->Tag().isEmpty());

    Open();
    const QPoint bare(20, 165);  // below the slot grid, left of the buttons
    ASSERT_EQ(dialog_->childAt(bare), nullptr);
    QTest::mouseClick(dialog_.get(), Qt::LeftButton, {}, bare);
    QTest::mouseClick(Button(S(u"cmdLoad")), Qt::RightButton);
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(platform_.messages.empty());
    QTest::mouseClick(dialog_.get(), Qt::RightButton, {}, bare);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_TRUE(dialog_->Tag().isEmpty());
}

}  // namespace
}  // namespace velmora
