#include "browser/MsListModel.h"

#include "catalogue/clsMsData.h"

#include <algorithm>
#include <array>

namespace velmora {

namespace {

const std::array<int, MsListModel::kColumnCount> kWidthsTwips = {
    0, 360, 480, 2265, 600, 480, 480, 480, 480, 600, 840, 480, 390, 480};

QString HeaderToolTip(int section) {
    const char16_t* text = nullptr;
    switch (MsListModel::Column(section)) {
        case MsListModel::Column::Army:
            text = u"勢力。連：連邦、ジ：ジオン";
            break;
        case MsListModel::Column::Weight:
            text = u"搭載量。編成ではこの合計が搭載上限以内に収まる必要があります";
            break;
        case MsListModel::Column::MsName:
            text = u"機体名称";
            break;
        case MsListModel::Column::Supply:
            text = u"補給";
            break;
        case MsListModel::Column::Hp:
            text = u"ＨＰ（耐久力）";
            break;
        case MsListModel::Column::Armor:
            text = u"装甲";
            break;
        case MsListModel::Column::AwayBase:
            text = u"回避の基本値（盾・装備・改造による増減の前）";
            break;
        case MsListModel::Column::PreemptiveBase:
            text = u"先制の基本値（盾・装備・改造による増減の前）";
            break;
        case MsListModel::Column::Move:
            text = u"移動タイプと移動力（例：地上3）";
            break;
        case MsListModel::Column::Restriction:
            text = u"配備の制限（限定生産・専用機・一機制限・二機制限・量産機など）";
            break;
        case MsListModel::Column::Repair:
            text = u"修理費。編成の修理合計に加わります";
            break;
        case MsListModel::Column::Shield:
            text = u"○：盾を持てる機体";
            break;
        case MsListModel::Column::Tec:
            text = u"TEC（技術レベル）";
            break;
        default:
            return QString();
    }
    return QString::fromUtf16(text) + u"\n" +
           QStringLiteral(u"クリックで昇順、もう一度で降順に並べ替え");
}

}  // namespace

MsListModel::MsListModel(const clsMsData& catalogue, QObject* parent)
    : QAbstractTableModel(parent), catalogue_(catalogue) {}

void MsListModel::UpdateOrder() {
    const UnitStore& units = catalogue_.Units();
    if (catalogue_.LoadStamp() == orderedLoad_ && orderedLoad_ != 0) return;
    order_.clear();
    texts_.clear();
    sort_.emplace(catalogue_);
    const std::vector<int> rows = sort_->Presort();
    order_.reserve(rows.size());
    // The traits of shared texts and of factions, each worked out at its first row.
    using Traits = MsListFilter::RowTraits;
    constexpr int kUnknown = -1;
    std::vector<int> areaTraits(size_t(units.TextCount()), kUnknown);
    std::vector<int> categoryTraits(size_t(units.TextCount()), kUnknown);
    std::array<int, 256> factionTraits;
    factionTraits.fill(kUnknown);
    const auto known = [](int& traits, const auto& workOut) {
        if (traits == kUnknown) traits = workOut();
        return Traits(traits);
    };
    int size = 0;
    for (int row : rows) {
        const QStringView name = units.Name(row, UnitName::MsName);
        const QStringView weight = units.Text(row, UnitText::Weight);
        const std::uint32_t area = units.TextId(row, UnitText::MoveArea);
        const std::uint32_t category = units.TextId(row, UnitText::Restriction);
        const Traits traits =
            known(areaTraits[area],
                  [&] { return MsListFilter::AreaTraits(units.TextById(area)); }) |
            known(categoryTraits[category],
                  [&] { return MsListFilter::CategoryTraits(units.TextById(category)); }) |
            known(factionTraits[size_t(units.Army(row) & 0xFF)],
                  [&] { return MsListFilter::FactionTraits(catalogue_.get配備名(row)); }) |
            MsListFilter::NameTraits(name);
        order_.push_back({row, traits, size, int(name.size()), int(weight.size())});
        size += int(name.size() + weight.size());
    }
    // Copied in one piece: appending 100,000 short texts costs more than the copy.
    texts_ = QString(size, Qt::Uninitialized);
    QChar* at = texts_.data();
    for (const Entry& entry : order_) {
        const QStringView name = units.Name(entry.row, UnitName::MsName);
        const QStringView weight = units.Text(entry.row, UnitText::Weight);
        at = std::copy(weight.begin(), weight.end(), std::copy(name.begin(), name.end(), at));
    }
    orderedLoad_ = catalogue_.LoadStamp();
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
    SortRows();
    endResetModel();
}

void MsListModel::SortRows() {
    if (sortColumn_ >= 0) sort_->SortRows(rows_, sortColumn_, sortOrder_ == Qt::DescendingOrder);
}

void MsListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= kColumnCount) return;
    sortColumn_ = column;
    sortOrder_ = order;
    // Rows listed from an earlier load have no keys in the catalogue's new one: the next fill
    // lists the new load in this order.
    if (!sort_ || catalogue_.LoadStamp() != orderedLoad_) return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int> before = rows_;
    SortRows();
    // Each catalogue row is listed once, so its new position tells where an index moved.
    const QModelIndexList moved = persistentIndexList();
    if (!moved.isEmpty()) {
        std::vector<int> position(size_t(catalogue_.UnitCount()) + 1, -1);
        for (size_t i = 0; i < rows_.size(); ++i) position[size_t(rows_[i])] = int(i);
        QModelIndexList to;
        to.reserve(moved.size());
        for (const QModelIndex& index : moved)
            to.append(this->index(position[size_t(before[size_t(index.row())])], index.column()));
        changePersistentIndexList(moved, to);
    }
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int MsListModel::CatalogueRow(int row) const {
    if (row < 0 || size_t(row) >= rows_.size()) return -1;
    return rows_[size_t(row)];
}

int MsListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int MsListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
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
            return preview_(catalogue_.Record(rows_[size_t(index.row())]));
        case Qt::TextAlignmentRole:
            switch (Column(index.column())) {
                case Column::Army:
                case Column::Shield:
                    return int(Qt::AlignVCenter | Qt::AlignHCenter);
                case Column::Weight:
                    return int(Qt::AlignVCenter | Qt::AlignRight);
                case Column::MsName:
                    return int(Qt::AlignVCenter | Qt::AlignLeft);
                default:
                    return QVariant();
            }
        default:
            return QVariant();
    }
}

QVariant MsListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return QVariant();
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignVCenter | Qt::AlignHCenter);
    // A first click on a header sorts ascending.
    if (role == Qt::InitialSortOrderRole) return int(Qt::AscendingOrder);
    if (role == Qt::ToolTipRole) return HeaderToolTip(section);
    if (role != Qt::DisplayRole) return QVariant();
    switch (Column(section)) {
        case Column::Army:
            return QStringLiteral(u"軍");
        case Column::Weight:
            return QStringLiteral(u"搭載");
        case Column::MsName:
            return QStringLiteral(u"機体名称");
        case Column::Supply:
            return QStringLiteral(u"補給");
        case Column::Hp:
            return QStringLiteral(u"ＨＰ");
        case Column::Armor:
            return QStringLiteral(u"装甲");
        case Column::AwayBase:
            return QStringLiteral(u"回避");
        case Column::PreemptiveBase:
            return QStringLiteral(u"先制");
        case Column::Move:
            return QStringLiteral(u"移動");
        case Column::Restriction:
            return QStringLiteral(u"制限");
        case Column::Repair:
            return QStringLiteral(u"修理");
        case Column::Shield:
            return QStringLiteral(u"盾");
        case Column::Tec:
            return QStringLiteral(u"TEC");
        default:
            return QString();
    }
}

QString MsListModel::CellText(const clsMsData& catalogue, int catalogueRow, int column) {
    if (catalogueRow < 1 || catalogueRow > catalogue.UnitCount()) return QString();
    const UnitStore& units = catalogue.Units();
    const auto text = [&](UnitText t) { return units.Text(catalogueRow, t).toString(); };
    switch (Column(column)) {
        case Column::MsNo:
            return units.Name(catalogueRow, UnitName::MsNo).toString();
        case Column::Army:
            return catalogue.get配備名(catalogueRow);
        case Column::Weight:
            return text(UnitText::Weight);
        case Column::MsName:
            return units.Name(catalogueRow, UnitName::MsName).toString();
        case Column::Supply:
            return text(UnitText::Supply);
        case Column::Hp:
            return text(UnitText::Hp);
        case Column::Armor:
            return text(UnitText::Armor);
        case Column::AwayBase:
            return text(UnitText::AwayBase);
        case Column::PreemptiveBase:
            return text(UnitText::PreemptiveBase);
        case Column::Move:
            return units.Text(catalogueRow, UnitText::MoveType) +
                   units.Text(catalogueRow, UnitText::Move);
        case Column::Restriction:
            return text(UnitText::Restriction);
        case Column::Repair:
            return text(UnitText::Repair);
        case Column::Shield:
            return units.Shield(catalogueRow) ? QStringLiteral(u"○") : QString();
        case Column::Tec:
            return text(UnitText::Tec);
        default:
            return QString();
    }
}

int MsListModel::ColumnWidthTwips(int column) {
    return column >= 0 && column < kColumnCount ? kWidthsTwips[size_t(column)] : 0;
}

}  // namespace velmora
