#include "browser/MsListSort.h"

#include "browser/MsListModel.h"
#include "catalogue/NumberText.h"
#include "catalogue/clsMsData.h"

#include <algorithm>
#include <numeric>

namespace velmora {

namespace {

constexpr int kFirstKey = Col(MsListModel::Column::Army);
constexpr int kKeyCount = MsListModel::kColumnCount - kFirstKey;

}  // namespace

MsListSort::Key MsListSort::MakeKey(const QString& cell) {
    Key key;
    key.numeric = num::IsNumeric(cell);
    if (key.numeric)
        key.value = num::Val(cell);
    else
        key.text = cell;
    return key;
}

int MsListSort::Compare(const Key& a, const Key& b) {
    if (a.numeric && b.numeric) return a.value < b.value ? -1 : (b.value < a.value ? 1 : 0);
    if (a.numeric != b.numeric) return a.numeric ? -1 : 1;
    return a.text.compare(b.text);
}

std::vector<int> MsListSort::Presort(const clsMsData& catalogue) {
    const int units = catalogue.UnitCount();
    // keys[(row - 1) * kKeyCount + k]: key k of catalogue row `row`.
    std::vector<Key> keys(static_cast<size_t>(units) * kKeyCount);
    for (int row = 1; row <= units; ++row) {
        for (int k = 0; k < kKeyCount; ++k)
            keys[size_t(row - 1) * kKeyCount + k] =
                MakeKey(MsListModel::CellText(catalogue, row, kFirstKey + k));
    }
    std::vector<int> order(static_cast<size_t>(units));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        const Key* ka = &keys[size_t(a - 1) * kKeyCount];
        const Key* kb = &keys[size_t(b - 1) * kKeyCount];
        for (int k = 0; k < kKeyCount; ++k) {
            const int c = Compare(ka[k], kb[k]);
            if (c != 0) return c < 0;
        }
        return false;
    });
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
    // Once a column is ranked, every later sort and refill compares small integers.
    std::vector<int> ranks(static_cast<size_t>(units) + 1, 0);
    int rank = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i > 0 && Compare(entries[i - 1].key, entries[i].key) != 0) ++rank;
        ranks[size_t(entries[i].row)] = rank;
    }
    return ranks;
}

void MsListSort::SortRows(std::vector<int>& rows, const std::vector<int>& ranks, bool descending) {
    const auto rank = [&ranks](int row) { return ranks[size_t(row)]; };
    if (descending)
        std::stable_sort(rows.begin(), rows.end(),
                         [&rank](int a, int b) { return rank(a) > rank(b); });
    else
        std::stable_sort(rows.begin(), rows.end(),
                         [&rank](int a, int b) { return rank(a) < rank(b); });
}

}  // namespace velmora
