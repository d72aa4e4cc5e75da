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

    // The column that takes the width the other columns leave free; its present width is the
    // least it gets (a user's resize of it sets a new least width).
    void SetFillColumn(int column);

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
    void FitFillColumn();

    int fillColumn_ = -1;
    int fillLeast_ = 0;
    bool fitting_ = false;
};

}  // namespace velmora
