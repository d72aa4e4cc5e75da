#pragma once

#include "catalogue/UnitRecord.h"

#include <QGroupBox>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class QLineEdit;
class QRadioButton;

namespace velmora {

class CategoryToggle;
class clsMsData;
class GridView;
class MsListModel;
class UnitPictureBox;

// The "機体一覧" frame (fraMsList): faction options, keyword box, the nine category toggles, the
// unit list grdMsList and the unit picture picImg. It filters and sorts the catalogue into the
// list and tells the window which unit the user picked; showing that unit is the window's job.
class MsListPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit MsListPanel(const clsMsData& catalogue, QWidget* parent = nullptr);

    // Refills the list with the units that pass every filter, sorted, without unitChosen: the
    // unit that was current stays current when it is still listed, else no row is current.
    void FillMsList(int armyIndex);

    // No row is current or highlighted (the detail panel shows something else), without
    // unitChosen.
    void ClearCurrentRow();

    // What an Enter in the keyword box does: refill for the selected faction option, then show
    // the unit of the current row (unitChosen) when there is one.
    void RefreshList();

    // Grid numbering: row 0 is the header, unit rows from 1; CurrentRow() is 0 when none.
    int RowCount() const;
    int CurrentRow() const;
    QString Cell(int row, int column) const;

    // The status-picture folder (ends with a separator), set by the start-up.
    void SetPictureFolder(const QString& msStatusPath);
    // The text picImg shows while it has no picture (empty: none).
    void SetPictureNote(const QString& note);

    // Chooses the picture file for the unit in its shield and equipment state and shows it;
    // equippedColumn holds column 11 ("1" = equipped) of weapon rows 1 to 7.
    void ShowMsImage(const typMsData& record, int shieldChoice, const QStringList& equippedColumn);

    // The list's preferred column widths in model order, hidden columns included (as 0): what
    // the user made them, not what a small window leaves them. Setting them takes only a list
    // of that length, and only for the visible columns; they give way to a smaller window.
    QList<int> ColumnWidths() const;
    void SetColumnWidths(const QList<int>& widths);

    void vbWheelMinus();
    void vbWheelPlus();
    void vbMButtonUp();

    // The tooltip of a unit row: what deploying that unit would do (see MsListModel).
    void SetPreview(std::function<QString(const typMsData&)> preview);

Q_SIGNALS:
    // The current row changed to a unit row, or the list gained the focus on one.
    void unitChosen(const QString& msNo);
    // A faction option was clicked; emitted before the list is refilled.
    void factionChosen();
    // A unit row was double-clicked, or Enter pressed on it: deploy it.
    void deployRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildFilters(QWidget* row);
    void BuildGrid();
    int SelectedArmyIndex() const;
    void ShowCurrentUnit();
    void DrawImgFile(const QString& path);
    void OnMousePressed(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void OnMouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

    MsListModel* model_;
    GridView* grid_ = nullptr;
    std::array<QRadioButton*, 3> options_{};
    QLineEdit* keyword_ = nullptr;
    std::array<CategoryToggle*, 9> toggles_{};
    UnitPictureBox* picture_ = nullptr;
    QString pictureFolder_;
    bool filling_ = false;     // a refill is moving the current row: no unit is chosen
    bool wheelArmed_ = false;  // Shift/Ctrl + left press seen: a right release scrolls
};

}  // namespace velmora
