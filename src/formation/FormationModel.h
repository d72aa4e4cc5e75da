#pragma once

#include "formation/FormationColumns.h"

#include <QAbstractTableModel>
#include <QColor>
#include <vector>

namespace velmora {

// The rows of the formation grid: eighteen texts each, in the order the units were added. The
// cells are the formation's only store; the header and alignments are the grid's layout.
class FormationModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FormationModel(QObject* parent = nullptr);

    // Width of a column in twips; 0 for the columns that carry data without being seen.
    static int ColumnWidthTwips(int column);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const std::vector<FormationRow>& Rows() const { return rows_; }
    QString Cell(int row, int column) const;  // empty outside the rows

    void AppendRow(const FormationRow& row);
    void RemoveRow(int row);
    void SetCell(int row, int column, const QString& text);
    void Clear();
    // Replaces every row in one reset (an undo step, a loaded formation), so that even a long
    // formation takes linear time.
    void SetRows(std::vector<FormationRow> rows);

    // One flag per row: the rows a broken rule counts, tinted in the name column.
    void SetTinted(std::vector<bool> tinted);
    static QColor TintColour();

private:
    std::vector<FormationRow> rows_;
    std::vector<bool> tinted_;
};

}  // namespace velmora
