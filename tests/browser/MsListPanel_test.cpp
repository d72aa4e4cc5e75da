#include "browser/MsListPanel.h"
#include "ListCatalogue.h"
#include "browser/ImgDecoder.h"
#include "browser/MsListModel.h"
#include "support/QtPrinters.h"
#include "support/TestFolder.h"
#include "support/WindowDriver.h"
#include "widgets/GridView.h"
#include "widgets/Twips.h"

#include <gtest/gtest.h>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

using test::ListCatalogue;
using test::ListUnit;

// Sorted: ジ 1 (Z1), ジ 2 (Z2), 連 1 (E1), 連 2 (E2), 連 5 (E3).
std::vector<ListUnit> Units() {
    return {
        {.no = u"E3"_s,
         .name = u"ジェネラル改"_s,
         .weight = u"5"_s,
         .move = u"宇宙2"_s,
         .shield = u"○"_s},
        {.no = u"Z1"_s, .name = u"ザルガ"_s, .army = u"ZEON"_s, .weight = u"1"_s},
        {.no = u"E1"_s, .name = u"オムニス"_s, .weight = u"1"_s, .move = u"宇宙2"_s},
        {.no = u"Z2"_s,
         .name = u"グリフォン"_s,
         .army = u"ZEON"_s,
         .weight = u"2"_s,
         .category = u"専用"_s},
        {.no = u"E2"_s, .name = u"ガルム"_s, .weight = u"2"_s},
    };
}

// The name column's width in the list's one table of design widths.
const int kNameWidth =
    TwipsToPixels(MsListModel::ColumnWidthTwips(Col(MsListModel::Column::MsName)));

struct PanelFixture : ::testing::Test, test::WindowDriver {
    std::unique_ptr<clsMsData> catalogue = ListCatalogue(Units());
    MsListPanel panel{*catalogue};
    GridView* grid = panel.findChild<GridView*>(u"grdMsList"_s);

    QObject& Root() override { return panel; }

    QStringList Keys() {
        QStringList keys;
        for (int r = 1; r < panel.RowCount(); ++r) keys << panel.Cell(r, 0);
        return keys;
    }

    void SetCurrentRow(int row) { ChooseRow(u"grdMsList", row); }
};

TEST_F(PanelFixture, StartsWithTheFederationOptionAndTheDesignedGrid) {
    EXPECT_EQ(panel.objectName(), u"fraMsList");
    EXPECT_EQ(panel.title(), u"機体一覧");
    EXPECT_TRUE(Control<QRadioButton>(u"optMS_0"_s)->isChecked());
    EXPECT_EQ(Control<QRadioButton>(u"optMS_2"_s)->text(), u"すべて");
    EXPECT_TRUE(Control<QLineEdit>(u"txtKeyword"_s)->text().isEmpty());
    EXPECT_EQ(Control<QLabel>(u"lblStar_1"_s)->text(), u"☆");
    EXPECT_FALSE(Control<QLabel>(u"picImgCopy"_s)->isVisibleTo(&panel));
    EXPECT_TRUE(grid->isColumnHidden(0));
    EXPECT_EQ(grid->columnWidth(3), kNameWidth);
    panel.FillMsList(0);
    EXPECT_EQ(Keys(), QStringList({u"E1"_s, u"E2"_s, u"E3"_s}));
    EXPECT_EQ(panel.Cell(0, 3), u"機体名称");
    EXPECT_EQ(panel.Cell(3, 12), u"○");
    EXPECT_EQ(panel.CurrentRow(), 0);
    // Widths and the hidden key survive refills.
    panel.FillMsList(2);
    EXPECT_TRUE(grid->isColumnHidden(0));
    EXPECT_EQ(grid->columnWidth(3), kNameWidth);
}

