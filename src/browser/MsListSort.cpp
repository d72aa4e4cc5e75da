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
