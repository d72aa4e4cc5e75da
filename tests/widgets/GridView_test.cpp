#include "widgets/GridView.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QHeaderView>
#include <QStandardItemModel>

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

struct GridFixture : ::testing::Test {
    QStandardItemModel model{2, 3};
    GridView grid;

    void SetUp() override {
        model.setItem(0, 0, new QStandardItem(u"短い"_s));
        model.setItem(0, 1, new QStandardItem(u"とても長い名前の機体・ＮＴ専用改"_s));
        model.item(0, 1)->setToolTip(u"予告"_s);
        model.setItem(1, 1, new QStandardItem(u"もっと長い名前の機体・ＮＴ専用改"_s));
        grid.setModel(&model);
        for (int c = 0; c < 3; ++c) grid.setColumnWidth(c, 40);
        grid.horizontalHeader()->setStretchLastSection(false);
        grid.resize(300, 120);
        grid.show();
        QApplication::processEvents();
    }
};

TEST_F(GridFixture, CutCellShowsItsWholeTextThenTheModelsTooltip) {
    const QModelIndex shortCell = model.index(0, 0);
    const QModelIndex cut = model.index(0, 1);
    EXPECT_FALSE(grid.IsCut(shortCell));
    EXPECT_TRUE(grid.IsCut(cut));
    EXPECT_EQ(grid.CellToolTip(cut), u"とても長い名前の機体・ＮＴ専用改\n予告"_s);
    EXPECT_EQ(grid.CellToolTip(model.index(1, 1)), u"もっと長い名前の機体・ＮＴ専用改"_s);
    EXPECT_EQ(grid.CellToolTip(shortCell), QString());
    // Wide enough, the cell shows only the model's own tooltip.
    grid.setColumnWidth(1, 400);
    EXPECT_FALSE(grid.IsCut(cut));
    EXPECT_EQ(grid.CellToolTip(cut), u"予告"_s);
}

TEST_F(GridFixture, FillColumnTakesTheFreeWidthButNeverLessThanItsOwn) {
    grid.setColumnHidden(2, true);
    grid.SetFillColumn(1);
    const int free = grid.viewport()->width() - 40;
    EXPECT_EQ(grid.columnWidth(1), free);
    grid.resize(500, 120);
    QApplication::processEvents();
    EXPECT_EQ(grid.columnWidth(1), free + 200);
    // Another column widened by the user takes its room from the fill column.
    grid.setColumnWidth(0, 100);
    EXPECT_EQ(grid.columnWidth(1), free + 140);
    grid.resize(60, 120);
    QApplication::processEvents();
    EXPECT_EQ(grid.columnWidth(1), 40);
    EXPECT_FALSE(grid.tabKeyNavigation());
}

}  // namespace
}  // namespace velmora
