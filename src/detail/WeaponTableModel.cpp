#include "detail/WeaponTableModel.h"

#include "catalogue/NumberText.h"
#include "widgets/Twips.h"

#include <QColor>

namespace velmora {

namespace {

const std::array<QString, WeaponTableModel::kColumnCount>& Headers() {
    static const std::array<QString, WeaponTableModel::kColumnCount> headers{
        QString(),
        QStringLiteral(u"武器名"),
        QStringLiteral(u"威力"),
        QStringLiteral(u"合計"),
        QStringLiteral(u"距離1"),
        QStringLiteral(u"距離2"),
        QStringLiteral(u"距離3"),
        QStringLiteral(u"距離4"),
        QStringLiteral(u"空"),
        QStringLiteral(u"脱"),
        QStringLiteral(u"P"),
        QStringLiteral(u"S"),
        QStringLiteral(u"F"),
        QStringLiteral(u"属性"),
    };
    return headers;
}

// What each header means; the hidden columns carry state only.
const std::array<const char16_t*, WeaponTableModel::kColumnCount> kHeaderTips{
    u"武器の枠（Ａ〜Ｇ）",
    u"武器名。脱が○の行はダブルクリックで装備します（武器Ａを除く）",
    u"威力x回数（例：120x2）",
    u"威力×回数（威力0は--）",
    u"距離1での補正（--：届かない）",
    u"距離2での補正（--：届かない）",
    u"距離3での補正（--：届かない）",
    u"距離4での補正（--：届かない）",
    u"対空（○：可、×：不可）",
    u"着脱。○：付け替えられる装備、×：付け替えられない装備、－：どちらでもない",
    u"",
    u"",
    u"",
    u"武器の属性（－：なし）",
};

const std::array<QString, kWeaponCount>& RowLabels() {
    static const std::array<QString, kWeaponCount> labels{
        QStringLiteral(u"武器Ａ"), QStringLiteral(u"武器Ｂ"), QStringLiteral(u"武器Ｃ"),
        QStringLiteral(u"武器Ｄ"), QStringLiteral(u"武器Ｅ"), QStringLiteral(u"武器Ｆ"),
        QStringLiteral(u"武器Ｇ"),
    };
    return labels;
}

// Widths in twips as the table was designed.
constexpr std::array<int, WeaponTableModel::kColumnCount> kWidthTwips{
    720, 2340, 720, 540, 720, 720, 720, 720, 420, 420, 0, 0, 0, 615};

QVariant CellAlignment(int column) {
    switch (WeaponTableModel::Column(column)) {
        case WeaponTableModel::Column::Label:
        case WeaponTableModel::Column::AntiAir:
        case WeaponTableModel::Column::Detach:
        case WeaponTableModel::Column::Attribute:
            return int(Qt::AlignVCenter | Qt::AlignHCenter);
        case WeaponTableModel::Column::Name:
            return int(Qt::AlignVCenter | Qt::AlignLeft);
        case WeaponTableModel::Column::Option:
            return QVariant();
        default:
            return int(Qt::AlignVCenter | Qt::AlignRight);
    }
}

QVariant HeaderAlignment(int column) {
    switch (WeaponTableModel::Column(column)) {
        case WeaponTableModel::Column::AwayLoad:
        case WeaponTableModel::Column::Equipped:
            return int(Qt::AlignVCenter | Qt::AlignRight);
        case WeaponTableModel::Column::Option:
            return QVariant();
        default:
            return int(Qt::AlignVCenter | Qt::AlignHCenter);
    }
}

QString RangeText(const QString& range) {
    return range == u"--" ? range : QStringLiteral(u"+") + range;
}

}  // namespace

WeaponTableModel::WeaponTableModel(QObject* parent) : QAbstractTableModel(parent) {
    for (int row = 0; row < kWeaponCount; ++row) cells_[row][Col(Column::Label)] = RowLabels()[row];
}

int WeaponTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kWeaponCount;
}

int WeaponTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant WeaponTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return QVariant();
    const int row = index.row();
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return cells_[row][column];
        case Qt::TextAlignmentRole:
            return CellAlignment(column);
        case Qt::BackgroundRole:
            // The fixed label column keeps the grid's own look.
            if (column == Col(Column::Label)) return QVariant();
            return tinted_[row] ? TintColour() : PlainColour();
        default:
            return QVariant();
    }
}

QVariant WeaponTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) return Headers()[section];
    if (role == Qt::TextAlignmentRole) return HeaderAlignment(section);
    if (role == Qt::ToolTipRole) return QString::fromUtf16(kHeaderTips[size_t(section)]);
    return QVariant();
}

Qt::ItemFlags WeaponTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

int WeaponTableModel::ColumnWidthTwips(int column) {
    if (column < 0 || column >= kColumnCount) return 0;
    return kWidthTwips[column];
}

QString WeaponTableModel::CellText(const typWeapon& weapon, Column column) {
    switch (column) {
        case Column::Name:
            return weapon.Name;
        case Column::Power:
            return weapon.Power + QStringLiteral(u"x") + weapon.Shots;
        case Column::Total:
            return weapon.Power == u"0"
                       ? QStringLiteral(u"--")
                       : num::NumberText(num::Val(weapon.Shots) * num::Val(weapon.Power));
        case Column::Range1:
            return RangeText(weapon.Range1);
        case Column::Range2:
            return RangeText(weapon.Range2);
        case Column::Range3:
            return RangeText(weapon.Range3);
        case Column::Range4:
            return RangeText(weapon.Range4);
        case Column::AntiAir:
            return weapon.AntiAir;
        case Column::Detach:
            return weapon.Detach;
        case Column::AwayLoad:
            return weapon.AwayLoad;
        case Column::Equipped:
            return weapon.Equipped;
        case Column::Option:
            return weapon.Option;
        case Column::Attribute:
            return weapon.Attribute;
        default:
            return QString();
    }
}

QString WeaponTableModel::Text(int row, int column) const {
    if (row < 0 || row >= kWeaponCount || column < 0 || column >= kColumnCount) return QString();
    return cells_[row][column];
}

void WeaponTableModel::SetWeapons(const std::array<typWeapon, kWeaponCount>& weapons) {
    for (int row = 0; row < kWeaponCount; ++row)
        for (int column = Col(Column::Name); column < kColumnCount; ++column)
            cells_[row][column] = CellText(weapons[row], Column(column));
    EmitAllChanged({Qt::DisplayRole});
}

void WeaponTableModel::ClearData() {
    for (auto& row : cells_)
        for (int column = Col(Column::Name); column < kColumnCount; ++column) row[column].clear();
    EmitAllChanged({Qt::DisplayRole});
}

bool WeaponTableModel::IsTinted(int row) const {
    return row >= 0 && row < kWeaponCount && tinted_[row];
}

void WeaponTableModel::SetTints(const std::array<bool, kWeaponCount>& tinted) {
    if (tinted_ == tinted) return;
    tinted_ = tinted;
    EmitAllChanged({Qt::BackgroundRole});
}

QColor WeaponTableModel::TintColour() { return QColor(196, 220, 253); }

QColor WeaponTableModel::PlainColour() { return QColor(255, 255, 255); }

void WeaponTableModel::EmitAllChanged(const QList<int>& roles) {
    Q_EMIT dataChanged(index(0, Col(Column::Name)), index(kWeaponCount - 1, kColumnCount - 1),
                       roles);
}

}  // namespace velmora
