#pragma once

#include <QTableView>

namespace velmora {

// A table view that also reports what the program's grids react to beyond QTableView's own
// signals: gaining the focus, mouse presses and releases with their buttons and modifiers, and
// double-clicks of the left button, the only ones the grids act on (the right button also
// drives the unit list's wheel gesture).
class GridView : public QTableView {
    Q_OBJECT
public:
    explicit GridView(QWidget* parent = nullptr);

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
};

}  // namespace velmora
