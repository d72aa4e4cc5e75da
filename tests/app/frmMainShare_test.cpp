#include "app/frmMain.h"

#include "catalogue/TextCodec.h"
#include "formationpanel/FormationModel.h"
#include "support/ProgramFolder.h"
#include "support/QtPrinters.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFolder.h"
#include "support/TestText.h"
#include "support/WindowDriver.h"
#include "system/SettingsFile.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

// Formations that travel: the commander kept with a slot, the comparison in the saved-formations
// dialog, units the catalogue lacks, clearing, paste of every shared form, spinner gestures.
namespace velmora {
namespace {

using test::CatalogueBytes;
using test::ProgramUnit;
using test::SettingsBytes;

const QString kOldSlot = S(u"保存\t01.01 10:00\t002,002\t0,0\t0,0\t1,1");
// Two one-unit units, planned for a 大佐 at level 60 with the skill at 2.
const QString kPlannedSlot = S(u"大佐用\t01.02 11:00\t003,004\t0,0\t0,0\t1,1\t5,60,0,2");

// The window over four EFSF units (003 and 004 one-unit restricted), a 大尉 at level 1 without
// the skill, ヴェルデ in the default formation, an old six-field slot 1 and a planned slot 3.
class ShareTest : public ::testing::Test, protected test::WindowDriver {
protected:
    ShareTest() : platform_(folder_.Path()) {
        const auto oneUnit = [](const char16_t* msNo, const char16_t* name, const char16_t* w) {
            return ProgramUnit(S(msNo), S(u"EFSF"), S(name), S(w))
                .Set(test::Col::Category, S(u"一機"));
        };
        folder_.Write(S(u"unitdata.csv"),
                      CatalogueBytes({ProgramUnit(S(u"001"), S(u"EFSF"), S(u"ヴェルデ"), S(u"4")),
                                      ProgramUnit(S(u"002"), S(u"EFSF"), S(u"ストラトス"), S(u"6")),
                                      oneUnit(u"003", u"グリフォン", u"20"),
                                      oneUnit(u"004", u"ドラグ", u"25")}));
        game_ = test::MakeInstallFolder(folder_);
    }

    void Start(const QString& defaultFormation = S(u"001\t0\t0\t1"),
               const QStringList& extra = {}) {
        folder_.Write(
            S(u"setting.ini"),
            SettingsBytes(
                QStringList{S(u"[Setting]"), S(u"path=") + game_, S(u"class=2"), S(u"level=1"),
                            S(u"decoration=0"), S(u"skill=0"),
                            S(u"defaultformation=デフォルト編成\t02.03 09:05\t") + defaultFormation,
                            S(u"[SaveData]"), S(u"No1=") + kOldSlot, S(u"No3=") + kPlannedSlot} +
                extra));
        window_.emplace(platform_);
        ASSERT_TRUE(window_->Load());
    }

    QObject& Root() override { return *window_; }
    QTableView* Formation() { return Grid(u"grdFormation"); }
    QString Cell(int row, int column) { return WindowDriver::Cell(u"grdFormation", row, column); }
    QString Ini() const { return DecodeText(folder_.Read(S(u"setting.ini"))).text; }
    QAction* Act(const char16_t* name) { return Control<QAction>(S(name)); }
    // The edit action whose text starts with caption (undo and redo name their step after it).
    QAction* EditAction(const char16_t* caption) {
        for (QAction* action : window_->findChildren<QAction*>())
            if (action->text().startsWith(S(caption))) return action;
        ADD_FAILURE() << "no action " << S(caption).toStdString();
        return nullptr;
    }
    QAction* UndoAction() { return EditAction(u"元に戻す"); }
    QAction* RedoAction() { return EditAction(u"やり直し"); }
    void Trigger(const char16_t* caption) { EditAction(caption)->trigger(); }
    QString Commander() {
        return Control<QComboBox>(S(u"cmbClass"))->currentText() + u' ' + Text(u"lblLevel") + u' ' +
               Text(u"lblDecoration") + u' ' + Text(u"lblSkill");
    }
    QStringList Rows() {
        QStringList rows;
        for (int r = 1; r < Formation()->model()->rowCount() + 1; ++r) {
            QStringList cells;
            for (int c = 0; c < 18; ++c) cells.append(Cell(r, c));
            rows.append(cells.join(u'|'));
        }
        return rows;
    }