TEST_F(PanelFixture, ClickOnCaptionOrBoxFlipsTheToggleAndRefreshesTheList) {
    panel.FillMsList(0);
    auto* box = Control<QLabel>(u"lblSpace_0"_s);
    auto* caption = Control<QLabel>(u"lblSpace_1"_s);
    const QColor offFill = box->palette().color(QPalette::Window);
    EXPECT_EQ(box->frameShadow(), QFrame::Plain);
    EXPECT_EQ(offFill, caption->palette().color(QPalette::Window));

    QTest::mouseClick(caption, Qt::LeftButton);
    EXPECT_EQ(box->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(box->palette().color(QPalette::Window), QColor(241, 241, 241));
    EXPECT_EQ(Keys(), QStringList({u"E1"_s, u"E3"_s}));

    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(box->frameShadow(), QFrame::Plain);
    EXPECT_EQ(box->palette().color(QPalette::Window), offFill);
    EXPECT_EQ(Keys(), QStringList({u"E1"_s, u"E2"_s, u"E3"_s}));

    QTest::mouseClick(box, Qt::RightButton);
    EXPECT_EQ(box->frameShadow(), QFrame::Plain);
}

TEST_F(PanelFixture, ToggleClickKeepsTheCurrentUnitWhenListedAndShowsIt) {
    panel.FillMsList(0);
    SetCurrentRow(2);  // E2, on the ground
    QSignalSpy chosen(&panel, &MsListPanel::unitChosen);
    QTest::mouseClick(Control<QLabel>(u"lblSpace_1"_s), Qt::LeftButton);  // E1, E3
    ASSERT_EQ(chosen.size(), 0);
    EXPECT_EQ(panel.CurrentRow(), 0);  // E2 is gone
    SetCurrentRow(2);                  // E3
    ASSERT_EQ(chosen.size(), 1);
    QTest::mouseClick(Control<QLabel>(u"lblSpace_1"_s), Qt::LeftButton);  // E1, E2, E3
    EXPECT_EQ(panel.CurrentRow(), 3);                                   // E3 again, in its new row
    ASSERT_EQ(chosen.size(), 2);
    EXPECT_EQ(chosen.last().at(0).toString(), u"E3");
}

TEST_F(PanelFixture, FactionClickAnnouncesItselfAndShowsNoUnit) {
    panel.FillMsList(0);
    SetCurrentRow(1);
    QSignalSpy faction(&panel, &MsListPanel::factionChosen);
    QSignalSpy chosen(&panel, &MsListPanel::unitChosen);
    QTest::mouseClick(Control<QRadioButton>(u"optMS_1"_s), Qt::LeftButton);
    EXPECT_EQ(faction.size(), 1);
    EXPECT_EQ(chosen.size(), 0);
    EXPECT_EQ(Keys(), QStringList({u"Z1"_s, u"Z2"_s}));
    QTest::mouseClick(Control<QRadioButton>(u"optMS_2"_s), Qt::LeftButton);
    EXPECT_EQ(Keys().size(), 5);
    EXPECT_EQ(chosen.size(), 0);
}

TEST_F(PanelFixture, EnterInTheKeywordBoxFiltersAndShowsTheCurrentRowsUnit) {
    panel.FillMsList(0);
    SetCurrentRow(3);  // E3
    QSignalSpy chosen(&panel, &MsListPanel::unitChosen);
    auto* keyword = Control<QLineEdit>(u"txtKeyword"_s);
    keyword->setText(u"ジ\u3000改"_s);
    QTest::keyClick(keyword, Qt::Key_Return);
    EXPECT_EQ(keyword->text(), u"ジ 改");
    EXPECT_EQ(Keys(), QStringList({u"E3"_s}));
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.last().at(0).toString(), u"E3");

    keyword->setText(u"該当なし"_s);
    QTest::keyClick(keyword, Qt::Key_Return);
    EXPECT_EQ(panel.RowCount(), 1);
    EXPECT_EQ(chosen.size(), 1);
}

TEST_F(PanelFixture, RowChangeAndFocusChooseTheUnitAndDoubleClickDeploys) {
    panel.resize(792, 285);
    panel.show();
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    panel.FillMsList(2);
    QSignalSpy chosen(&panel, &MsListPanel::unitChosen);
    QSignalSpy deploy(&panel, &MsListPanel::deployRequested);
    SetCurrentRow(4);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.last().at(0).toString(), u"E2");

    Control<QLineEdit>(u"txtKeyword"_s)->setFocus();
    grid->setFocus();
    EXPECT_EQ(chosen.size(), 2);

    // A real double-click: press, release, then the double-click.
    const auto doubleClick = [this](QPoint at) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    };
    doubleClick(grid->visualRect(grid->model()->index(1, 3)).center());
    EXPECT_EQ(deploy.size(), 1);
    EXPECT_EQ(panel.CurrentRow(), 2);
    EXPECT_EQ(chosen.last().at(0).toString(), u"Z2");
    // Below the last row there is no unit to deploy.
    doubleClick(QPoint(10, grid->viewport()->height() - 2));
    EXPECT_EQ(deploy.size(), 1);
}

