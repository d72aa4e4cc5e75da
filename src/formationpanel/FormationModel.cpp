#include "formationpanel/FormationModel.h"

#include "catalogue/NumberText.h"
#include "formation/Formation.h"
#include "formation/FormationRows.h"

#include <array>

namespace velmora {

namespace {

struct ColumnLayout {
    const char16_t* header;
    int widthTwips;
    Qt::Alignment headerAlignment;  // 0: the grid's default
    Qt::Alignment cellAlignment;    // 0: the grid's default
    const char16_t* tip;            // the header's tooltip; empty for hidden columns
};

constexpr Qt::Alignment kDefault{};
constexpr Qt::Alignment kLeft = Qt::AlignLeft;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter;

const std::array<ColumnLayout, kFormationColumnCount>& Layout() {
    static const std::array<ColumnLayout, kFormationColumnCount> layout{{
        {u"", 0, kDefault, kDefault, u""},
        {u"機体名称", 2715, kDefault, kLeft, u"機体名称。ダブルクリックで編成から外します"},
        {u"搭載", 540, kCentre, kDefault, u"搭載量"},
        {u"ＨＰ", 540, kCentre, kDefault, u"ＨＰ（配備・更新したときの詳細の値）"},
        {u"装甲", 540, kCentre, kDefault, u"装甲（配備・更新したときの詳細の値）"},
        {u"回避", 540, kCentre, kDefault, u"回避（盾・装備・改造を含む）"},
        {u"先制", 540, kCentre, kDefault, u"先制（盾・装備・改造を含む）"},
        {u"移動", 540, kCentre, kCentre, u"移動タイプの頭文字と移動力"},
        {u"", 0, kDefault, kDefault, u""},
        {u"制限", 540, kDefault, kCentre,
         u"制限の区分。限定・限N：限定生産機、専用：専用機、一機：一機制限機"},
        {u"", 0, kDefault, kDefault, u""},
        {u"低HP", 540, kDefault, kCentre, u"○：ＨＰがいちばん低い機体（同じＨＰの機体にも）"},
        {u"高HP", 540, kDefault, kCentre, u"○：ＨＰがいちばん高い機体（同じＨＰの機体にも）"},
        {u"強MS", 540, kDefault, kCentre, u"○：搭載量がいちばん大きい機体（同じ搭載量の機体にも）"},
        {u"支援", 540, kDefault, kCentre, u"○：距離4まで届く武器を持つ機体"},
        {u"盾", 0, kDefault, kDefault, u""},
        {u"改造", 0, kDefault, kDefault, u""},
        {u"武器", 0, kDefault, kDefault, u""},
    }};
    return layout;
}

bool ValidColumn(int column) { return column >= 0 && column < kFormationColumnCount; }

// The grid's default places numbers on the right and other text on the left.
Qt::Alignment Aligned(Qt::Alignment alignment, const QString& text) {
    if (alignment == kDefault) alignment = num::IsNumeric(text) ? Qt::AlignRight : Qt::AlignLeft;
    return alignment | Qt::AlignVCenter;
}

}  // namespace

FormationModel::FormationModel(const Formation& formation, QObject* parent)
    : QAbstractTableModel(parent), formation_(formation), rows_(formation.Count()) {
    connect(&formation, &Formation::changed, this,
            [this](Formation::Change change, int entry) { Follow(int(change), entry); });
}

int FormationModel::ColumnWidthTwips(int column) {
    return ValidColumn(column) ? Layout()[std::size_t(column)].widthTwips : 0;
}

int FormationModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int FormationModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFormationColumnCount;
}

QVariant FormationModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    switch (role) {
        case Qt::DisplayRole:
            return formation_.Cell(index.row(), index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Aligned(Layout()[std::size_t(index.column())].cellAlignment,
                                               formation_.Cell(index.row(), index.column())));
        case Qt::BackgroundRole: {
            const std::size_t k = std::size_t(index.row());
            const std::vector<bool>& tinted = formation_.Outcome().againstRule;
            if (index.column() == Col(FormationColumn::Name) && k < tinted.size() && tinted[k])
                return TintColour();
            if (IsMissing(index.row())) return MissingColour();
            return QVariant();
        }
        case Qt::ToolTipRole:
            if (IsMissing(index.row()))
                return MissingUnitTip(formation_.Cell(index.row(), Col(FormationColumn::MsNo)));
            return QVariant();
        default:
            return QVariant();
    }
}

QVariant FormationModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || !ValidColumn(section)) return QVariant();
    const ColumnLayout& column = Layout()[std::size_t(section)];
    const QString header = QString::fromUtf16(column.header);
    switch (role) {
        case Qt::DisplayRole:
            return header;
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Aligned(column.headerAlignment, header));
        case Qt::ToolTipRole:
            return QString::fromUtf16(column.tip);
        default:
            return QVariant();
    }
}

void FormationModel::Follow(int change, int entry) {
    const int count = formation_.Count();
    switch (Formation::Change(change)) {
        case Formation::Change::Appended:
            if (count == rows_ + 1) {
                beginInsertRows(QModelIndex(), rows_, rows_);
                rows_ = count;
                endInsertRows();
                break;
            }
            [[fallthrough]];
        case Formation::Change::Reset:
            beginResetModel();
            rows_ = count;
            endResetModel();
            return;
        case Formation::Change::Entry:
            if (entry >= 0 && entry < rows_)
                Q_EMIT dataChanged(index(entry, 0), index(entry, kFormationColumnCount - 1),
                                   {Qt::DisplayRole, Qt::TextAlignmentRole});
            break;
        case Formation::Change::Figures:
            break;
    }
    // The markers and the tints, where the recompute moved them.
    if (rows_ > 0 && formation_.MarksMoved()) {
        Q_EMIT dataChanged(index(0, Col(FormationColumn::LowHp)),
                           index(rows_ - 1, Col(FormationColumn::Support)),
                           {Qt::DisplayRole, Qt::TextAlignmentRole});
        Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, kFormationColumnCount - 1),
                           {Qt::BackgroundRole, Qt::ToolTipRole});
    }
}

QColor FormationModel::TintColour() { return QColor(255, 204, 204); }

QColor FormationModel::MissingColour() { return QColor(255, 236, 170); }

bool FormationModel::IsMissing(int row) const {
    const std::vector<bool>& missing = formation_.Outcome().missing;
    return row >= 0 && std::size_t(row) < missing.size() && missing[std::size_t(row)];
}

}  // namespace velmora