    // Opens the saved-formations dialog and runs act on it while it is shown; act must close it.
    void WithDialog(const std::function<void(QDialog&)>& act) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            ran = true;
            act(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        Control<QPushButton>(S(u"cmdSaveLoad"))->click();
        EXPECT_TRUE(ran);
    }
    static void SelectSlot(QDialog& dialog, int slot) {
        auto* grid = dialog.findChild<QTableView*>(S(u"grdSaveData"));
        grid->setCurrentIndex(grid->model()->index(slot - 1, 1));
    }
    static void LoadSlot(QDialog& dialog, int slot) {
        SelectSlot(dialog, slot);
        dialog.findChild<QPushButton*>(S(u"cmdLoad"))->click();
    }

    test::TestFolder folder_;
    test::ScriptedPlatform platform_;
    QString game_;
    std::optional<frmMain> window_;
};

TEST_F(ShareTest, storedSlotKeepsTheCommander_loadTakesItOnlyWithTheCheckBox) {
    Start();
    platform_.inputAnswers.push_back(S(u"計画"));
    WithDialog([&](QDialog& dialog) {
        EXPECT_FALSE(dialog.findChild<QCheckBox*>(S(u"chkLoadCommander"))->isChecked());
        SelectSlot(dialog, 2);
        dialog.findChild<QPushButton*>(S(u"cmdSave"))->click();
    });
    EXPECT_TRUE(Ini().contains(S(u"No2=計画\t02.03 09:05\t001\t0\t0\t1\t2,1,0,0\r\n")));
    // The default formation keeps its six fields.
    EXPECT_TRUE(
        Ini().contains(S(u"defaultformation=デフォルト編成\t02.03 09:05\t001\t0\t0\t1\r\n")));
    EXPECT_FALSE(Ini().contains(S(u"loadcommander")));

    // Without the check box the slot's units come, the commander on screen stays.
    platform_.msgAnswers = {MsgAnswer::Yes};
    WithDialog([&](QDialog& dialog) { LoadSlot(dialog, 3); });
    EXPECT_EQ(Cell(2, 0), S(u"004"));
    EXPECT_EQ(Commander(), S(u"大尉 1 0 0"));

    // With it, units and commander come as one step; the choice is remembered.
    platform_.msgAnswers = {MsgAnswer::Yes};
    WithDialog([&](QDialog& dialog) {
        dialog.findChild<QCheckBox*>(S(u"chkLoadCommander"))->click();
        LoadSlot(dialog, 3);
    });
    EXPECT_TRUE(Ini().contains(S(u"[Window]\r\nloadcommander=1\r\n"))) << Ini().toStdString();
    EXPECT_EQ(Commander(), S(u"大佐 60 0 2"));
    EXPECT_TRUE(Ini().contains(S(u"class=5\r\nlevel=60\r\ndecoration=0\r\nskill=2\r\n")));
    EXPECT_EQ(Text(u"sbPanel1"), S(u"残り搭載 63"));

    // An old six-field slot loads as before and never changes the commander.
    platform_.msgAnswers = {MsgAnswer::Yes};
    WithDialog([&](QDialog& dialog) {
        EXPECT_TRUE(dialog.findChild<QCheckBox*>(S(u"chkLoadCommander"))->isChecked());
        LoadSlot(dialog, 1);
    });
    EXPECT_EQ(Cell(1, 1), S(u"ストラトス"));
    EXPECT_EQ(Commander(), S(u"大佐 60 0 2"));

    UndoAction()->trigger();  // the old slot
    UndoAction()->trigger();  // units and commander of slot 3 at once
    EXPECT_EQ(Cell(1, 0), S(u"003"));
    EXPECT_EQ(Commander(), S(u"大尉 1 0 0"));
}

TEST_F(ShareTest, compareGrid_showsEachSlotUnderBothCommanders_tintsWhatDiffers) {
    Start(S(u"001,003\t0,0\t0,0\t1,1"));
    WithDialog([&](QDialog& dialog) {
        auto* grid = dialog.findChild<QTableView*>(S(u"grdCompare"));
        auto* units = dialog.findChild<QLabel*>(S(u"lblCompareUnits"));
        ASSERT_NE(grid, nullptr);
        ASSERT_NE(units, nullptr);
        const QAbstractItemModel* model = grid->model();
        const auto cell = [&](int row, int column) {
            return row == 0 ? model->headerData(column, Qt::Horizontal).toString()
                            : model->index(row - 1, column).data().toString();
        };
        const auto tinted = [&](int row, int column) {
            return model->index(row - 1, column).data(Qt::BackgroundRole).isValid();
        };
        QStringList headers, names;
        for (int c = 0; c < 4; ++c) headers.append(cell(0, c));
        for (int r = 1; r <= model->rowCount(); ++r) names.append(cell(r, 0));
        EXPECT_EQ(headers, (QStringList{QString(), S(u"現在の編成"), S(u"スロット（現在の指揮官）"),
                                        S(u"スロット（保存時の指揮官）")}));
        EXPECT_EQ(names,
                  (QStringList{S(u"指揮官"), S(u"搭載"), S(u"残り"), S(u"修理"), S(u"一機制限"),
                               S(u"制限機"), S(u"判定"), S(u"カタログにない機体")}));

        // On opening: slot 1, an old slot without a commander.
        EXPECT_EQ(cell(1, 1), S(u"大尉 Lv1 勲章0 搭載解除0"));
        EXPECT_EQ(cell(2, 1), S(u"24 / 50"));
        EXPECT_EQ(cell(2, 2), S(u"12 / 50"));
        EXPECT_TRUE(tinted(2, 2));
        EXPECT_EQ(cell(1, 3), S(u"指揮官の記録なし"));
        for (int r = 2; r <= 8; ++r) EXPECT_EQ(cell(r, 3), QString()) << r;
        EXPECT_EQ(units->text(), S(u"現在のみ: ヴェルデ, グリフォン　スロットのみ: ストラトス ×2"));

        // A free slot.
        SelectSlot(dialog, 2);
        for (int r = 1; r <= 8; ++r) {
            EXPECT_EQ(cell(r, 2), QString());
            EXPECT_EQ(cell(r, 3), QString());
        }
        EXPECT_EQ(units->text(), QString());

        // The planned slot: illegal for the commander on screen, legal for its own.
        SelectSlot(dialog, 3);
        EXPECT_EQ(cell(7, 1), S(u"残り搭載 26"));
        EXPECT_EQ(cell(7, 2), S(u"搭載解除スキルを持っていません。一機制限機は一機までです。"));
        EXPECT_EQ(cell(1, 3), S(u"大佐 Lv60 勲章0 搭載解除2"));
        EXPECT_EQ(cell(2, 3), S(u"45 / 108"));
        EXPECT_EQ(cell(3, 3), S(u"63"));
        EXPECT_EQ(cell(7, 3), S(u"残り搭載 63"));
        EXPECT_TRUE(tinted(7, 2));
        EXPECT_TRUE(tinted(7, 3));
        EXPECT_FALSE(tinted(1, 3));  // the commander row is not compared
        EXPECT_EQ(cell(6, 3), cell(6, 1));
        EXPECT_FALSE(tinted(6, 3));
        EXPECT_EQ(cell(8, 2), S(u"0"));
        EXPECT_EQ(units->text(), S(u"現在のみ: ヴェルデ　スロットのみ: ドラグ"));
    });
}

TEST_F(ShareTest, unitTheCatalogueLacks_keepsItsNumber_tintedExplained_detailCleared) {
    Start(S(u"001,099\t0,1\t0,2\t1,0"));
    ASSERT_EQ(Formation()->model()->rowCount(), 2);
    EXPECT_EQ(Cell(2, 0), S(u"099"));
    EXPECT_EQ(Cell(2, 1), QString());
    const QModelIndex missing = Formation()->model()->index(1, 4);
    EXPECT_EQ(missing.data(Qt::BackgroundRole), QVariant(FormationModel::MissingColour()));
    EXPECT_EQ(missing.data(Qt::ToolTipRole).toString(), S(u"カタログにない機体です（MS番号 099）"));
    EXPECT_FALSE(Formation()->model()->index(0, 4).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(Text(u"sbPanel2").startsWith(S(u"カタログにない機体 1機")))
        << Text(u"sbPanel2").toStdString();

    // Selecting it shows nothing of the unit shown before.
    Formation()->setCurrentIndex(Formation()->model()->index(0, 1));
    ASSERT_FALSE(Text(u"lblMsName").isEmpty());
    Formation()->setCurrentIndex(Formation()->model()->index(1, 1));
    EXPECT_EQ(Text(u"lblMsName"), QString());
    EXPECT_EQ(Text(u"lblHp"), QString());
    EXPECT_FALSE(Control<QComboBox>(S(u"cmbShield"))->isEnabled());
    EXPECT_FALSE(Control<QComboBox>(S(u"cmbReconstruct"))->isEnabled());

    // Every save keeps the number.
    Control<QTableView>(S(u"grdMsList"))
        ->setCurrentIndex(Control<QTableView>(S(u"grdMsList"))->model()->index(1, 1));
    QTest::mouseClick(Control<QPushButton>(S(u"cmdAdd")), Qt::LeftButton);
    ASSERT_EQ(Formation()->model()->rowCount(), 3);
    EXPECT_TRUE(Ini().contains(S(u"02.03 09:05\t001,099,"))) << Ini().toStdString();
}

TEST_F(ShareTest, clearFormation_isOneStep_savesTheEmptyDefault_nothingWhenEmpty) {
    Start(S(u"001,002\t0,0\t0,0\t1,1"));
    QAction* clear = Act(u"actClearFormation");
    ASSERT_NE(clear, nullptr);
    EXPECT_EQ(clear->text(), S(u"編成をクリア"));
    EXPECT_EQ(clear->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
    const QStringList before = Rows();
    const QString iniBefore = Ini();

    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&*window_));
    QTest::keyClick(&*window_, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Formation()->model()->rowCount(), 0);
    EXPECT_TRUE(Ini().contains(S(u"defaultformation=デフォルト編成\t02.03 09:05\t\t\t\t\r\n")));
    EXPECT_EQ(Text(u"lblMsName"), QString());
    EXPECT_EQ(UndoAction()->text(), S(u"元に戻す: 編成をクリア"));

    UndoAction()->trigger();
    EXPECT_EQ(Rows(), before);
    EXPECT_EQ(Ini(), iniBefore);
    RedoAction()->trigger();
    EXPECT_EQ(Formation()->model()->rowCount(), 0);

    clear->trigger();  // empty: no step
    EXPECT_EQ(UndoAction()->text(), S(u"元に戻す: 編成をクリア"));
    UndoAction()->trigger();
    EXPECT_FALSE(UndoAction()->text().contains(S(u"クリア")));
}

TEST_F(ShareTest, paste_everySharedForm_givesTheFormationBack_commanderNamedOrTaken) {
    Start(S(u"003,001\t0,0\t3,0\t1,0"));
    Control<QComboBox>(S(u"cmbClass"))->setCurrentIndex(5);
    const QStringList planned = Rows();
    QGuiApplication::clipboard()->clear();
    Formation()->setFocus();
    Trigger(u"編成をコピー");
    const QString copied = QGuiApplication::clipboard()->text();
    const QStringList lines = copied.split(u'\n');
    const QString code = lines.last();
    ASSERT_TRUE(code.startsWith(S(u"VELMORA1-")));
    QString blanked = lines[lines.size() - 2];
    blanked.replace(u'\t', S(u"   "));

    const QStringList forms = {
        copied,  S(u"> 今夜の編成です\n> ") + code + S(u" よろしく\n"), lines[lines.size() - 2],
        blanked, S(u"defaultformation=") + lines[lines.size() - 2],     lines.mid(0, 2).join(u'\n'),
    };
    for (const QString& form : forms) {
        Act(u"actClearFormation")->trigger();
        QGuiApplication::clipboard()->setText(form);
        Trigger(u"編成を貼り付け");
        EXPECT_EQ(Rows(), planned) << form.toStdString();
    }
    EXPECT_TRUE(platform_.messages.empty());

    // The code names its commander until the next change; with loadcommander on it is taken.
    Control<QComboBox>(S(u"cmbClass"))->setCurrentIndex(0);
    QGuiApplication::clipboard()->setText(code);
    Trigger(u"編成を貼り付け");
    EXPECT_EQ(Text(u"sbPanel2"), S(u"貼り付けた編成の指揮官: 大佐 Lv1 勲章0 搭載解除0"));
    EXPECT_EQ(Commander(), S(u"少尉 1 0 0"));
    Control<QSpinBox>(S(u"upLevel"))->stepUp();
    EXPECT_NE(Text(u"sbPanel2"), S(u"貼り付けた編成の指揮官: 大佐 Lv1 勲章0 搭載解除0"));

    SettingsFile(folder_.FilePath(S(u"setting.ini")))
        .Write(S(u"1"), S(u"Window"), S(u"loadcommander"));
    Act(u"actClearFormation")->trigger();
    const QString beforePaste = Commander();
    Trigger(u"編成を貼り付け");
    EXPECT_EQ(Commander(), S(u"大佐 1 0 0"));
    EXPECT_EQ(Rows(), planned);
    UndoAction()->trigger();
    EXPECT_EQ(Commander(), beforePaste);
    EXPECT_EQ(Formation()->model()->rowCount(), 0);

    // A cut code is refused and changes nothing.
    QGuiApplication::clipboard()->setText(code.left(code.size() - 3));
    Trigger(u"編成を貼り付け");
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].text, S(u"貼り付ける編成データがありません。"));
    EXPECT_EQ(Formation()->model()->rowCount(), 0);
}

