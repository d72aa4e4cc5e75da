#include "app/frmMain.h"

#include "support/ProgramFolder.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFolder.h"
#include "support/TestText.h"
#include "support/WindowDriver.h"
#include "system/SettingsFile.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <optional>
#include <ostream>

// Failed comparisons show texts, not bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace velmora {
namespace {

using test::CatalogueBytes;
using test::ProgramUnit;
using test::ScriptedPlatform;
using test::SettingsBytes;
using test::TestFolder;

// A unit line of the given category.
QString CategoryUnit(const QString& msNo, const QString& name, const QString& weight,
                     const QString& category) {
    return ProgramUnit(msNo, S(u"EFSF"), name, weight).Set(test::Col::Category, category);
}

// The window over a catalogue of four EFSF units (two of them one-unit restricted) whose
// default formation holds ヴェルデ.
class EditingTest : public ::testing::Test, protected test::WindowDriver {
protected:
    EditingTest() : platform_(folder_.Path()) {
        folder_.Write(
            S(u"unitdata.csv"),
            CatalogueBytes({ProgramUnit(S(u"001"), S(u"EFSF"), S(u"ヴェルデ"), S(u"4")),
                            ProgramUnit(S(u"002"), S(u"EFSF"), S(u"ストラトス"), S(u"6")),
                            CategoryUnit(S(u"003"), S(u"グリフォン"), S(u"20"), S(u"一機")),
                            CategoryUnit(S(u"004"), S(u"ドラグ"), S(u"25"), S(u"一機"))}));
        const QString game = test::MakeInstallFolder(folder_);
        folder_.Write(
            S(u"setting.ini"),
            SettingsBytes({S(u"[Setting]"), S(u"path=") + game, S(u"class=2"), S(u"level=1"),
                           S(u"decoration=0"), S(u"skill=0"),
                           S(u"defaultformation=デフォルト編成\t02.03 09:05\t001\t0\t0\t1"),
                           S(u"[SaveData]"), S(u"No1=保存\t01.01 10:00\t002,002\t0,0\t0,0\t1,1")}));
        window_.emplace(platform_);
        EXPECT_TRUE(window_->Load());
    }

    QObject& Root() override { return *window_; }
    QTableView* Formation() { return Grid(u"grdFormation"); }
    QByteArray Ini() const { return folder_.Read(S(u"setting.ini")); }
    QAction* Action(const char16_t* startsWith) {
        for (QAction* action : window_->menuBar()->actions()) {
            if (!action->menu()) continue;
            for (QAction* entry : action->menu()->actions()) {
                if (entry->text().startsWith(S(startsWith))) return entry;
            }
        }
        ADD_FAILURE() << "no menu entry " << S(startsWith).toStdString();
        return nullptr;
    }

    void Deploy(int listRow) {
        ChooseRow(S(u"grdMsList"), listRow);
        QTest::mouseClick(Control<QPushButton>(S(u"cmdAdd")), Qt::LeftButton);
    }
    void ShowActive() {
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&*window_));
    }

    // Everything an undo step must bring back: every cell of the formation, the commander, the
    // totals, the verdict and its explanation, and the settings file's bytes.
    QStringList Shown() {
        QStringList shown;
        const QAbstractItemModel* rows = Formation()->model();
        for (int r = 0; r < rows->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < rows->columnCount(); ++c)
                cells.append(rows->index(r, c).data().toString());
            shown.append(cells.join(u'|'));
        }
        shown << Control<QComboBox>(S(u"cmbClass"))->currentText();
        for (const char16_t* label :
             {u"lblLevel", u"lblDecoration", u"lblSkill", u"lblMyWeight", u"lblTotalWeight",
              u"lblTotalRepair", u"lblPersonal", u"lblRestriction", u"sbPanel1", u"sbPanel2"})
            shown << Text(label);
        for (const char16_t* spinner : {u"upLevel", u"upDecoration", u"upSkill"})
            shown << QString::number(Control<QSpinBox>(S(spinner))->value());
        shown << QString::fromLatin1(Ini().toHex());
        return shown;
    }

    TestFolder folder_;
    ScriptedPlatform platform_;
    std::optional<frmMain> window_;
};

