#include "widgets/GridView.h"

#include "widgets/Twips.h"
#include "widgets/WidestText.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QSet>
#include <QStyleOptionHeader>
#include <QToolTip>

namespace velmora {

// A header whose sort indicator is a small triangle above the text, which sits at the bottom of
// the section: the mark stays clear of the text at any width.
class GridView::Header : public QHeaderView {
public:
    explicit Header(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

    // Two pixels taller than the text needs: the strip the mark takes above it.
    QSize sizeHint() const override { return QHeaderView::sizeHint() + QSize(0, kMarkStrip); }

protected:
    static constexpr int kMarkStrip = 2;

    // As QHeaderView measures a section, but in the header's font: QHeaderView measures in bold,
    // as a highlighted section is drawn, and these never are; a bold face costs the start-up a
    // font of its own.
    QSize sectionSizeFromContents(int logicalIndex) const override {
        ensurePolished();
        const QVariant size = model()->headerData(logicalIndex, orientation(), Qt::SizeHintRole);
        if (size.isValid()) return size.toSize();
        QStyleOptionHeaderV2 option;
        initStyleOption(&option);
        option.section = logicalIndex;
        const QVariant font = model()->headerData(logicalIndex, orientation(), Qt::FontRole);
        option.fontMetrics =
            QFontMetrics(font.canConvert<QFont>() ? qvariant_cast<QFont>(font) : this->font());
        option.text = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
        const QVariant decoration =
            model()->headerData(logicalIndex, orientation(), Qt::DecorationRole);
        option.icon = qvariant_cast<QIcon>(decoration);
        if (option.icon.isNull()) option.icon = qvariant_cast<QPixmap>(decoration);
        if (isSortIndicatorShown()) option.sortIndicator = QStyleOptionHeader::SortDown;
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
    }

    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override {
        QHeaderView::initStyleOptionForIndex(option, logicalIndex);
        option->sortIndicator = QStyleOptionHeader::None;
        option->textAlignment = (option->textAlignment & Qt::AlignHorizontal_Mask) | Qt::AlignBottom;
    }

    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        // The section leaves the painter clipped to nothing.
        painter->save();
        QHeaderView::paintSection(painter, rect, logicalIndex);
        painter->restore();
        if (!isSortIndicatorShown() || logicalIndex != sortIndicatorSection()) return;
        constexpr int kHalf = 4;
        constexpr int kHeight = 3;
        const int x = rect.center().x();
        const int top = rect.top();
        const int bottom = top + kHeight;
        const bool up = sortIndicatorOrder() == Qt::AscendingOrder;
        const QPolygon arrow =
            up ? QPolygon({QPoint(x, top), QPoint(x - kHalf, bottom), QPoint(x + kHalf, bottom)})
               : QPolygon({QPoint(x - kHalf, top), QPoint(x + kHalf, top), QPoint(x, bottom)});
        painter->save();
        painter->setClipRect(rect);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette().color(QPalette::ButtonText));
        painter->drawPolygon(arrow);
        painter->restore();
    }
};

GridView::GridView(QWidget* parent) : QTableView(parent) {
    setHorizontalHeader(new Header(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab goes on to the next control instead of walking every cell.
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(18);
    horizontalHeader()->setHighlightSections(false);
    setWordWrap(false);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (fitting_ || column >= preferred_.size()) return;
                // The user's own width: kept as it is while the view has room for it.
                preferred_[column] = width;
                userSized_[column] = true;
                LayoutColumns();
            });
}

void GridView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    if (!model) return;
    // Until design widths are given, the present widths are the design.
    for (int c = 0; c < model->columnCount(); ++c) design_.append(columnWidth(c));
    preferred_ = design_;
    userSized_ = QList<bool>(design_.size(), false);
    needed_ = QList<int>(design_.size(), -1);
    // New texts may need other widths; a sort moves rows but keeps the texts.
    const auto remeasure = [this] {
        needed_.fill(-1);
        LayoutColumns();
    };
    connect(model, &QAbstractItemModel::modelReset, this, remeasure);
    connect(model, &QAbstractItemModel::rowsInserted, this, remeasure);
    connect(model, &QAbstractItemModel::rowsRemoved, this, remeasure);
    connect(model, &QAbstractItemModel::dataChanged, this, remeasure);
    connect(model, &QAbstractItemModel::headerDataChanged, this, remeasure);
}

int GridView::CurrentGridRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void GridView::SetDesignColumnWidths(const std::function<int(int)>& widthOfColumn) {
    const int columns = model() ? model()->columnCount() : 0;
    design_ = QList<int>(columns, 0);
    userSized_ = QList<bool>(columns, false);
    needed_ = QList<int>(columns, -1);
    fitting_ = true;
    for (int column = 0; column < columns; ++column) {
        const int twips = widthOfColumn(column);
        setColumnHidden(column, twips == 0);
        design_[column] = TwipsToPixels(twips);
        if (twips != 0) setColumnWidth(column, design_[column]);
    }
    fitting_ = false;
    preferred_ = design_;
    LayoutColumns();
}

void GridView::SetFillColumn(int column) {
    fillColumn_ = column;
    LayoutColumns();
}

int GridView::PreferredWidth(int column) const {
    return isColumnHidden(column) ? 0 : preferred_.value(column, columnWidth(column));
}

