#include "browser/MsListSort.h"

#include "browser/MsListModel.h"
#include "catalogue/NumberText.h"
#include "support/QtPrinters.h"
#include "support/UnitLine.h"

#include <gtest/gtest.h>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <numeric>
#include <vector>

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

using Field = test::Col;
using test::UnitLine;

// The order the list has always had, worked out the slow way from each cell's text: a cell is a
// number when its whole text is one and then compares by value, any other cell compares as
// text, and numbers come first.
struct ReferenceKey {
    bool numeric;
    double value;
    QString text;
};

ReferenceKey Key(const clsMsData& catalogue, int row, int column) {
    const QString cell = MsListModel::CellText(catalogue, row, column);
    const bool numeric = num::IsNumeric(cell);
    return {numeric, numeric ? num::Val(cell) : 0.0, cell};
}

bool Less(const ReferenceKey& a, const ReferenceKey& b) {
    if (a.numeric && b.numeric) return a.value < b.value;
    if (a.numeric != b.numeric) return a.numeric;
    return a.text.compare(b.text) < 0;
}

// The fill's order: the stable sort by columns 1 to 13 in turn.
std::vector<int> ReferencePresort(const clsMsData& catalogue) {
    std::vector<int> rows(static_cast<size_t>(catalogue.UnitCount()));
    std::iota(rows.begin(), rows.end(), 1);
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        for (int column = 1; column < MsListModel::kColumnCount; ++column) {
            const ReferenceKey keyA = Key(catalogue, a, column);
            const ReferenceKey keyB = Key(catalogue, b, column);
            if (Less(keyA, keyB)) return true;
            if (Less(keyB, keyA)) return false;
        }
        return false;
    });
    return rows;
}

// A header's order: the stable sort by the column, reversed when descending, with the cells
// that are not numbers last in either direction.
std::vector<int> ReferenceSort(const clsMsData& catalogue, std::vector<int> rows, int column,
                               bool descending) {
    const auto key = [&](int row) { return Key(catalogue, row, column); };
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        return descending ? Less(key(b), key(a)) : Less(key(a), key(b));
    });
    std::stable_partition(rows.begin(), rows.end(), [&](int row) { return key(row).numeric; });
    return rows;
}

