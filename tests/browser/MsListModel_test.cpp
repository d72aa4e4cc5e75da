#include "browser/MsListModel.h"
#include "ListCatalogue.h"
#include "browser/MsListSort.h"

#include <QAbstractItemModelTester>
#include <algorithm>
#include <functional>
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

using test::ListCatalogue;
using test::ListUnit;

QStringList Column(const MsListModel& model, int column) {
    QStringList cells;
    for (int r = 0; r < model.rowCount(); ++r) cells << model.index(r, column).data().toString();
    return cells;
}

MsListFilter AllFactions() {
    MsListFilter filter;
    filter.SetArmyIndex(2);
    return filter;
}

TEST(MsListModel, ListsByFactionMarkThenWeightByValueThenName) {
    const auto catalogue = ListCatalogue({
        {.no = u"1"_s, .name = u"ヴェルデ"_s, .weight = u"10"_s},
        {.no = u"2"_s, .name = u"ザルガ"_s, .army = u"ZEON"_s, .weight = u"9"_s},
        {.no = u"3"_s, .name = u"モルガン"_s, .weight = u"9"_s},
        {.no = u"4"_s, .name = u"アルバ"_s, .army = u"ZEON"_s, .weight = u"12"_s},
        {.no = u"5"_s, .name = u"ガルム"_s, .weight = u"9"_s},
        {.no = u"6"_s, .name = u"謎"_s, .army = u"efsf"_s, .weight = u"1"_s},
    });
    MsListModel model(*catalogue);
    model.Fill(AllFactions());
    EXPECT_EQ(Column(model, Col(MsListModel::Column::MsNo)),
              QStringList({u"2"_s, u"4"_s, u"5"_s, u"3"_s, u"1"_s}));
    EXPECT_EQ(Column(model, Col(MsListModel::Column::Army)),
              QStringList({u"ジ"_s, u"ジ"_s, u"連"_s, u"連"_s, u"連"_s}));
}

TEST(MsListModel, RowsWithEqualKeysKeepFileOrderAndTextWeightsFollowNumbers) {
    const auto catalogue = ListCatalogue({
        {.no = u"a"_s, .name = u"同名"_s, .weight = u"nd"_s},
        {.no = u"b"_s, .name = u"同名"_s, .weight = u"5"_s},
        {.no = u"c"_s, .name = u"同名"_s, .weight = u"5"_s},
        {.no = u"d"_s, .name = u"同名"_s, .weight = u"5"_s},
    });
    MsListModel model(*catalogue);
    model.Fill(AllFactions());
    EXPECT_EQ(Column(model, Col(MsListModel::Column::MsNo)),
              QStringList({u"b"_s, u"c"_s, u"d"_s, u"a"_s}));
}

TEST(MsListModel, ToolTip_isThePreviewOfTheRowsOwnUnit_askedOnlyWhenShown) {
    const auto catalogue = ListCatalogue({{.no = u"1"_s, .name = u"ヴェルデ"_s, .weight = u"10"_s},
                                          {.no = u"3"_s, .name = u"モルガン"_s, .weight = u"9"_s}});
    MsListModel model(*catalogue);
    model.Fill(AllFactions());
    EXPECT_FALSE(model.index(0, Col(MsListModel::Column::MsName)).data(Qt::ToolTipRole).isValid());

    int asked = 0;
    model.SetPreview([&asked](const typMsData& unit) {
        ++asked;
        return u"配備すると " + unit.MsName;
    });
    model.Fill(AllFactions());
    EXPECT_EQ(asked, 0);
    // The list puts the lighter unit first; every cell of a row previews the same unit.
    EXPECT_EQ(model.index(0, Col(MsListModel::Column::Weight)).data(Qt::ToolTipRole).toString(),
              u"配備すると モルガン"_s);
    EXPECT_EQ(model.index(1, Col(MsListModel::Column::Repair)).data(Qt::ToolTipRole).toString(),
              u"配備すると ヴェルデ"_s);
    EXPECT_EQ(asked, 2);
}

