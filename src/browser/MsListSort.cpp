#include "browser/MsListSort.h"

#include "browser/MsListModel.h"
#include "catalogue/NumberText.h"
#include "catalogue/clsMsData.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <optional>
#include <utility>

namespace velmora {

namespace {

using Column = MsListModel::Column;

constexpr int kFirstKey = Col(Column::Army);
// The fill's first keys (faction mark, weight, name), which tell most rows apart.
constexpr int kLeadKeys = 3;

// The value of a cell that is one number by the program's number conventions; none for any
// other cell.
std::optional<double> NumberIn(QStringView cell) {
    // Most figures are short whole numbers: their digits give the value exactly, without the
    // conversion that a fraction, an exponent or blanks need.
    const qsizetype size = cell.size();
    if (size > 0 && size <= 15) {
        const bool negative = cell[0] == u'-';
        qsizetype i = negative || cell[0] == u'+' ? 1 : 0;
        if (i < size) {
            long long value = 0;
            for (; i < size && cell[i] >= u'0' && cell[i] <= u'9'; ++i)
                value = value * 10 + (cell[i].unicode() - u'0');
            if (i == size) return double(negative ? -value : value);
        }
    }
    // A number starts, after blanks, with a sign, a digit or a point: names, marks and "nd" are
    // told apart here without a copy.
    qsizetype start = 0;
    while (start < size && (cell[start] == u' ' || cell[start] == u'\t')) ++start;
    if (start == size) return std::nullopt;
    const char16_t first = cell[start].unicode();
    if (first != u'+' && first != u'-' && first != u'.' && (first < u'0' || first > u'9'))
        return std::nullopt;
    const QString text = cell.toString();
    if (!num::IsNumeric(text)) return std::nullopt;
    return num::Val(text);
}

// A cell to rank as text, with a few of its characters as one integer.
struct TextItem {
    std::uint64_t chunk;
    int cell;
};

constexpr qsizetype kChunkUnits = 3;

// kChunkUnits UTF-16 units of text from `at` as one integer that orders as the texts do, since
// QString compares texts by their UTF-16 units: each unit counts as its code plus one in 17 bits,
// the end of the text as 0.
std::uint64_t Chunk(QStringView text, qsizetype at) {
    std::uint64_t chunk = 0;
    const char16_t* unit = text.utf16();
    if (at + kChunkUnits <= text.size()) {  // the usual case, without a test per unit
        for (qsizetype i = at; i < at + kChunkUnits; ++i) chunk = chunk << 17 | (unit[i] + 1u);
        return chunk;
    }
    for (qsizetype i = at; i < at + kChunkUnits; ++i)
        chunk = chunk << 17 | (i < text.size() ? unit[i] + 1u : 0u);
    return chunk;
}

// A chunk that ends with the end of the text: texts that share it are equal.
bool Ends(std::uint64_t chunk) { return (chunk & 0x1FFFF) == 0; }

constexpr int kChunkBytes = (17 * kChunkUnits + 7) / 8;

// Sorts items by their chunks. A large group goes by one byte of the chunks at a time from the
// lowest, skipping the bytes that all of them share: names differ in a few characters, mostly
// in their low bytes.
void SortByChunk(TextItem* first, TextItem* last, std::vector<TextItem>& buffer) {
    const size_t size = size_t(last - first);
    if (size < 256) {
        std::sort(first, last,
                  [](const TextItem& a, const TextItem& b) { return a.chunk < b.chunk; });
        return;
    }
    std::array<std::array<std::uint32_t, 256>, kChunkBytes> counts{};
    for (const TextItem* item = first; item != last; ++item)
        for (int byte = 0; byte < kChunkBytes; ++byte)
            ++counts[size_t(byte)][item->chunk >> (8 * byte) & 0xFF];
    buffer.resize(size);
    TextItem* from = first;
    TextItem* to = buffer.data();
    for (int byte = 0; byte < kChunkBytes; ++byte) {
        std::array<std::uint32_t, 256>& next = counts[size_t(byte)];
        if (next[from->chunk >> (8 * byte) & 0xFF] == size) continue;
        std::uint32_t sum = 0;
        for (std::uint32_t& count : next) sum += std::exchange(count, sum);
        for (const TextItem* item = from; item != from + size; ++item)
            to[next[item->chunk >> (8 * byte) & 0xFF]++] = *item;
        std::swap(from, to);
    }
    if (from != first) std::copy(from, from + size, first);
}

// Sorts texts as QString::compare orders them and marks the ones equal to the text before them.
// Each group of texts is split by a chunk of characters at a time, after the characters that all of
// it shares, so that names sharing a long beginning cost little more than short ones.
void SortTexts(const std::vector<QStringView>& cells, std::vector<TextItem>& items,
               std::vector<char>& tiesPrevious) {
    tiesPrevious.assign(items.size(), 0);
    struct Group {
        size_t begin;
        size_t end;
        qsizetype depth;  // characters that the group's texts share
    };
    std::vector<Group> groups;
    std::vector<TextItem> buffer;
    if (items.size() > 1) groups.push_back({0, items.size(), 0});
    while (!groups.empty()) {
        auto [begin, end, depth] = groups.back();
        groups.pop_back();
        const QStringView first = cells[size_t(items[begin].cell)];
        qsizetype shared = first.size();
        for (size_t i = begin + 1; i < end && shared > depth; ++i) {
            const QStringView text = cells[size_t(items[i].cell)];
            const qsizetype limit = std::min(shared, text.size());
            qsizetype k = depth;
            while (k < limit && text[k] == first[k]) ++k;
            shared = k;
        }
        depth = shared;
        for (size_t i = begin; i < end; ++i)
            items[i].chunk = Chunk(cells[size_t(items[i].cell)], depth);
        SortByChunk(items.data() + begin, items.data() + end, buffer);
        for (size_t start = begin; start < end;) {
            size_t stop = start + 1;
            while (stop < end && items[stop].chunk == items[start].chunk) ++stop;
            if (stop - start > 1) {
                if (Ends(items[start].chunk))
                    std::fill(tiesPrevious.begin() + std::ptrdiff_t(start + 1),
                              tiesPrevious.begin() + std::ptrdiff_t(stop), 1);
                else
                    groups.push_back({start, stop, depth + kChunkUnits});
            }
            start = stop;
        }
    }
}

// The places of distinct cells in their ascending order: equal cells share one, numbers by
// value take the first ones, the other cells follow as texts.
struct RankedCells {
    std::vector<int> placeOf;
    int numbers = 0;
    int count = 0;
};

RankedCells RankCells(const std::vector<QStringView>& cells) {
    RankedCells ranked;
    ranked.placeOf.resize(cells.size());
    std::vector<std::pair<double, int>> numbers;
    std::vector<TextItem> texts;
    texts.reserve(cells.size());
    for (size_t cell = 0; cell < cells.size(); ++cell) {
        if (const std::optional<double> value = NumberIn(cells[cell]))
            numbers.emplace_back(*value, int(cell));
        else
            texts.push_back({0, int(cell)});
    }
    std::sort(numbers.begin(), numbers.end());
    int place = -1;
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (i == 0 || numbers[i - 1].first < numbers[i].first) ++place;
        ranked.placeOf[size_t(numbers[i].second)] = place;
    }
    ranked.numbers = place + 1;
    std::vector<char> tiesPrevious;
    SortTexts(cells, texts, tiesPrevious);
    for (size_t i = 0; i < texts.size(); ++i) {
        if (!tiesPrevious[i]) ++place;
        ranked.placeOf[size_t(texts[i].cell)] = place;
    }
    ranked.count = place + 1;
    return ranked;
}

// The rows grouped by an id that is equal where their cells are: per row its group, and one
// row of each group.
struct RowGroups {
    std::vector<int> ofRow;  // entry 0 unused
    std::vector<int> firstRow;
};

template <typename IdOf>
RowGroups GroupRows(int units, size_t ids, IdOf idOf) {
    RowGroups groups;
    groups.ofRow.resize(size_t(units) + 1);
    std::vector<int> groupOfId(ids, -1);
    for (int row = 1; row <= units; ++row) {
        int& group = groupOfId[size_t(idOf(row))];
        if (group < 0) {
            group = int(groups.firstRow.size());
            groups.firstRow.push_back(row);
        }
        groups.ofRow[size_t(row)] = group;
    }
    return groups;
}

// The rows grouped by their cells in a column whose cells come from the shared texts or the
// faction and shield marks.
RowGroups GroupRowsByCell(const clsMsData& catalogue, int column) {
    const UnitStore& units = catalogue.Units();
    const int count = units.UnitCount();
    const auto byText = [&](UnitText text) {
        return GroupRows(count, size_t(units.TextCount()),
                         [&](int row) { return units.TextId(row, text); });
    };
    switch (Column(column)) {
        case Column::Army:
            return GroupRows(count, 256, [&](int row) { return units.Army(row) & 0xFF; });
        case Column::Shield:
            return GroupRows(count, 2, [&](int row) { return units.Shield(row) ? 1 : 0; });
        case Column::Move: {
            // The move type and the move value together: few pairs recur.
            QHash<quint64, int> pairs;
            return GroupRows(count, size_t(count), [&](int row) {
                const quint64 pair = quint64(units.TextId(row, UnitText::MoveType)) << 32 |
                                     units.TextId(row, UnitText::Move);
                auto it = pairs.constFind(pair);
                if (it == pairs.constEnd()) it = pairs.insert(pair, int(pairs.size()));
                return *it;
            });
        }
        case Column::Weight:
            return byText(UnitText::Weight);
        case Column::Supply:
            return byText(UnitText::Supply);
        case Column::Hp:
            return byText(UnitText::Hp);
        case Column::Armor:
            return byText(UnitText::Armor);
        case Column::AwayBase:
            return byText(UnitText::AwayBase);
        case Column::PreemptiveBase:
            return byText(UnitText::PreemptiveBase);
        case Column::Restriction:
            return byText(UnitText::Restriction);
        case Column::Repair:
            return byText(UnitText::Repair);
        case Column::Tec:
            return byText(UnitText::Tec);
        default:
            return GroupRows(count, 1, [](int) { return 0; });
    }
}

// Sorts rows by small integer keys below `keys`, rows with equal keys keeping their order.
template <typename Key>
void CountingSort(std::vector<int>& rows, int keys, Key key) {
    std::vector<int> next(size_t(keys) + 1, 0);
    for (int row : rows) ++next[size_t(key(row)) + 1];
    std::partial_sum(next.begin(), next.end(), next.begin());
    std::vector<int> sorted(rows.size());
    for (int row : rows) sorted[size_t(next[size_t(key(row))]++)] = row;
    rows.swap(sorted);
}

}  // namespace