TEST_F(EditingTest, startUp_restoresWithoutAStep_menuShowsTheEntriesDisabled) {
    ASSERT_EQ(Formation()->model()->rowCount(), 1);
    QAction* undo = Action(u"元に戻す");
    QAction* redo = Action(u"やり直し");
    EXPECT_EQ(undo->text(), S(u"元に戻す"));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(redo->text(), S(u"やり直し"));
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_TRUE(Action(u"編成をコピー")->isEnabled());
    EXPECT_TRUE(Action(u"編成を貼り付け")->isEnabled());
    EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    const QList<QAction*> menus = window_->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);  // 編集, then 設定
    EXPECT_EQ(menus[0]->text(), S(u"編集"));
    EXPECT_TRUE(menus[0]->menu()->actions().contains(undo));
}

TEST_F(EditingTest, undoAndRedo_afterEachKindOfStep_bringBackEverythingShown) {
    ShowActive();
    std::vector<QStringList> states{Shown()};
    QStringList names;
    const auto step = [&](const char16_t* name, const std::function<void()>& change) {
        change();
        names << S(name);
        states.push_back(Shown());
        EXPECT_NE(states.back(), states[states.size() - 2]) << S(name).toStdString();
        EXPECT_EQ(Action(u"元に戻す")->text(), QString(S(u"元に戻す: ") + S(name)));
    };
    step(u"配備 ストラトス", [&] { Deploy(2); });
    step(u"配備 グリフォン", [&] { Deploy(3); });
    step(u"更新 ヴェルデ", [&] {
        ChooseRow(S(u"grdFormation"), 2);
        ChooseRow(S(u"grdFormation"), 1);
        Control<QComboBox>(S(u"cmbReconstruct"))->setCurrentIndex(5);
        QTest::mouseClick(Control<QPushButton>(S(u"cmdEdit")), Qt::LeftButton);
    });
    step(u"レベル 2", [&] { Control<QSpinBox>(S(u"upLevel"))->stepUp(); });
    step(u"勲章 1", [&] { Control<QSpinBox>(S(u"upDecoration"))->stepUp(); });
    step(u"搭載解除 1", [&] { Control<QSpinBox>(S(u"upSkill"))->stepUp(); });
    step(u"階級 少佐", [&] { Control<QComboBox>(S(u"cmbClass"))->setCurrentIndex(3); });
    step(u"削除 ストラトス", [&] {
        ChooseRow(S(u"grdFormation"), 2);
        Formation()->setFocus();
        QTest::keyClick(Formation(), Qt::Key_Delete);
    });
    step(u"読込", [&] {
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QPushButton*>(S(u"cmdLoad"))->click();
        });
        Control<QPushButton>(S(u"cmdSaveLoad"))->click();
    });
    step(u"貼り付け", [&] {
        QGuiApplication::clipboard()->setText(
            S(u"デフォルト編成\t02.03 09:05\t004,003\t0,0\t0,0\t1,1"));
        Action(u"編成を貼り付け")->trigger();
    });
    ASSERT_EQ(Formation()->model()->rowCount(), 2);

    for (qsizetype k = names.size(); k > 0; --k) {
        Action(u"元に戻す")->trigger();
        EXPECT_EQ(Shown(), states[std::size_t(k - 1)]) << "undo " << names[k - 1].toStdString();
        EXPECT_EQ(Action(u"やり直し")->text(), QString(S(u"やり直し: ") + names[k - 1]));
    }
    EXPECT_FALSE(Action(u"元に戻す")->isEnabled());
    for (qsizetype k = 1; k <= names.size(); ++k) {
        Action(u"やり直し")->trigger();
        EXPECT_EQ(Shown(), states[std::size_t(k)]) << "redo " << names[k - 1].toStdString();
    }
    EXPECT_FALSE(Action(u"やり直し")->isEnabled());
    for (const auto& message : platform_.messages) EXPECT_NE(message.title, S(u"エラー"));
}

TEST_F(EditingTest, nothingChanged_isNoStep) {
    Deploy(1);
    Deploy(1);
    ChooseRow(S(u"grdFormation"), 2);
    QTest::mouseClick(Control<QPushButton>(S(u"cmdEdit")), Qt::LeftButton);  // same figures
    Control<QSpinBox>(S(u"upLevel"))->stepDown();                            // already at 1
    Action(u"元に戻す")->trigger();
    Action(u"元に戻す")->trigger();
    EXPECT_EQ(Formation()->model()->rowCount(), 1);
    EXPECT_FALSE(Action(u"元に戻す")->isEnabled());
}

