#pragma once

#include "formation/FormationColumns.h"

#include <QAbstractTableModel>
#include <QColor>

namespace velmora {

class Formation;

// The formation grid over a formation document: eighteen texts per entry, the markers and the
// tints of the rows against a rule computed by the document, nothing kept here but the number
// of rows the views were told of. The header and alignments are the grid's layout.
class FormationModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The document must outlive the model.
    explicit FormationModel(const Formation& formation, QObject* parent = nullptr);

    // Width of a column in twips; 0 for the columns that carry data without being seen.
    static int ColumnWidthTwips(int column);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static QColor TintColour();
    // The whole row of a unit the catalogue does not hold.
    static QColor MissingColour();

private:
    bool IsMissing(int row) const;
    void Follow(int change, int entry);

    const Formation& formation_;
    int rows_ = 0;  // the rows the views know of
};

}  // namespace velmora
