#pragma once

#include <QTableView>
#include <functional>

namespace velmora {

// A table view that also reports what the program's grids react to beyond QTableView's own
// signals: gaining the focus, mouse presses and releases with their buttons and modifiers, and
// double-clicks of the left button, the only ones the grids act on (the right button also
// drives the unit list's wheel gesture). Tab leaves the grid (the arrow keys move inside it),
// and a cell whose text is cut shows its whole text as its tooltip, followed by the model's
// own tooltip for the cell.
class GridView : public QTableView {
    Q_OBJECT
public:
    explicit GridView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

    // The grid's name column. Widths set by SetDesignColumnWidths, by the user or by
    // SetPreferredWidth are preferences, not floors: width beyond them goes first to the columns
    // whose longest text (in the rows held now) is cut, until it fits, then to this column; a
    // narrower view takes width first from this column, then from the columns set wider than
    // their design, back to their design widths.
    void SetFillColumn(int column);

    // A column's preferred width (hidden: 0), and setting one as a user's resize does.
    int PreferredWidth(int column) const;
    void SetPreferredWidth(int column, int width);

    // The grids number rows as the design did: row 0 is the header, model rows count from 1;
    // 0 when there is no current row.
    int CurrentGridRow() const;

    // Column c gets the design width widthOfColumn(c), in twips, for every model column; a
    // width of 0 hides the column.
    void SetDesignColumnWidths(const std::function<int(int)>& widthOfColumn);

    // True when the cell's text is wider than the room its column gives it.
    bool IsCut(const QModelIndex& index) const;
    // The tooltip the cell shows: its whole text when cut, then the model's own tooltip.
    QString CellToolTip(const QModelIndex& index) const;

Q_SIGNALS:
    void focusGained();
    void mousePressed(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void leftDoubleClicked(const QModelIndex& index);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    class Header;

    void LayoutColumns();
    // The width the column's longest text needs, header included, in the rows held now.
    int NeededWidth(int column) const;
    int TextMargin() const;

    int fillColumn_ = -1;
    QList<int> design_;          // design widths, px
    QList<int> preferred_;       // design, restored or user-made widths, px
    QList<bool> userSized_;      // the user's width stays as it is: no extra for a cut text
    mutable QList<int> needed_;  // cached NeededWidth per column; -1: to measure
    bool fitting_ = false;
};

}  // namespace velmora