TEST(MsListModel, CellsHeadersAlignmentsAndWidthsFollowTheDesign) {
    const auto catalogue = ListCatalogue({{.no = u"7"_s,
                                           .name = u"ヴェルデ"_s,
                                           .weight = u"8"_s,
                                           .move = u"宇宙2"_s,
                                           .category = u"一N"_s,
                                           .shield = u"○"_s}});
    MsListModel model(*catalogue);
    model.Fill(AllFactions());
    ASSERT_EQ(model.rowCount(), 1);
    const QStringList cells = [&] {
        QStringList row;
        for (int c = 0; c < MsListModel::kColumnCount; ++c)
            row << model.index(0, c).data().toString();
        return row;
    }();
    EXPECT_EQ(cells, QStringList({u"7"_s, u"連"_s, u"8"_s, u"ヴェルデ"_s, u"4"_s, u"100"_s, u"5"_s,
                                  u"20"_s, u"10"_s, u"宇宙2"_s, u"一機・ＮＴ"_s, u"30"_s, u"○"_s,
                                  u"2"_s}));
    QStringList headers;
    for (int c = 0; c < MsListModel::kColumnCount; ++c) {
        headers << model.headerData(c, Qt::Horizontal).toString();
        EXPECT_EQ(model.headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
                  int(Qt::AlignVCenter | Qt::AlignHCenter));
    }
    EXPECT_EQ(headers, QStringList({QString(), u"軍"_s, u"搭載"_s, u"機体名称"_s, u"補給"_s,
                                    u"ＨＰ"_s, u"装甲"_s, u"回避"_s, u"先制"_s, u"移動"_s,
                                    u"制限"_s, u"修理"_s, u"盾"_s, u"TEC"_s}));
    const auto align = [&](int c) { return model.index(0, c).data(Qt::TextAlignmentRole); };
    EXPECT_EQ(align(Col(MsListModel::Column::Army)).toInt(),
              int(Qt::AlignVCenter | Qt::AlignHCenter));
    EXPECT_EQ(align(Col(MsListModel::Column::Weight)).toInt(),
              int(Qt::AlignVCenter | Qt::AlignRight));
    EXPECT_EQ(align(Col(MsListModel::Column::MsName)).toInt(),
              int(Qt::AlignVCenter | Qt::AlignLeft));
    EXPECT_EQ(align(Col(MsListModel::Column::Shield)).toInt(),
              int(Qt::AlignVCenter | Qt::AlignHCenter));
    EXPECT_FALSE(align(Col(MsListModel::Column::Hp)).isValid());
    EXPECT_EQ(MsListModel::ColumnWidthTwips(Col(MsListModel::Column::MsNo)), 0);
    EXPECT_EQ(MsListModel::ColumnWidthTwips(Col(MsListModel::Column::MsName)), 2265);
    EXPECT_EQ(MsListModel::ColumnWidthTwips(Col(MsListModel::Column::Tec)), 480);
}

TEST(MsListModel, RefillsStayConsistentUnderTheModelTester) {
    std::vector<ListUnit> units;
    for (int i = 0; i < 40; ++i) {
        units.push_back({.no = QString::number(i),
                         .name = u"機体"_s + QString::number(i),
                         .army = i % 3 ? u"EFSF"_s : u"ZEON"_s,
                         .weight = QString::number(i % 7),
                         .move = i % 2 ? u"地上3"_s : u"宇宙2"_s});
    }
    const auto catalogue = ListCatalogue(units);
    MsListModel model(*catalogue);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    MsListFilter filter = AllFactions();
    model.Fill(filter);
    EXPECT_EQ(model.rowCount(), 40);
    filter.SetToggle(ListToggle::Space, true);
    model.Fill(filter);
    EXPECT_EQ(model.rowCount(), 20);
    filter.SetKeyword(u"機体1"_s);
    model.Fill(filter);
    EXPECT_EQ(Column(model, Col(MsListModel::Column::MsNo)).size(), 5);  // 10, 12, 14, 16, 18
    filter.SetKeyword(u"ない"_s);
    model.Fill(filter);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.CatalogueRow(0), -1);
}

TEST(MsListModel, EveryFilterSettingListsExactlyTheRowsThatPassInListOrder) {
    const QStringList moves = {u"地上3"_s, u"宇宙2"_s, u"汎用1"_s, u"地1"_s,
                               u"宇"_s,    u"海4"_s,   QString()};
    const QStringList categories = {u"－"_s,   u"限定"_s, u"専用"_s, u"一機"_s,
                                    u"二機"_s, u"一N"_s,  u"特"_s};
    const QStringList armies = {u"EFSF"_s, u"ZEON"_s, u"OTHER"_s};
    std::vector<ListUnit> units;
    for (int i = 0; i < 63; ++i) {
        units.push_back({.no = QString::number(i),
                         .name = (i % 2 ? u"ザルガ"_s : u"ｼﾞﾑ"_s) + QString::number(i % 5) +
                                 (i % 4 == 0 ? u"☆"_s : QString()),
                         .army = armies[i % 3],
                         .weight = QString::number(i % 4),
                         .move = moves[i % 7],
                         .category = categories[(i / 7) % 7]});
    }
    const auto catalogue = ListCatalogue(units);
    const std::vector<int> order = MsListSort(*catalogue).Presort();
    MsListModel model(*catalogue);
    for (const QString& keyword : {QString(), u"ヴェルデ ３"_s, u"ザルガ"_s}) {
        for (int army = 0; army < 3; ++army) {
            for (int toggles = 0; toggles < (1 << kListToggleCount); ++toggles) {
                MsListFilter filter;
                filter.SetArmyIndex(army);
                filter.SetKeyword(keyword);
                for (int t = 0; t < kListToggleCount; ++t)
                    filter.SetToggle(ListToggle(t), toggles & (1 << t));
                std::vector<int> expected;
                for (int row : order) {
                    if (filter.Passes(catalogue->Record(row), catalogue->get配備名(row)))
                        expected.push_back(row);
                }
                model.Fill(filter);
                std::vector<int> listed;
                for (int r = 0; r < model.rowCount(); ++r) listed.push_back(model.CatalogueRow(r));
                ASSERT_EQ(listed, expected)
                    << keyword.toStdString() << " " << army << " " << toggles;
            }
        }
    }
}