TEST_F(PanelFixture, ToggleTakesTheFocusFlipsWithSpaceAndLooksOnAtAGlance) {
    panel.show();
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    panel.FillMsList(0);
    auto* box = Control<QLabel>(u"lblSpace_0"_s);
    auto* caption = Control<QLabel>(u"lblSpace_1"_s);
    EXPECT_FALSE(box->toolTip().isEmpty());
    EXPECT_EQ(caption->toolTip(), box->toolTip());
    const QColor offText = caption->palette().color(QPalette::WindowText);

    box->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(box->hasFocus());
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(box->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(box->palette().color(QPalette::Window), QColor(241, 241, 241));
    EXPECT_NE(caption->palette().color(QPalette::WindowText), offText);
    EXPECT_TRUE(caption->font().bold());
    EXPECT_EQ(Keys(), QStringList({u"E1"_s, u"E3"_s}));

    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(box->frameShadow(), QFrame::Plain);
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), offText);
    EXPECT_FALSE(caption->font().bold());
    EXPECT_EQ(Keys(), QStringList({u"E1"_s, u"E2"_s, u"E3"_s}));
}

TEST_F(PanelFixture, HeaderClicksSortUpThenDownAndTheChoiceOutlivesRefills) {
    panel.resize(792, 285);
    panel.show();
    QTest::mouseClick(Control<QRadioButton>(u"optMS_2"_s), Qt::LeftButton);
    const QStringList filled = Keys();
    QHeaderView* header = grid->horizontalHeader();
    const auto clickHeader = [&](int column) {
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    };
    SetCurrentRow(2);  // Z2
    QSignalSpy chosen(&panel, &MsListPanel::unitChosen);

    clickHeader(3);  // names: ガルム グリフォン ザルガ ジェネラル改 オムニス in code order
    EXPECT_EQ(header->sortIndicatorSection(), 3);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    QStringList names;
    for (int r = 1; r < panel.RowCount(); ++r) names << panel.Cell(r, 3);
    QStringList ascending = names;
    std::sort(ascending.begin(), ascending.end());
    EXPECT_EQ(names, ascending);
    // The current row follows its unit and no other unit is chosen.
    EXPECT_EQ(panel.Cell(panel.CurrentRow(), 0), u"Z2"_s);
    EXPECT_EQ(chosen.size(), 0);

    clickHeader(3);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    QStringList descending = ascending;
    std::reverse(descending.begin(), descending.end());
    names.clear();
    for (int r = 1; r < panel.RowCount(); ++r) names << panel.Cell(r, 3);
    EXPECT_EQ(names, descending);

    // Weight: 1 1 2 2 5 ascending, ties in the order the fill gave them.
    clickHeader(2);
    EXPECT_EQ(Keys(), QStringList({u"Z1"_s, u"E1"_s, u"Z2"_s, u"E2"_s, u"E3"_s}));
    EXPECT_EQ(filled, QStringList({u"Z1"_s, u"Z2"_s, u"E1"_s, u"E2"_s, u"E3"_s}));
    QTest::mouseClick(Control<QLabel>(u"lblSpace_1"_s), Qt::LeftButton);
    EXPECT_EQ(Keys(), QStringList({u"E1"_s, u"E3"_s}));
    QTest::mouseClick(Control<QLabel>(u"lblSpace_1"_s), Qt::LeftButton);
    EXPECT_EQ(Keys(), QStringList({u"Z1"_s, u"E1"_s, u"Z2"_s, u"E2"_s, u"E3"_s}));
    EXPECT_EQ(header->sortIndicatorSection(), 2);
}

TEST_F(PanelFixture, EnterOnAUnitRowDeploysAndTheNameColumnTakesTheExtraWidth) {
    panel.resize(792, 285);
    panel.show();
    panel.FillMsList(2);
    QSignalSpy deploy(&panel, &MsListPanel::deployRequested);
    QTest::keyClick(grid, Qt::Key_Return);  // no current row yet
    EXPECT_EQ(deploy.size(), 0);
    SetCurrentRow(1);
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_Enter);
    EXPECT_EQ(deploy.size(), 2);

    QCoreApplication::processEvents();
    const int designed = grid->columnWidth(3);
    EXPECT_GE(designed, 151);
    panel.resize(1092, 285);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->columnWidth(3), designed + 300);
    EXPECT_EQ(grid->columnWidth(2), 32);
    panel.resize(792, 285);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->columnWidth(3), designed);
}