void GridView::SetPreferredWidth(int column, int width) {
    if (column < 0 || column >= preferred_.size() || isColumnHidden(column)) return;
    // A width from an earlier session: a preference that gives way to a smaller window.
    preferred_[column] = width;
    userSized_[column] = false;
    LayoutColumns();
}

int GridView::TextMargin() const {
    // The item delegate leaves a margin of a few pixels on either side of the text.
    return 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
}

int GridView::NeededWidth(int column) const {
    if (needed_[column] >= 0) return needed_[column];
    const QFontMetrics headerMetrics(horizontalHeader()->font());
    const int headerMargin =
        2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader());
    int widest =
        headerMetrics.horizontalAdvance(model()->headerData(column, Qt::Horizontal).toString()) +
        headerMargin;
    // Cells of one column repeat their texts: each distinct text is measured once. A list far
    // longer than any real catalogue is measured on an even sample of its rows, so a refill
    // stays instant; a text the sample missed still shows whole as its tooltip.
    constexpr int kMeasuredRows = 512;
    QSet<QString> measured;
    WidestText texts(font());
    const int rows = model()->rowCount();
    const int step = qMax(1, rows / kMeasuredRows);
    for (int row = 0; row < rows; row += step) {
        const QString text = model()->index(row, column).data().toString();
        if (text.isEmpty() || measured.contains(text)) continue;
        measured.insert(text);
        texts.Add(text);
    }
    const int widestText = texts.Width();
    // The grid line takes a pixel of the cell.
    const int grid = showGrid() ? 1 : 0;
    if (widestText > 0) widest = qMax(widest, widestText + TextMargin() + grid);
    needed_[column] = widest;
    return widest;
}

void GridView::LayoutColumns() {
    if (fitting_ || fillColumn_ < 0 || !model() || preferred_.size() != model()->columnCount())
        return;
    const int columns = int(preferred_.size());
    QList<int> widths(columns, 0);
    int total = 0;
    for (int c = 0; c < columns; ++c) {
        if (isColumnHidden(c)) continue;
        widths[c] = preferred_[c];
        total += widths[c];
    }
    // A view not shown has no width of its own yet: it keeps the preferred widths.
    int room = isVisible() ? viewport()->width() - total : 0;
    if (room >= 0) {
        // First the texts that are cut, then the name column.
        for (int c = 0; c < columns && room > 0; ++c) {
            if (c == fillColumn_ || isColumnHidden(c) || userSized_[c]) continue;
            const int add = qBound(0, NeededWidth(c) - widths[c], room);
            widths[c] += add;
            room -= add;
        }
        widths[fillColumn_] += room;
    } else {
        int deficit = -room;
        const auto shrink = [&](int c, int least) {
            const int take = qBound(0, widths[c] - least, deficit);
            widths[c] -= take;
            deficit -= take;
        };
        // The name column to its design width (a width the user set now stays), the other
        // columns back to theirs, then the name column as far as its header.
        const int fillDesign = qMin(widths[fillColumn_], design_[fillColumn_]);
        shrink(fillColumn_, userSized_[fillColumn_] ? widths[fillColumn_] : fillDesign);
        for (int c = 0; c < columns && deficit > 0; ++c) {
            if (c == fillColumn_ || isColumnHidden(c) || userSized_[c]) continue;
            shrink(c, qMin(widths[c], design_[c]));
        }
        if (!userSized_[fillColumn_]) {
            const QFontMetrics headerMetrics(horizontalHeader()->font());
            shrink(fillColumn_,
                   qMin(widths[fillColumn_],
                        headerMetrics.horizontalAdvance(
                            model()->headerData(fillColumn_, Qt::Horizontal).toString()) +
                            TextMargin() * 2));
        }
    }
    fitting_ = true;
    for (int c = 0; c < columns; ++c) {
        if (!isColumnHidden(c) && columnWidth(c) != widths[c]) setColumnWidth(c, widths[c]);
    }
    fitting_ = false;
}

bool GridView::IsCut(const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) return false;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QVariant font = index.data(Qt::FontRole);
    const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : option.font);
    return metrics.horizontalAdvance(text) + TextMargin() > visualRect(index).width();
}

QString GridView::CellToolTip(const QModelIndex& index) const {
    const QString own = index.data(Qt::ToolTipRole).toString();
    if (!IsCut(index)) return own;
    const QString whole = index.data(Qt::DisplayRole).toString();
    return own.isEmpty() ? whole : whole + u'\n' + own;
}

void GridView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    Q_EMIT focusGained();
}

void GridView::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    Q_EMIT mousePressed(event->buttons(), event->modifiers());
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    Q_EMIT mouseReleased(event->button(), event->modifiers());
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid()) Q_EMIT leftDoubleClicked(index);
}

bool GridView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        if (index.isValid() && IsCut(index)) {
            QToolTip::showText(help->globalPos(), CellToolTip(index), viewport(),
                               visualRect(index));
            return true;
        }
    }
    const bool handled = QTableView::viewportEvent(event);
    // The free width changes with the view and with its vertical scroll bar.
    if (event->type() == QEvent::Resize) LayoutColumns();
    return handled;
}

}  // namespace velmora
