#include "browser/MsListSort.h"

#include "browser/MsListModel.h"
#include "catalogue/NumberText.h"
#include "catalogue/clsMsData.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace velmora {

namespace {

constexpr int kFirstKey = Col(MsListModel::Column::Army);
constexpr int kKeyCount = MsListModel::kColumnCount - kFirstKey;

}  // namespace

MsListSort::Key MsListSort::MakeKey(const QString& cell) {
    Key key;
    // Most figures are short whole numbers: their digits give the value exactly, without the
    // conversion that a fraction, an exponent or blanks need.
    const qsizetype size = cell.size();
    if (size > 0 && size <= 15) {
        const char16_t* at = reinterpret_cast<const char16_t*>(cell.constData());
        const bool negative = at[0] == u'-';
        qsizetype i = negative || at[0] == u'+' ? 1 : 0;
        long long value = 0;
        if (i < size) {
            for (; i < size && at[i] >= u'0' && at[i] <= u'9'; ++i) value = value * 10 + (at[i] - u'0');
            if (i == size) {
                key.numeric = true;
                key.value = double(negative ? -value : value);
                return key;
            }
        }
    }
    key.numeric = num::IsNumeric(cell);
    if (key.numeric)
        key.value = num::Val(cell);
    else
        key.text = cell;
    return key;
}

namespace {

// Sorts rows[begin, end), which tie on the keys before `key`, by key `key` and, within each
// run of ties, by the keys after it. Only the rows that tie so far get their next key made,
// and most rows are told apart by the first three keys (faction, weight, name).
void SortByKeys(const clsMsData& catalogue, std::vector<int>& rows, size_t begin, size_t end,
                int key, std::vector<MsListSort::Key>& keys) {
    if (end - begin < 2 || key >= kKeyCount) return;
    for (size_t i = begin; i < end; ++i)
        keys[size_t(rows[i])] =
            MsListSort::MakeKey(MsListModel::CellText(catalogue, rows[i], kFirstKey + key));
    std::stable_sort(rows.begin() + std::ptrdiff_t(begin), rows.begin() + std::ptrdiff_t(end),
                     [&keys](int a, int b) {
                         return MsListSort::Compare(keys[size_t(a)], keys[size_t(b)]) < 0;
                     });
    // The runs of ties, found before the deeper keys overwrite this key's.
    std::vector<std::pair<size_t, size_t>> runs;
    for (size_t start = begin; start < end;) {
        size_t stop = start + 1;
        while (stop < end && MsListSort::Compare(keys[size_t(rows[start])],
                                                 keys[size_t(rows[stop])]) == 0)
            ++stop;
        if (stop - start > 1) runs.emplace_back(start, stop);
        start = stop;
    }
    for (const auto& [start, stop] : runs) SortByKeys(catalogue, rows, start, stop, key + 1, keys);
}

}  // namespace

std::vector<int> MsListSort::Presort(const clsMsData& catalogue) {
    const int units = catalogue.UnitCount();
    std::vector<int> order(static_cast<size_t>(units));
    std::iota(order.begin(), order.end(), 1);
    // One key per catalogue row, overwritten as the sort goes one key deeper.
    std::vector<Key> keys(static_cast<size_t>(units) + 1);
    SortByKeys(catalogue, order, 0, order.size(), 0, keys);
    return order;
}

std::vector<int> MsListSort::ColumnRanks(const clsMsData& catalogue, int column) {
    struct Entry {
        Key key;
        int row;
    };
    const int units = catalogue.UnitCount();
    // The keys sort in place with their rows: contiguous entries, no lookups by row.
    std::vector<Entry> entries;
    entries.reserve(static_cast<size_t>(units));
    for (int row = 1; row <= units; ++row)
        entries.push_back({MakeKey(MsListModel::CellText(catalogue, row, column)), row});
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return Compare(a.key, b.key) < 0; });
    // Once a column is ranked, every later sort and refill compares small integers. Numbers
    // come first in the ascending order, so the cells that are not numbers follow them; their
    // places count up from kNotANumber, which keeps them last in either direction.
    std::vector<int> ranks(static_cast<size_t>(units) + 1, 0);
    int rank = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i == 0 || Compare(entries[i - 1].key, entries[i].key) != 0) ++rank;
        if (!entries[i].key.numeric && (i == 0 || entries[i - 1].key.numeric))
            rank = kNotANumber;
        ranks[size_t(entries[i].row)] = rank;
    }
    return ranks;
}

void MsListSort::SortRows(std::vector<int>& rows, const std::vector<int>& ranks, bool descending) {
    if (descending) {
        // Numbers from the highest down, then the other cells, also from the highest down.
        const auto key = [&ranks](int row) {
            const int rank = ranks[size_t(row)];
            return rank >= kNotANumber ? std::pair(1, -rank) : std::pair(0, -rank);
        };
        std::stable_sort(rows.begin(), rows.end(),
                         [&key](int a, int b) { return key(a) < key(b); });
    } else {
        std::stable_sort(rows.begin(), rows.end(), [&ranks](int a, int b) {
            return ranks[size_t(a)] < ranks[size_t(b)];
        });
    }
}

}  // namespace velmora
