#include "widgets/GridView.h"

#include "widgets/Twips.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace velmora {

GridView::GridView(QWidget* parent) : QTableView(parent) {
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
                if (fitting_ || fillColumn_ < 0) return;
                if (column == fillColumn_)
                    fillLeast_ = width;
                else
                    FitFillColumn();
            });
}

int GridView::CurrentGridRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void GridView::SetDesignColumnWidths(const std::function<int(int)>& widthOfColumn) {
    const int columns = model() ? model()->columnCount() : 0;
    for (int column = 0; column < columns; ++column) {
        const int twips = widthOfColumn(column);
        setColumnHidden(column, twips == 0);
        if (twips != 0) setColumnWidth(column, TwipsToPixels(twips));
    }
}

void GridView::SetFillColumn(int column) {
    fillColumn_ = column;
    fillLeast_ = columnWidth(column);
    FitFillColumn();
}

void GridView::FitFillColumn() {
    if (fillColumn_ < 0 || !model()) return;
    int others = 0;
    for (int c = 0; c < model()->columnCount(); ++c) {
        if (c != fillColumn_ && !isColumnHidden(c)) others += columnWidth(c);
    }
    const int width = qMax(fillLeast_, viewport()->width() - others);
    if (width == columnWidth(fillColumn_)) return;
    fitting_ = true;
    setColumnWidth(fillColumn_, width);
    fitting_ = false;
}

bool GridView::IsCut(const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) return false;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QVariant font = index.data(Qt::FontRole);
    const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : option.font);
    // The item delegate leaves a margin of a few pixels on either side of the text.
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    return metrics.horizontalAdvance(text) + margin > visualRect(index).width();
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
    if (event->type() == QEvent::Resize) FitFillColumn();
    return handled;
}

}  // namespace velmora
