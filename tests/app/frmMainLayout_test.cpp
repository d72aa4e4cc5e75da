// The window never hides what a player needs: columns that fit their texts, status texts read
// whole, a minimum size the screen can hold, commander values by hand and the install folder
// from the menu.
#include "app/StartUp.h"
#include "app/WindowGeometry.h"
#include "browser/MsListModel.h"
#include "formationpanel/FormationPanel.h"
#include "support/ProgramFolder.h"
#include "support/TestText.h"
#include "support/WindowDriver.h"
#include "system/SettingsFile.h"
#include "widgets/GridView.h"
#include "widgets/Twips.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>

namespace velmora {
namespace {

using test::Col;

// ヴェルデ is a one-unit newtype whose last weapon is a beam; ジェネラル is plain.
QStringList Catalogue() {
    return {test::ProgramUnit(S(u"001"), S(u"EFSF"), S(u"ヴェルデ"), S(u"5"))
                .Set(Col::Category, S(u"一機・ＮＴ"))
                .Weapon(1, {S(u"ビームライフル"), S(u"ビーム"), S(u"30"), S(u"×2"), S(u"5"),
                            S(u"10"), S(u"5"), S(u"nd"), S(u"×"), S(u"－")}),
            test::ProgramUnit(S(u"002"), S(u"EFSF"), S(u"ジェネラル"), S(u"6"))};
}

// A picture whose top row is red, so that a shown picture is told from none.
QByteArray RedTopPicture() {
    QByteArray picture(144, '\0');
    picture.append(QByteArray("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8));
    picture.append(QByteArray(8, '\0'));
    return picture;
}

class LayoutTest : public test::ProgramWindowTest {
protected:
    LayoutTest() : ProgramWindowTest(Catalogue()) {}

    GridView* View(const char16_t* name) { return Control<GridView>(S(name)); }
    // Each visible column's left and right edges lie inside the view's viewport.
    static bool AllColumnsInView(GridView* view) {
        if (view->horizontalScrollBar()->maximum() > 0) return false;
        for (int c = 0; c < view->model()->columnCount(); ++c) {
            if (view->isColumnHidden(c)) continue;
            if (view->columnViewportPosition(c) + view->columnWidth(c) > view->viewport()->width())
                return false;
        }
        return true;
    }
    void Settle() { QApplication::processEvents(); }
    QString Setting(const char16_t* key) {
        return SettingsFile(folder_.FilePath(S(u"setting.ini"))).Read(S(u"Setting"), S(key));
    }
    QColor PictureAt(int x, int y) {
        return Control<QWidget>(S(u"picImg"))->grab().toImage().pixelColor(x, y);
    }
};

TEST(WindowMinimum, isTheWantedSizeWhereItFits_elseWhatTheScreenLeavesBesideTheFrame) {
    const QMargins frame(4, 28, 4, 4);
    EXPECT_EQ(WindowGeometry::FittingMinimum(QSize(805, 650), QSize(1920, 1040), frame),
              QSize(805, 650));
    // QT_SCALE_FACTOR=2 on 1920 x 1080 with a panel: 960 x 520 logical pixels.
    EXPECT_EQ(WindowGeometry::FittingMinimum(QSize(805, 650), QSize(960, 520), frame),
              QSize(805, 488));
    EXPECT_EQ(WindowGeometry::FittingMinimum(QSize(805, 650), QSize(640, 480), frame),
              QSize(632, 448));
}

TEST_F(LayoutTest, columns_designWidthsAtTheDesignSize_extraFirstToCutTexts_thenToNames) {
    Restart(/*keepSettings=*/false);
    ClickRow(S(u"grdMsList"), 1);
    GridView* list = View(u"grdMsList");
    GridView* weapons = View(u"grdMsInfo");
    // At the design size every column has at least its design width, and a cut cell shows
    // its whole text as its tooltip.
    for (int c = 1; c < MsListModel::kColumnCount; ++c)
        EXPECT_GE(list->columnWidth(c), TwipsToPixels(MsListModel::ColumnWidthTwips(c))) << c;
    const QModelIndex category = list->model()->index(0, 10);
    if (list->IsCut(category)) {
        EXPECT_EQ(list->CellToolTip(category).split(u'\n')[0], S(u"一機・ＮＴ"));
    }

    const int name = list->columnWidth(3);
    window_->resize(window_->width() + 200, window_->height());
    Settle();
    EXPECT_FALSE(list->IsCut(category));
    EXPECT_FALSE(weapons->IsCut(weapons->model()->index(1, 13)));  // "ビーム"
    // The rest went to the names; no column but those took more than the texts need.
    EXPECT_GT(list->columnWidth(3), name);
    EXPECT_EQ(list->columnWidth(2), 32);
    EXPECT_TRUE(AllColumnsInView(list));
}

TEST_F(LayoutTest, savedWideColumns_giveWayToASmallWindow_everyFigureInView) {
    Restart(/*keepSettings=*/false);
    window_->resize(window_->width() + 500, window_->height());
    Settle();
    View(u"grdMsList")->setColumnWidth(3, 640);  // the user widens the names
    View(u"grdMsList")->setColumnWidth(5, 60);
    Settle();
    window_->close();
    Restart(/*keepSettings=*/true);
    window_->resize(window_->minimumSize());
    Settle();
    EXPECT_TRUE(AllColumnsInView(View(u"grdMsList")));
    // The preference stays for a larger window, and is kept at exit.
    window_->resize(window_->width() + 700, window_->height());
    Settle();
    EXPECT_EQ(View(u"grdMsList")->columnWidth(5), 60);
    EXPECT_GE(View(u"grdMsList")->columnWidth(3), 640);
}

TEST_F(LayoutTest, sortIndicator_leavesTheHeaderTextAsItWas) {
    Restart(/*keepSettings=*/false);
    QHeaderView* header = View(u"grdMsList")->horizontalHeader();
    const QRect section(header->sectionViewportPosition(5), 0, header->sectionSize(5),
                        header->height());
    const QImage before = header->grab(section).toImage();
    for (int click = 0; click < 2; ++click) {  // ascending, then descending
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, section.center());
        Settle();
        ASSERT_EQ(header->sortIndicatorSection(), 5);
        const QImage after = header->grab(section).toImage();
        // Below the indicator's strip at the top, the section reads exactly as before.
        const int strip = int(5 * after.devicePixelRatio());
        EXPECT_EQ(after.copy(0, strip, after.width(), after.height() - strip),
                  before.copy(0, strip, before.width(), before.height() - strip));
        EXPECT_NE(after, before);
    }
}

TEST_F(LayoutTest, statusTexts_readWholeAtTheDesignSize) {
    Restart(/*keepSettings=*/false);
    auto* formation = Control<FormationPanel>(S(u"fraFormation"));
    const QString verdict = S(u"搭載解除スキルがありません。限定生産機は３機までです。");
    const QString explanation = S(u"限定生産機 4 / 3　どのレベルでも編成不可（限定生産機の数）");
    Q_EMIT formation->verdictChanged(verdict);
    Q_EMIT formation->verdictExplained(explanation);
    Settle();
    for (const auto& [panel, text] :
         {std::pair{S(u"sbPanel1"), verdict}, std::pair{S(u"sbPanel2"), explanation}}) {
        QLabel* label = Control<QLabel>(panel);
        EXPECT_GE(label->contentsRect().width(), label->fontMetrics().horizontalAdvance(text))
            << panel.toStdString();
    }
    EXPECT_EQ(Control<QLabel>(S(u"sbPanel2"))->toolTip(), explanation);
}

TEST_F(LayoutTest, commanderValues_clickFocusesTheSpinner_wheelStepsOnePerNotch) {
    Restart(/*keepSettings=*/false);
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&*window_));
    auto* label = Control<QLabel>(S(u"lblLevel"));
    auto* spinner = Control<QSpinBox>(S(u"upLevel"));
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_TRUE(spinner->hasFocus());
    QTest::keyClicks(spinner, S(u"12"));
    QTest::keyClick(spinner, Qt::Key_Return);
    EXPECT_EQ(label->text(), S(u"12"));
    EXPECT_EQ(Setting(u"level"), S(u"12"));