TEST(MsListModel, EmptyCatalogueGivesAnEmptyList) {
    clsMsData catalogue;
    MsListModel model(catalogue);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.Fill(AllFactions());
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(MsListModel, KeywordResultFollowsAReloadOfTheSameCatalogue) {
    clsMsData catalogue;
    const auto bytes = [](const QString& name) {
        return (u"header\r\n"_s + test::ListLine({.no = u"1"_s, .name = name}) + u"\r\n"_s)
            .toUtf8();
    };
    ASSERT_TRUE(catalogue.LoadFromBytes(bytes(u"ヴェルデ"_s)).ok());
    MsListModel model(catalogue);
    MsListFilter filter = AllFactions();
    filter.SetKeyword(u"ザルガ"_s);
    model.Fill(filter);
    EXPECT_EQ(model.rowCount(), 0);
    // Same size, so the records may well land where the old ones were.
    ASSERT_TRUE(catalogue.LoadFromBytes(bytes(u"ザルガ"_s)).ok());
    model.Fill(filter);
    EXPECT_EQ(Column(model, Col(MsListModel::Column::MsNo)), QStringList({u"1"_s}));
}

TEST(MsListModel, OrderFollowsACatalogueLoadedAfterTheModelWasMade) {
    clsMsData catalogue;
    MsListModel model(catalogue);
    model.Fill(AllFactions());
    const auto loaded = ListCatalogue({{.no = u"1"_s, .name = u"b"_s, .weight = u"2"_s},
                                       {.no = u"2"_s, .name = u"a"_s, .weight = u"1"_s}});
    catalogue = *loaded;
    model.Fill(AllFactions());
    EXPECT_EQ(Column(model, Col(MsListModel::Column::MsNo)), QStringList({u"2"_s, u"1"_s}));
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// Weights 10, 9, 10, 12 and 2 in file order: by value 2 < 9 < 10 = 10 < 12.
std::unique_ptr<clsMsData> SortCatalogue() {
    return test::ListCatalogue({
        {.no = u"A"_s, .name = u"アルファ"_s, .weight = u"10"_s},
        {.no = u"B"_s, .name = u"ベータ"_s, .weight = u"9"_s},
        {.no = u"C"_s, .name = u"ガンマ"_s, .weight = u"10"_s},
        {.no = u"D"_s, .name = u"デルタ"_s, .weight = u"12"_s},
        {.no = u"E"_s, .name = u"イプシロン"_s, .army = u"ZEON"_s, .weight = u"2"_s},
    });
}

TEST(MsListModelSort, ColumnSortsByValueBothWaysAndEqualCellsKeepTheFillsOrder) {
    const auto catalogue = SortCatalogue();
    MsListModel model(*catalogue);
    QAbstractItemModelTester tester(&model);
    model.Fill(AllFactions());
    // The fill's own order: faction mark, then weight.
    const QStringList filled = Column(model, Col(MsListModel::Column::MsNo));
    EXPECT_EQ(model.SortColumn(), -1);

    model.sort(Col(MsListModel::Column::Weight), Qt::AscendingOrder);
    EXPECT_EQ(Column(model, Col(MsListModel::Column::Weight)),
              (QStringList{u"2"_s, u"9"_s, u"10"_s, u"10"_s, u"12"_s}));
    const qsizetype a = Column(model, Col(MsListModel::Column::MsNo)).indexOf(u"A"_s);
    const qsizetype c = Column(model, Col(MsListModel::Column::MsNo)).indexOf(u"C"_s);
    EXPECT_EQ(a < c, filled.indexOf(u"A"_s) < filled.indexOf(u"C"_s));

    model.sort(Col(MsListModel::Column::Weight), Qt::DescendingOrder);
    EXPECT_EQ(Column(model, Col(MsListModel::Column::Weight)),
              (QStringList{u"12"_s, u"10"_s, u"10"_s, u"9"_s, u"2"_s}));
    // Ties keep their order in the descending sort too.
    EXPECT_EQ(Column(model, Col(MsListModel::Column::MsNo)).indexOf(u"A"_s) <
                  Column(model, Col(MsListModel::Column::MsNo)).indexOf(u"C"_s),
              a < c);
}

TEST(MsListModelSort, ChosenColumnSortsTheRowsOfANewLoadByTheirOwnCells) {
    clsMsData catalogue = *SortCatalogue();
    MsListModel model(catalogue);
    model.Fill(AllFactions());
    model.sort(Col(MsListModel::Column::Weight), Qt::AscendingOrder);
    // More rows than before, with other weights: the keys of the old load would not do.
    catalogue = *test::ListCatalogue({
        {.no = u"P"_s, .name = u"ピー"_s, .weight = u"30"_s},
        {.no = u"Q"_s, .name = u"キュー"_s, .weight = u"nd"_s},
        {.no = u"R"_s, .name = u"アール"_s, .weight = u"-1"_s},
        {.no = u"S"_s, .name = u"エス"_s, .weight = u"7"_s},
        {.no = u"T"_s, .name = u"ティー"_s, .weight = u"7.5"_s},
        {.no = u"U"_s, .name = u"ユー"_s, .weight = u"2"_s},
    });
    model.Fill(AllFactions());
    EXPECT_EQ(Column(model, Col(MsListModel::Column::MsNo)),
              (QStringList{u"R"_s, u"U"_s, u"S"_s, u"T"_s, u"P"_s, u"Q"_s}));
}

TEST(MsListModelSort, HeaderClickAfterANewLoad_waitsForTheFillInsteadOfSortingRowsOfTheOldOne) {
    clsMsData catalogue = *SortCatalogue();
    MsListModel model(catalogue);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.Fill(AllFactions());
    // Fewer rows than the list holds: the old rows have no keys in the new load.
    catalogue = *test::ListCatalogue({{.no = u"X"_s, .name = u"エックス"_s, .weight = u"4"_s},
                                      {.no = u"Y"_s, .name = u"ワイ"_s, .weight = u"3"_s}});
    model.sort(Col(MsListModel::Column::Weight), Qt::DescendingOrder);
    EXPECT_EQ(model.SortColumn(), int(Col(MsListModel::Column::Weight)));
    model.Fill(AllFactions());
    EXPECT_EQ(Column(model, Col(MsListModel::Column::MsNo)), (QStringList{u"X"_s, u"Y"_s}));
}

TEST(MsListModelSort, ChosenColumnStaysInForceAcrossRefillsWithOtherFilters) {
    const auto catalogue = SortCatalogue();
    MsListModel model(*catalogue);
    model.Fill(AllFactions());
    model.sort(Col(MsListModel::Column::MsName), Qt::DescendingOrder);
    MsListFilter federation;
    federation.SetArmyIndex(0);
    model.Fill(federation);
    QStringList names = Column(model, Col(MsListModel::Column::MsName));
    QStringList expected = names;
    std::sort(expected.begin(), expected.end(), std::greater<>());
    EXPECT_EQ(names, expected);
    EXPECT_EQ(names.size(), 4);
    EXPECT_EQ(model.SortColumn(), int(Col(MsListModel::Column::MsName)));
    EXPECT_EQ(model.SortOrder(), Qt::DescendingOrder);
}

TEST(MsListModelSort, PersistentIndexFollowsItsUnitAndHeadersExplainThemselves) {
    const auto catalogue = SortCatalogue();
    MsListModel model(*catalogue);
    model.Fill(AllFactions());
    const int row = int(Column(model, Col(MsListModel::Column::MsNo)).indexOf(u"B"_s));
    const QPersistentModelIndex kept = model.index(row, Col(MsListModel::Column::MsName));
    model.sort(Col(MsListModel::Column::Weight), Qt::DescendingOrder);
    ASSERT_TRUE(kept.isValid());
    EXPECT_EQ(model.index(kept.row(), Col(MsListModel::Column::MsNo)).data().toString(), u"B"_s);
    EXPECT_EQ(kept.column(), int(Col(MsListModel::Column::MsName)));

    for (int c = Col(MsListModel::Column::Army); c < MsListModel::kColumnCount; ++c) {
        EXPECT_FALSE(model.headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString().isEmpty())
            << c;
        EXPECT_EQ(model.headerData(c, Qt::Horizontal, Qt::InitialSortOrderRole).toInt(),
                  int(Qt::AscendingOrder));
    }
}

}  // namespace
}  // namespace velmora