MsListSort::MsListSort(const clsMsData& catalogue)
    : catalogue_(catalogue), places_(size_t(MsListModel::kColumnCount)) {}

MsListSort::Places MsListSort::MakePlaces(int column) const {
    const UnitStore& units = catalogue_.Units();
    const int count = units.UnitCount();
    Places places;
    places.ofRow.resize(size_t(count) + 1);
    if (column == Col(Column::MsNo) || column == Col(Column::MsName)) {
        // The unit's own names: one cell per row, viewed where the catalogue keeps them.
        const UnitName name = column == Col(Column::MsNo) ? UnitName::MsNo : UnitName::MsName;
        std::vector<QStringView> cells(static_cast<size_t>(count));
        for (int row = 1; row <= count; ++row) cells[size_t(row - 1)] = units.Name(row, name);
        RankedCells ranked = RankCells(cells);
        std::copy(ranked.placeOf.begin(), ranked.placeOf.end(), places.ofRow.begin() + 1);
        places.numbers = ranked.numbers;
        places.count = ranked.count;
        return places;
    }
    // Every other cell is worked out once per distinct cell, from the first row that shows it.
    const RowGroups groups = GroupRowsByCell(catalogue_, column);
    std::vector<QString> texts;
    texts.reserve(groups.firstRow.size());
    for (int row : groups.firstRow) texts.push_back(MsListModel::CellText(catalogue_, row, column));
    const RankedCells ranked = RankCells(std::vector<QStringView>(texts.begin(), texts.end()));
    for (int row = 1; row <= count; ++row)
        places.ofRow[size_t(row)] = ranked.placeOf[size_t(groups.ofRow[size_t(row)])];
    places.numbers = ranked.numbers;
    places.count = ranked.count;
    return places;
}