    const auto wheel = [](QWidget* over, int delta) {
        const QPointF at = QRectF(over->rect()).center();
        QWheelEvent event(at, over->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &event);
    };
    wheel(label, 120);
    EXPECT_EQ(spinner->value(), 13);
    wheel(spinner, -120);
    EXPECT_EQ(spinner->value(), 12);
    wheel(label, 240);  // two notches at once
    EXPECT_EQ(spinner->value(), 14);
    wheel(label, 60);  // half a notch, then the other half
    EXPECT_EQ(spinner->value(), 14);
    wheel(label, 60);
    EXPECT_EQ(spinner->value(), 15);
    EXPECT_EQ(label->text(), S(u"15"));
    EXPECT_EQ(Setting(u"level"), S(u"15"));

    auto* skill = Control<QSpinBox>(S(u"upSkill"));
    for (int i = 0; i < 5; ++i) wheel(Control<QLabel>(S(u"lblSkill")), 120);
    EXPECT_EQ(skill->value(), 3);
}

TEST_F(LayoutTest, installFolder_fromTheMenu_cancelledChangesNothing_chosenShowsPictures) {
    // The start-up prompt finds no pictures and is cancelled: the box says what to do.
    folder_.Write(S(u"setting.ini"), test::SettingsBytes({S(u"[Setting]"), S(u"path=")}));
    window_.emplace(platform_);
    ASSERT_TRUE(window_->Load());
    window_->show();
    ASSERT_EQ(platform_.folderPrompts.size(), 1);
    ClickRow(S(u"grdMsList"), 1);
    EXPECT_EQ(PictureAt(0, 0), QColor(Qt::black));
    const QImage box = Control<QWidget>(S(u"picImg"))->grab().toImage();
    bool lettered = false;
    for (int y = 0; y < box.height() && !lettered; ++y)
        for (int x = 0; x < box.width() && !lettered; ++x)
            lettered = box.pixelColor(x, y) != Qt::black;
    EXPECT_TRUE(lettered);

    auto* action = Control<QAction>(S(u"actInstallFolder"));
    EXPECT_EQ(action->text(), S(u"ゲームの導入先フォルダ…"));
    const QByteArray before = folder_.Read(S(u"setting.ini"));
    action->trigger();
    ASSERT_EQ(platform_.folderPrompts.size(), 2);
    EXPECT_EQ(platform_.folderPrompts[1], StartUp::FolderPrompt());
    EXPECT_EQ(folder_.Read(S(u"setting.ini")), before);

    const QString game = test::MakeInstallFolder(folder_);
    folder_.Write(S(u"game/Image/Ms_status/ts_01_0.img"), RedTopPicture());
    platform_.folderAnswers.push_back(game);
    action->trigger();
    EXPECT_EQ(Setting(u"path"), game);
    EXPECT_EQ(PictureAt(0, 0), QColor(255, 0, 0));
}

}  // namespace
}  // namespace velmora
