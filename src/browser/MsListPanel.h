#pragma once

#include "catalogue/UnitRecord.h"

#include <QGroupBox>
#include <QString>
#include <QStringList>

namespace velmora {

class clsMsData;

// The "機体一覧" frame (fraMsList): faction options, keyword box, the nine category toggles, the
// unit list grdMsList and the unit picture picImg. It filters and sorts the catalogue into the
// list and tells the window which unit the user picked; showing that unit is the window's job.
class MsListPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit MsListPanel(const clsMsData& catalogue, QWidget* parent = nullptr);

    // Refills the list with the units that pass every filter, sorted; chooses no row.
    void FillMsList(int armyIndex);

    // What an Enter in the keyword box does: refill for the selected faction option, then show
    // the unit of the current row (unitChosen) when there is one.
    void RefreshList();

    // Grid numbering: row 0 is the header, unit rows from 1; CurrentRow() is 0 when none.
    int RowCount() const;
    int CurrentRow() const;
    QString Cell(int row, int column) const;

    // The status-picture folder (ends with a separator), set by the start-up.
    void SetPictureFolder(const QString& msStatusPath);

    // Chooses the picture file for the unit in its shield and equipment state and shows it;
    // equippedColumn holds column 11 ("1" = equipped) of weapon rows 1 to 7.
    void ShowMsImage(const typMsData& record, int shieldChoice, const QStringList& equippedColumn);

    void vbWheelMinus();
    void vbWheelPlus();
    void vbMButtonUp();

Q_SIGNALS:
    // The current row changed to a unit row, or the list gained the focus on one.
    void unitChosen(const QString& msNo);
    // A faction option was clicked; emitted before the list is refilled.
    void factionChosen();
    // A unit row was double-clicked: deploy it.
    void deployRequested();
};

}  // namespace velmora
