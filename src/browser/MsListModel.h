#pragma once

#include "browser/MsListFilter.h"
#include "browser/MsListSort.h"

#include <QAbstractTableModel>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace velmora {

class clsMsData;
struct typMsData;

// The rows of the unit list: indices into the catalogue of the units that passed the filters,
// in list order. Cell texts are the record's fields as stored, worked out when asked for.
// The catalogue must outlive the model.
class MsListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Column {
        MsNo,  // hidden key
        Army,  // faction mark
        Weight,
        MsName,
        Supply,
        Hp,
        Armor,
        AwayBase,
        PreemptiveBase,
        Move,  // move type followed by the move value
        Restriction,
        Repair,
        Shield,
        Tec,
    };
    static constexpr int kColumnCount = int(Column::Tec) + 1;

    // What deploying a unit would do, given by the window: the tooltip of the unit's cells,
    // worked out when asked for.
    using Preview = std::function<QString(const typMsData&)>;

    explicit MsListModel(const clsMsData& catalogue, QObject* parent = nullptr);

    void SetPreview(Preview preview) { preview_ = std::move(preview); }

    // Lists the catalogue units that pass the filter, in the list's sort order: the fill's own
    // order, then the column the user sorted by, when there is one.
    void Fill(const MsListFilter& filter);

    // Sorts the rows by one column, numbers by value; equal cells keep their order. The column
    // stays in force for every later fill. Rows move as in a layout change, so the current row
    // follows its unit. After the catalogue loaded again, only the next fill sorts.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // The column the list is sorted by; -1 while it keeps the fill's own order.
    int SortColumn() const { return sortColumn_; }
    Qt::SortOrder SortOrder() const { return sortOrder_; }

    // The catalogue row shown in model row `row`; -1 outside the list.
    int CatalogueRow(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The text of one cell for catalogue row `catalogueRow`.
    static QString CellText(const clsMsData& catalogue, int catalogueRow, int column);
    // Design width of a column in twips; 0 for the hidden key column.
    static int ColumnWidthTwips(int column);

private:
    void SortRows();

    // The sort keys never depend on the filters, so the catalogue is put in list order once,
    // at the first fill after its rows changed, and every fill keeps the rows that pass.
    void UpdateOrder();

    // A catalogue row in list order with what the filter reads: its traits, and its name and
    // weight as spans of texts_. A fill walks these two arrays in order instead of the scattered
    // records.
    struct Entry {
        int row;
        MsListFilter::RowTraits traits;
        int name;  // start in texts_; the weight follows the name
        int nameLength;
        int weightLength;
    };

    const clsMsData& catalogue_;
    std::vector<Entry> order_;
    QString texts_;
    quint64 orderedLoad_ = 0;  // the catalogue load order_ was worked out for
    std::vector<int> rows_;
    Preview preview_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    // The order's keys for the catalogue load order_ was worked out for.
    std::optional<MsListSort> sort_;
};

constexpr int Col(MsListModel::Column column) { return static_cast<int>(column); }

}  // namespace velmora