// A catalogue whose every list column has ties, "nd" and empty cells, negative, fractional and
// exponent figures, full-width digits and texts that are numbers; names that share long
// beginnings, end inside one another, repeat, read as numbers, or hold characters beyond the
// surrogates and beyond the basic plane; and exact copies of units. Enough names share their
// beginning for the large-group path of the name sort. UTF-8, so that any character fits.
clsMsData OddCatalogue() {
    // Separated by "|", since some cells hold blanks.
    const QStringList numbers =
        u"10|9|08|-3|2.5|-0.5|1e1|+4|-0|0|nd| 7|1.|.5|１２|123456789012345|1234567890123456"_s
            .split(u'|');
    const QStringList weights = numbers + QStringList{u"--"_s, u"－"_s, u"ｎｄ"_s, u"9a"_s};
    const QStringList tecs = {u"Ａ"_s, u"B"_s, u"2"_s,  u"１２"_s, u"nd"_s,
                              u"10"_s, u"😀"_s, u"-1"_s, u"ｱ"_s};
    const QStringList moves = {u"地上3"_s, u"宇宙4"_s, u"汎用2"_s, u"宇"_s,    u"3"_s,
                               u"-3"_s,    u"nd"_s,    u"水陸x"_s, u"地上10"_s};
    const QStringList categories = {u"－"_s,   u"限定"_s, u"専用"_s, u"一機"_s,
                                    u"二機"_s, u"一N"_s,  u"特"_s,   u"nd"_s};
    const QStringList armies = {u"EFSF"_s, u"ZEON"_s, u"OTHER"_s, u"EFSF"_s, u"ZEON"_s};
    const QStringList names =
        u"ヴェルデ|ヴェルデ試作|ヴェルデ試作1号機|ヴェルデ試作1号機改|ヴェルデ試作10号機|ＧＭ|ｼﾞﾑ|"
        u"123|-4.5|08|8| 7|１２|😀|！|a|ab|abc|abd|nd"_s.split(u'|');
    QStringList lines;
    for (int i = 0; i < 640; ++i) {
        // Every fifth unit is a copy of the one before, but for its number.
        const int u = i % 5 == 4 ? i - 1 : i;
        const auto pick = [u](const QStringList& list, int stride) {
            return list[(u * stride + u / 7) % list.size()];
        };
        const QString name = u % 3 ? pick(names, 7)
                                   : u"ヴェルデ試作"_s + QString::number(u * 7919 % 1000) +
                                         (u % 2 ? u"号機～改"_s : u"号機"_s);
        lines << UnitLine({{Field::MsNo, QString::number(i)},
                           {Field::Army, pick(armies, 3)},
                           {Field::Name, name},
                           {Field::Weight, pick(weights, 5)},
                           {Field::Supply, pick(numbers, 3)},
                           {Field::Hp, pick(numbers, 11)},
                           {Field::Armor, pick(numbers, 2)},
                           {Field::Away, pick(numbers, 13)},
                           {Field::Preemptive, pick(numbers, 5)},
                           {Field::Move, pick(moves, 4)},
                           {Field::Category, pick(categories, 3)},
                           {Field::Repair, pick(numbers, 7)},
                           {Field::Shield, u % 4 ? u"－"_s : u"○"_s},
                           {Field::Tec, pick(tecs, 2)}});
    }
    clsMsData catalogue;
    const QByteArray bytes = "\xEF\xBB\xBF" + test::CatalogueText(lines).toUtf8();
    EXPECT_TRUE(catalogue.LoadFromBytes(bytes).ok());
    return catalogue;
}

TEST(MsListSort, FillOrderAndEveryHeaderInBothDirections_matchTheOrderWorkedOutFromTheCells) {
    const clsMsData catalogue = OddCatalogue();
    ASSERT_EQ(catalogue.UnitCount(), 640);
    MsListSort sort(catalogue);
    const std::vector<int> filled = sort.Presort();
    ASSERT_EQ(filled, ReferencePresort(catalogue));
    for (int column = 0; column < MsListModel::kColumnCount; ++column) {
        for (const bool descending : {false, true}) {
            std::vector<int> rows = filled;
            sort.SortRows(rows, column, descending);
            EXPECT_EQ(rows, ReferenceSort(catalogue, filled, column, descending))
                << "column " << column << (descending ? " descending" : " ascending");
        }
    }
    // A header sorts the rows as they stand: a second column keeps the first one's order in
    // its ties, and a part of the list sorts on its own.
    std::vector<int> rows = filled;
    sort.SortRows(rows, Col(MsListModel::Column::Tec), true);
    const std::vector<int> byTec = rows;
    sort.SortRows(rows, Col(MsListModel::Column::Move), false);
    EXPECT_EQ(rows, ReferenceSort(catalogue, byTec, Col(MsListModel::Column::Move), false));
    const std::vector<int> part(filled.begin() + 100, filled.begin() + 130);
    rows = part;
    sort.SortRows(rows, Col(MsListModel::Column::MsName), false);
    EXPECT_EQ(rows, ReferenceSort(catalogue, part, Col(MsListModel::Column::MsName), false));
}

TEST(MsListSort, EmptyCatalogue_givesNoRowsAndSortsNothing) {
    const clsMsData catalogue;
    MsListSort sort(catalogue);
    EXPECT_TRUE(sort.Presort().empty());
    std::vector<int> rows;
    sort.SortRows(rows, Col(MsListModel::Column::MsName), true);
    EXPECT_TRUE(rows.empty());
}

}  // namespace
}  // namespace velmora