TEST_F(EditingTest, undoKeys_reachTheStackFromTheGridTheSpinnersAndTheKeywordBox) {
    ShowActive();
    auto* level = Control<QSpinBox>(S(u"upLevel"));
    level->setFocus();
    level->stepUp();
    platform_.now = platform_.now.addSecs(2);  // two gestures, two steps
    level->stepUp();
    ASSERT_EQ(Text(u"lblLevel"), S(u"3"));
    QTest::keyClick(level, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text(u"lblLevel"), S(u"2"));

    auto* keyword = Control<QLineEdit>(S(u"txtKeyword"));
    keyword->setFocus();
    QTest::keyClick(keyword, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text(u"lblLevel"), S(u"1"));

    Formation()->setFocus();
    QTest::keyClick(Formation(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Text(u"lblLevel"), S(u"2"));
    QTest::keyClick(Formation(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Text(u"lblLevel"), S(u"3"));
}

TEST_F(EditingTest, delete_removesTheCurrentRowOnlyFromTheFormationGrid) {
    ShowActive();
    Deploy(2);
    auto* list = Control<QTableView>(S(u"grdMsList"));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(Formation()->model()->rowCount(), 2);

    ChooseRow(S(u"grdFormation"), 1);
    Formation()->setFocus();
    QTest::keyClick(Formation(), Qt::Key_Delete);
    ASSERT_EQ(Formation()->model()->rowCount(), 1);
    EXPECT_EQ(Formation()->model()->index(0, 1).data().toString(), S(u"ストラトス"));
    EXPECT_EQ(SettingsFile(folder_.FilePath(S(u"setting.ini")))
                  .Read(S(u"Setting"), S(u"defaultformation")),
              S(u"デフォルト編成\t02.03 09:05\t002\t0\t0\t0"));
    EXPECT_EQ(Action(u"元に戻す")->text(), S(u"元に戻す: 削除 ヴェルデ"));
}

TEST_F(EditingTest, copy_fromTheGridOrTheMenu_givesReadableLinesEndingInTheStoredLine) {
    ShowActive();
    Deploy(3);
    QGuiApplication::clipboard()->clear();
    Formation()->setFocus();
    QTest::keyClick(Formation(), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[0].startsWith(S(u"1. ヴェルデ　MS番号 001"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(S(u"2. グリフォン　MS番号 003"))) << lines[1].toStdString();
    EXPECT_EQ(lines[2], S(u"階級 大尉　レベル 1　勲章 0　搭載解除 0"));
    EXPECT_EQ(lines[3], S(u"搭載 24 / 50　修理 600　一機制限 1　制限機 0"));
    EXPECT_EQ(lines[4], S(u"残り搭載 26"));
    EXPECT_EQ(lines[4], Text(u"sbPanel1"));
    EXPECT_EQ(lines[5], SettingsFile(folder_.FilePath(S(u"setting.ini")))
                            .Read(S(u"Setting"), S(u"defaultformation")));

    QGuiApplication::clipboard()->clear();
    Action(u"編成をコピー")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().split(u'\n'), lines);

    // Pasting the copied text back gives the same formation as one step.
    Deploy(4);
    QGuiApplication::clipboard()->setText(lines.join(u"\r\n"));
    QTest::keyClick(&*window_, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(Formation()->model()->rowCount(), 2);
    EXPECT_EQ(Formation()->model()->index(1, 0).data().toString(), S(u"003"));
    EXPECT_EQ(Action(u"元に戻す")->text(), S(u"元に戻す: 貼り付け"));
}

TEST_F(EditingTest, paste_savedEntryOrEmptyFormation_isLoadedAndSavedAsTheDefault) {
    QGuiApplication::clipboard()->setText(S(u"No4=遠征\t05.06 07:08\t004,001\t0,0\t2,0\t1,0\r\n"));
    Action(u"編成を貼り付け")->trigger();
    ASSERT_EQ(Formation()->model()->rowCount(), 2);
    EXPECT_EQ(Formation()->model()->index(0, 1).data().toString(), S(u"ドラグ"));
    EXPECT_EQ(Formation()->model()->index(1, 17).data().toString(), S(u"0"));
    const auto defaultFormation = [&] {
        return SettingsFile(folder_.FilePath(S(u"setting.ini")))
            .Read(S(u"Setting"), S(u"defaultformation"));
    };
    EXPECT_EQ(defaultFormation(), S(u"デフォルト編成\t02.03 09:05\t004,001\t0,0\t2,0\t1,0"));

    QGuiApplication::clipboard()->setText(S(u"デフォルト編成\t02.03 09:05\t\t\t\t"));
    Action(u"編成を貼り付け")->trigger();
    EXPECT_EQ(Formation()->model()->rowCount(), 0);
    EXPECT_TRUE(Ini().contains(
        test::Cp932(S(u"defaultformation=デフォルト編成\t02.03 09:05\t\t\t\t\r\n"))));
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(EditingTest, paste_withoutAFormationLine_changesNothingAndSaysSo) {
    const QStringList before = Shown();
    QGuiApplication::clipboard()->setText(S(u"今日の編成はこれ\n1. ヴェルデ"));
    Action(u"編成を貼り付け")->trigger();
    EXPECT_EQ(Shown(), before);
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].text, S(u"貼り付ける編成データがありません。"));
    EXPECT_EQ(platform_.messages[0].title, S(u"エラー"));
    EXPECT_EQ(platform_.messages[0].style, MsgStyle::Information);
    EXPECT_FALSE(Action(u"元に戻す")->isEnabled());
}

TEST_F(EditingTest, secondPanel_explainsTheVerdict_andBrokenRulesTintTheirRows) {
    EXPECT_EQ(Text(u"sbPanel1"), S(u"残り搭載 46"));
    EXPECT_EQ(Text(u"sbPanel2"), S(u"搭載 4 / 50　残り 46　レベル 1 で編成可能"));
    EXPECT_EQ(Control<QLabel>(S(u"lblTotalWeight"))->toolTip(),
              S(u"レベル 1 + 階級 2 + 47 + 勲章 0 = 50"));

    Deploy(3);
    Deploy(4);  // two one-unit units without the skill
    EXPECT_EQ(Text(u"sbPanel1"), S(u"搭載解除スキルを持っていません。一機制限機は一機までです。"));
    EXPECT_EQ(Text(u"sbPanel2"), S(u"一機制限機 2 / 1　どのレベルでも編成不可（一機制限機の数）"));
    const auto tinted = [&](int row) {
        return Formation()->model()->index(row, 1).data(Qt::BackgroundRole).isValid();
    };
    EXPECT_FALSE(tinted(0));
    EXPECT_TRUE(tinted(1));
    EXPECT_TRUE(tinted(2));
    EXPECT_FALSE(Formation()->model()->index(1, 2).data(Qt::BackgroundRole).isValid());

    Control<QSpinBox>(S(u"upSkill"))->stepUp();  // skill 1: capacity less 6, load 49 of 44
    EXPECT_EQ(Text(u"sbPanel1"), S(u"搭載オーバーです。"));
    EXPECT_EQ(Text(u"sbPanel2"), S(u"搭載 49 / 44　超過 5　レベル 6 で編成可能"));
    EXPECT_EQ(Control<QLabel>(S(u"lblTotalWeight"))->toolTip(),
              S(u"レベル 1 + 階級 2 + 47 + 勲章 0 = 50\n− 6（一機制限機 2 機）\n= 44"));
    EXPECT_FALSE(tinted(1));
    EXPECT_FALSE(tinted(2));
}

TEST_F(EditingTest, listRowTooltip_previewsDeployingThatUnit) {
    auto* list = Control<QTableView>(S(u"grdMsList"));
    const auto tip = [&](int row, int column) {
        return list->model()->index(row, column).data(Qt::ToolTipRole).toString();
    };
    EXPECT_EQ(tip(1, 3), S(u"配備すると: 残り搭載 40\n搭載 10 / 50　残り 40"));
    EXPECT_EQ(tip(1, 2), tip(1, 3));
    Deploy(3);
    EXPECT_EQ(tip(3, 3),
              S(u"配備すると: 搭載解除スキルを持っていません。一機制限機は一機までです。\n"
                u"搭載 49 / 50　残り 1"));
}

}  // namespace
}  // namespace velmora