const MsListSort::Places& MsListSort::ColumnPlaces(int column) {
    Places& places = places_[size_t(column)];
    if (places.ofRow.empty()) places = MakePlaces(column);
    return places;
}

std::vector<int> MsListSort::Presort() {
    const int count = catalogue_.UnitCount();
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 1);
    // Stable sorts by the lead keys, the last key first, leave the rows in the order of all.
    for (int column = kFirstKey + kLeadKeys - 1; column >= kFirstKey; --column) {
        const Places& places = ColumnPlaces(column);
        CountingSort(order, places.count, [&places](int row) { return places.ofRow[size_t(row)]; });
    }
    // Rows that tie on every key so far go one key deeper, among themselves.
    struct Run {
        size_t begin;
        size_t end;
        int column;  // the next key
    };
    std::vector<Run> runs;
    const auto addTies = [&](size_t begin, size_t end, int firstColumn, int lastColumn) {
        if (lastColumn + 1 >= MsListModel::kColumnCount) return;
        const auto tie = [&](int a, int b) {
            for (int column = firstColumn; column <= lastColumn; ++column) {
                const std::vector<int>& place = places_[size_t(column)].ofRow;
                if (place[size_t(a)] != place[size_t(b)]) return false;
            }
            return true;
        };
        for (size_t start = begin; start < end;) {
            size_t stop = start + 1;
            while (stop < end && tie(order[start], order[stop])) ++stop;
            if (stop - start > 1) runs.push_back({start, stop, lastColumn + 1});
            start = stop;
        }
    };
    addTies(0, order.size(), kFirstKey, kFirstKey + kLeadKeys - 1);
    while (!runs.empty()) {
        const Run run = runs.back();
        runs.pop_back();
        const std::vector<int>& place = ColumnPlaces(run.column).ofRow;
        const auto less = [&place](int a, int b) { return place[size_t(a)] < place[size_t(b)]; };
        const auto first = order.begin() + std::ptrdiff_t(run.begin);
        const auto last = order.begin() + std::ptrdiff_t(run.end);
        // Copies of a unit tie on every key: their runs are already in order.
        if (!std::is_sorted(first, last, less)) std::stable_sort(first, last, less);
        addTies(run.begin, run.end, run.column, run.column);
    }
    return order;
}

void MsListSort::SortRows(std::vector<int>& rows, int column, bool descending) {
    const Places& places = ColumnPlaces(column);
    const std::vector<int>& place = places.ofRow;
    if (!descending) {
        CountingSort(rows, places.count, [&place](int row) { return place[size_t(row)]; });
        return;
    }
    // Numbers from the highest down, then the other cells, also from the highest down.
    const int numbers = places.numbers;
    const int last = places.count - 1;
    CountingSort(rows, places.count, [&](int row) {
        const int at = place[size_t(row)];
        return at < numbers ? numbers - 1 - at : numbers + last - at;
    });
}

}  // namespace velmora
