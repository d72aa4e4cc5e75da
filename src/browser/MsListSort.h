#pragma once

#include <vector>

namespace velmora {

class clsMsData;

// The unit list's order over one catalogue load: ascending on columns 1 to 13 as successive keys
// (the fill's own order), or by one column that the user chose, ascending or descending. Two
// cells compare by value when both are numbers and as text otherwise; numbers come before the
// other cells, in a chosen column's order in either direction, so that units without a figure
// ("nd", empty) come last. A column's cells are ranked at its first use, each distinct text
// once, and kept as one place per row. The catalogue must outlive this and keep its load: make
// a new one when it loads again.
class MsListSort {
public:
    explicit MsListSort(const clsMsData& catalogue);

    // Catalogue rows 1 to n in the fill's order; rows with equal keys keep their file order.
    std::vector<int> Presort();

    // Sorts catalogue rows of this load by one list column's cells (0 to 13); rows with equal
    // cells keep the order they had.
    void SortRows(std::vector<int>& rows, int column, bool descending);

private:
    // A column's places: rows with equal cells share one; numbers take places 0 to numbers - 1
    // in ascending order, the other cells numbers to count - 1. Empty until the column is used.
    struct Places {
        std::vector<int> ofRow;  // by catalogue row; entry 0 unused
        int numbers = 0;
        int count = 0;
    };
    const Places& ColumnPlaces(int column);
    Places MakePlaces(int column) const;

    const clsMsData& catalogue_;
    std::vector<Places> places_;  // by list column
};

}  // namespace velmora
