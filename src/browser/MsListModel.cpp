#include "browser/MsListModel.h"

#include "browser/MsListSort.h"
#include "catalogue/clsMsData.h"

#include <array>

namespace velmora {

namespace {

const std::array<int, MsListModel::ColumnCount> kWidthsTwips = {0,   360, 480, 2265, 600, 480, 480,
                                                                480, 480, 600, 840,  480, 390, 480};

}  // namespace

MsListModel::MsListModel(const clsMsData& catalogue, QObject* parent)
    : QAbstractTableModel(parent), catalogue_(catalogue) {}

void MsListModel::UpdateOrder() {
    const auto& list = catalogue_.MsDataList();
    if (list.data() == orderedRows_ && list.size() == orderedCount_) return;
    order_.clear();
    texts_.clear();
    const std::vector<int> rows = MsListSort::Presort(catalogue_);
    order_.reserve(rows.size());
    for (int row : rows) {
        const typMsData& unit = list[size_t(row)];
        order_.push_back({row, MsListFilter::TraitsOf(unit, catalogue_.get配備名(row)),
                          int(texts_.size()), int(unit.MsName.size()), int(unit.Weight.size())});
        texts_ += unit.MsName;
        texts_ += unit.Weight;
    }
    orderedRows_ = list.data();
    orderedCount_ = list.size();
}

void MsListModel::Fill(const MsListFilter& filter) {
    beginResetModel();
    UpdateOrder();
    rows_.clear();
    const QStringView texts(texts_);
    for (const Entry& entry : order_) {
        if (!filter.PassesTraits(entry.traits)) continue;
        const QStringView name = texts.sliced(entry.name, entry.nameLength);
        const QStringView weight = texts.sliced(entry.name + entry.nameLength, entry.weightLength);
        if (filter.KeywordPasses(name, weight)) rows_.push_back(entry.row);
    }
    endResetModel();
}

int MsListModel::CatalogueRow(int row) const {
    if (row < 0 || size_t(row) >= rows_.size()) return -1;
    return rows_[size_t(row)];
}

int MsListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int MsListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MsListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return QVariant();
    switch (role) {
        case Qt::DisplayRole: {
            const int row = rows_[size_t(index.row())];
            return CellText(catalogue_, row, index.column());
        }
        case Qt::ToolTipRole:
            if (!preview_) return QVariant();
            return preview_(catalogue_.MsDataList()[size_t(rows_[size_t(index.row())])]);
        case Qt::TextAlignmentRole:
            switch (index.column()) {
                case Army:
                case Shield:
                    return int(Qt::AlignVCenter | Qt::AlignHCenter);
                case Weight:
                    return int(Qt::AlignVCenter | Qt::AlignRight);
                case MsName:
                    return int(Qt::AlignVCenter | Qt::AlignLeft);
                default:
                    return QVariant();
            }
        default:
            return QVariant();
    }
}

QVariant MsListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return QVariant();
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignVCenter | Qt::AlignHCenter);
    if (role != Qt::DisplayRole) return QVariant();
    switch (section) {
        case Army:
            return QStringLiteral(u"軍");
        case Weight:
            return QStringLiteral(u"搭載");
        case MsName:
            return QStringLiteral(u"機体名称");
        case Supply:
            return QStringLiteral(u"補給");
        case Hp:
            return QStringLiteral(u"ＨＰ");
        case Armor:
            return QStringLiteral(u"装甲");
        case AwayBase:
            return QStringLiteral(u"回避");
        case PreemptiveBase:
            return QStringLiteral(u"先制");
        case Move:
            return QStringLiteral(u"移動");
        case Restriction:
            return QStringLiteral(u"制限");
        case Repair:
            return QStringLiteral(u"修理");
        case Shield:
            return QStringLiteral(u"盾");
        case Tec:
            return QStringLiteral(u"TEC");
        default:
            return QString();
    }
}

QString MsListModel::CellText(const clsMsData& catalogue, int catalogueRow, int column) {
    const auto& list = catalogue.MsDataList();
    if (catalogueRow < 0 || size_t(catalogueRow) >= list.size()) return QString();
    const typMsData& unit = list[size_t(catalogueRow)];
    switch (column) {
        case MsNo:
            return unit.MsNo;
        case Army:
            return catalogue.get配備名(catalogueRow);
        case Weight:
            return unit.Weight;
        case MsName:
            return unit.MsName;
        case Supply:
            return unit.Supply;
        case Hp:
            return unit.Hp;
        case Armor:
            return unit.Armor;
        case AwayBase:
            return unit.AwayBase;
        case PreemptiveBase:
            return unit.PreemptiveBase;
        case Move:
            return unit.MoveType + unit.Move;
        case Restriction:
            return unit.Restriction;
        case Repair:
            return unit.Repair;
        case Shield:
            return unit.Shield;
        case Tec:
            return unit.Tec;
        default:
            return QString();
    }
}

int MsListModel::ColumnWidthTwips(int column) {
    return column >= 0 && column < ColumnCount ? kWidthsTwips[size_t(column)] : 0;
}

}  // namespace velmora
