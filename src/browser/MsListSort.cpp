#include "browser/MsListSort.h"

#include "browser/MsListModel.h"
#include "catalogue/NumberText.h"
#include "catalogue/clsMsData.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <cstdint>
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
            for (; i < size && at[i] >= u'0' && at[i] <= u'9'; ++i)
                value = value * 10 + (at[i] - u'0');
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
        while (stop < end &&
               MsListSort::Compare(keys[size_t(rows[start])], keys[size_t(rows[stop])]) == 0)
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

namespace {

// Ranks numbers that are all whole and lie within a span a little wider than their count by
// counting, without comparing; false, leaving ranks alone, for any other numbers.
template <typename Number>
bool RankSmallWholeNumbers(const std::vector<Number>& numbers, std::vector<int>& ranks) {
    if (numbers.empty()) return true;
    double low = numbers.front().value;
    double high = low;
    for (const Number& number : numbers) {
        if (number.value != std::trunc(number.value)) return false;
        low = std::min(low, number.value);
        high = std::max(high, number.value);
    }
    if (high - low > double(2 * numbers.size() + 1024)) return false;
    std::vector<int> rankOf(size_t(high - low) + 1, 0);
    for (const Number& number : numbers) rankOf[size_t(number.value - low)] = 1;
    int rank = 0;
    for (int& slot : rankOf) slot = slot ? ++rank : 0;
    for (const Number& number : numbers)
        ranks[size_t(number.row)] = rankOf[size_t(number.value - low)];
    return true;
}

// Three characters of text from `from` as one integer that orders as the texts do where it
// differs: a character below the surrogates counts as its code plus one, the end of the text
// as 0. From a surrogate or a character above them on, the key stops saying anything (the
// texts' own comparison then decides), since codes and code points order those differently.
std::uint64_t LeadKey(QStringView text, qsizetype from) {
    std::uint64_t key = 0;
    bool stopped = false;
    for (qsizetype i = from; i < from + 3; ++i) {
        std::uint64_t unit = 0;
        if (!stopped && i < text.size()) {
            const char16_t c = text[i].unicode();
            unit = c < 0xD800 ? c + 1 : 0xD801;
            stopped = c >= 0xD800;
        } else {
            stopped = true;
        }
        key = key << 16 | unit;
    }
    return key;
}

}  // namespace

std::vector<int> MsListSort::ColumnRanks(const clsMsData& catalogue, int column) {
    const size_t units = size_t(catalogue.UnitCount());
    // Numbers and texts sort apart, numbers first: small entries that compare inline. The
    // texts are kept in cells, which never grows past its reserve, so the views stay valid.
    struct Number {
        double value;
        int row;
    };
    struct Text {
        QStringView text;
        int row;
    };
    std::vector<Number> numbers;
    std::vector<Text> texts;
    std::vector<QString> cells;
    numbers.reserve(units);
    cells.reserve(units);
    for (int row = 1; size_t(row) <= units; ++row) {
        Key key = MakeKey(MsListModel::CellText(catalogue, row, column));
        if (key.numeric) {
            numbers.push_back({key.value, row});
        } else {
            cells.push_back(std::move(key.text));
            texts.push_back({cells.back(), row});
        }
    }
    // Once a column is ranked, every later sort and refill compares small integers. The places
    // of the cells that are not numbers count up from kNotANumber, which keeps them last in
    // either direction.
    std::vector<int> ranks(units + 1, 0);
    if (!RankSmallWholeNumbers(numbers, ranks)) {
        std::sort(numbers.begin(), numbers.end(),
                  [](const Number& a, const Number& b) { return a.value < b.value; });
        int rank = 0;
        for (size_t i = 0; i < numbers.size(); ++i) {
            if (i == 0 || numbers[i - 1].value < numbers[i].value) ++rank;
            ranks[size_t(numbers[i].row)] = rank;
        }
    }
    // A column repeats few texts (faction marks, categories, move types): each distinct text
    // is sorted once.
    QHash<QStringView, int> distinct;
    distinct.reserve(qsizetype(texts.size()));
    std::vector<QStringView> order;
    std::vector<int> place(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        auto it = distinct.constFind(texts[i].text);
        if (it == distinct.constEnd()) {
            it = distinct.insert(texts[i].text, int(order.size()));
            order.push_back(texts[i].text);
        }
        place[i] = *it;
    }
    // The texts sort by the three characters after their common beginning, compared as one
    // integer, and by the whole texts only where those tie.
    qsizetype common = order.empty() ? 0 : order.front().size();
    for (const QStringView text : order) {
        common = std::min(common, text.size());
        while (common > 0 && text.first(common) != order.front().first(common)) --common;
    }
    std::vector<std::uint64_t> leads(order.size());
    for (size_t i = 0; i < order.size(); ++i) leads[i] = LeadKey(order[i], common);
    std::vector<int> byText(order.size());
    std::iota(byText.begin(), byText.end(), 0);
    std::sort(byText.begin(), byText.end(), [&](int a, int b) {
        const std::uint64_t leadA = leads[size_t(a)];
        const std::uint64_t leadB = leads[size_t(b)];
        if (leadA != leadB) return leadA < leadB;
        return order[size_t(a)].compare(order[size_t(b)]) < 0;
    });
    std::vector<int> textRank(order.size());
    for (size_t i = 0; i < byText.size(); ++i) textRank[size_t(byText[i])] = kNotANumber + int(i);
    for (size_t i = 0; i < texts.size(); ++i)
        ranks[size_t(texts[i].row)] = textRank[size_t(place[i])];
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
        std::stable_sort(rows.begin(), rows.end(),
                         [&ranks](int a, int b) { return ranks[size_t(a)] < ranks[size_t(b)]; });
    }
}

}  // namespace velmora
