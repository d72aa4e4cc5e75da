#pragma once

#include <QString>
#include <vector>

namespace velmora {

class clsMsData;

// The unit list's order: ascending on columns 1 to 13 as successive keys, or by one column that
// the user chose, ascending or descending. A key compares by value when both cells are numeric
// and as text otherwise; a numeric cell comes before a non-numeric one so that the order stays
// consistent across mixed columns, and in a chosen column's order in either direction, so that
// units without a figure ("nd", empty) come last.
class MsListSort {
public:
    struct Key {
        bool numeric = false;
        double value = 0;
        QString text;
    };

    static Key MakeKey(const QString& cell);
    // Negative, zero or positive as a sorts before, with or after b. Inline: the sorts call it
    // millions of times.
    static int Compare(const Key& a, const Key& b) {
        if (a.numeric && b.numeric) return a.value < b.value ? -1 : (b.value < a.value ? 1 : 0);
        if (a.numeric != b.numeric) return a.numeric ? -1 : 1;
        return a.text.compare(b.text);
    }

    // Catalogue rows 1 to n in list order; rows with equal keys keep their file order.
    static std::vector<int> Presort(const clsMsData& catalogue);

    // The place of every catalogue row in one list column's ascending order, indexed by
    // catalogue row (entry 0 is unused); rows with equal cells share a place. The places of
    // cells that are not numbers start at kNotANumber.
    static constexpr int kNotANumber = 1 << 30;
    static std::vector<int> ColumnRanks(const clsMsData& catalogue, int column);
    // Sorts catalogue rows by their places, ascending or descending; rows with equal places
    // keep the order they had.
    static void SortRows(std::vector<int>& rows, const std::vector<int>& ranks, bool descending);
};

}  // namespace velmora