TEST_F(ShareTest, heldSpinnerArrow_isOneUndoStep_aPauseOrTypedValueStartsAnother) {
    Start();
    auto* level = Control<QSpinBox>(S(u"upLevel"));
    for (int i = 0; i < 5; ++i) {
        level->stepUp();
        platform_.now = platform_.now.addMSecs(300);
    }
    EXPECT_EQ(Text(u"lblLevel"), S(u"6"));
    platform_.now = platform_.now.addMSecs(1500);
    level->stepUp();
    Control<QSpinBox>(S(u"upSkill"))->stepUp();
    level->stepUp();  // after another control: a new step

    UndoAction()->trigger();
    EXPECT_EQ(Text(u"lblLevel"), S(u"7"));
    UndoAction()->trigger();
    EXPECT_EQ(Text(u"lblSkill"), S(u"0"));
    UndoAction()->trigger();
    EXPECT_EQ(Text(u"lblLevel"), S(u"6"));
    UndoAction()->trigger();
    EXPECT_EQ(Text(u"lblLevel"), S(u"1"));
    EXPECT_FALSE(UndoAction()->isEnabled());

    // Typed values stay a step each, however quick.
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&*window_));
    level->setFocus();
    for (const char* typed : {"12", "34"}) {
        QTest::keyClicks(level, QString::fromLatin1(typed));
        QTest::keyClick(level, Qt::Key_Return);
    }
    EXPECT_EQ(Text(u"lblLevel"), S(u"34"));
    UndoAction()->trigger();
    EXPECT_EQ(Text(u"lblLevel"), S(u"12"));
}

}  // namespace
}  // namespace velmora
