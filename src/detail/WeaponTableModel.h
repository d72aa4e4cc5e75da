#pragma once

#include "catalogue/UnitRecord.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <array>

namespace velmora {

// The weapon table grdMsInfo: seven rows, weapons A to G, each with its fixed label in column 0.
// The cells show the weapons the detail panel hands over; the hidden columns 10 to 12 show the
// evasion load, the equipped flag and the option flag, which the panel's record holds. A tinted
// row shows light blue across columns 1 to 13.
class WeaponTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Column {
        Label = 0,
        Name,
        Power,
        Total,
        Range1,
        Range2,
        Range3,
        Range4,
        AntiAir,
        Detach,
        AwayLoad,
        Equipped,
        Option,
        Attribute,
    };
    static constexpr int kColumnCount = 14;

    explicit WeaponTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Design width of a column in twips; 0 for the hidden columns 10 to 12.
    static int ColumnWidthTwips(int column);

    // The text weapon shows in a data column (1 to 13).
    static QString CellText(const typWeapon& weapon, Column column);

    // Texts of model row `row` (weapon index 0 to 6); out-of-range cells read as empty.
    QString Text(int row, int column) const;

    // Empties columns 1 to 13 and fills them from the seven weapons.
    void SetWeapons(const std::array<typWeapon, kWeaponCount>& weapons);
    // Empties columns 1 to 13 of every row.
    void ClearData();

    bool IsTinted(int row) const;
    void SetTints(const std::array<bool, kWeaponCount>& tinted);

    static QColor TintColour();
    static QColor PlainColour();

private:
    void EmitAllChanged(const QList<int>& roles);

    std::array<std::array<QString, kColumnCount>, kWeaponCount> cells_;
    std::array<bool, kWeaponCount> tinted_{};
};

// The column's number in the model.
constexpr int Col(WeaponTableModel::Column column) { return static_cast<int>(column); }

}  // namespace velmora