struct ScrollFixture : ::testing::Test {
    std::unique_ptr<clsMsData> catalogue = [] {
        std::vector<ListUnit> units;
        for (int i = 0; i < 60; ++i)
            units.push_back({.no = QString::number(i),
                             .name = u"機"_s + QString::number(i),
                             .weight = QString::number(i)});
        return ListCatalogue(units);
    }();
    MsListPanel panel{*catalogue};
    GridView* grid = panel.findChild<GridView*>(u"grdMsList"_s);
    QScrollBar* bar = grid->verticalScrollBar();

    void SetUp() override {
        panel.resize(792, 285);
        panel.show();
        panel.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
        panel.FillMsList(0);
        QCoreApplication::processEvents();  // the view lays out its scroll range
        ASSERT_GT(bar->maximum(), 5);
    }
};

TEST_F(ScrollFixture, WheelMethodsMoveTheTopRowOnlyWhileTheListHasTheFocus) {
    panel.findChild<QLineEdit*>(u"txtKeyword"_s)->setFocus();
    panel.vbWheelMinus();
    EXPECT_EQ(bar->value(), 0);
    grid->setFocus();
    panel.vbWheelMinus();
    panel.vbWheelMinus();
    EXPECT_EQ(bar->value(), 2);
    panel.vbWheelPlus();
    EXPECT_EQ(bar->value(), 1);
    panel.vbWheelPlus();
    panel.vbWheelPlus();
    EXPECT_EQ(bar->value(), 0);
    panel.vbMButtonUp();
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(ScrollFixture, ShiftOrCtrlLeftPressArmsRightReleaseToScrollOneNotch) {
    QWidget* viewport = grid->viewport();
    const QPoint at(20, 20);
    // Not armed: a right release scrolls nothing.
    QTest::mouseRelease(viewport, Qt::RightButton, Qt::ShiftModifier, at);
    EXPECT_EQ(bar->value(), 0);

    QTest::mousePress(viewport, Qt::LeftButton, Qt::ShiftModifier, at);
    QTest::mouseRelease(viewport, Qt::RightButton, Qt::ShiftModifier, at);
    const int down = bar->value();
    EXPECT_GT(down, 0);
    // Still armed; with Ctrl the notch goes up.
    QTest::mouseRelease(viewport, Qt::RightButton, Qt::ControlModifier, at);
    EXPECT_LT(bar->value(), down);
    // A left release with Shift disarms.
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::ShiftModifier, at);
    const int before = bar->value();
    QTest::mouseRelease(viewport, Qt::RightButton, Qt::ShiftModifier, at);
    EXPECT_EQ(bar->value(), before);
}

// A 256 x 256 picture file whose first row is red and the rest blue.
QByteArray RedTopImg() {
    QByteArray file(144, '\0');
    const char red[8] = {0, 0, char(255), 0, char(255), 0, 0, 0};
    const char two[8] = {0, 0, char(255), 0, 2, 0, 0, 0};
    const char blue[8] = {char(255), 0, 0, 0, char(255), 0, 0, 0};
    file.append(red, 8).append(two, 8);
    for (int i = 0; i < 257; ++i) file.append(blue, 8);
    return file.append(8, '\0');
}

TEST_F(PanelFixture, ShowMsImagePaintsTheChosenPictureOrClearsTheBox) {
    test::TestFolder folder;
    folder.Write(u"Ms_status/GM_01_02.IMG"_s, RedTopImg());
    panel.SetPictureFolder(folder.FilePath(u"Ms_status/"_s));
    const typMsData unit = catalogue->GetMsData(u"E3"_s);  // ms/gm_01_02.img
    auto* picture = Control<QWidget>(u"picImg"_s);
    ASSERT_EQ(picture->size(), QSize(179, 239));

    panel.ShowMsImage(unit, 1, {});
    QImage shown = picture->grab().toImage();
    EXPECT_EQ(shown.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(178, 0), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(1, 1), qRgb(0, 0, 255));

    typMsData missing = unit;
    missing.ImageName = u"none"_s;
    panel.ShowMsImage(missing, 0, {});
    shown = picture->grab().toImage();
    EXPECT_EQ(shown.pixel(0, 0), qRgb(0, 0, 0));

    folder.Write(u"Ms_status/empty.img"_s, QByteArray());
    missing.ImageName = u"empty"_s;
    panel.ShowMsImage(missing, 0, {});
    EXPECT_EQ(picture->grab().toImage().pixel(5, 5), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace velmora
