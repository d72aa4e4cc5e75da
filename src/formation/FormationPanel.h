#pragma once

#include "detail/MsInfoPanel.h"

#include <QGroupBox>
#include <QString>
#include <optional>

namespace velmora {

class clsMsData;
class Platform;
class SettingsFile;

// What a new formation row is made of: the unit list's current row and the detail panel.
struct FormationRowSource {
    QString msNo;    // unit list column 0
    QString msName;  // unit list column 3
    QString weight;  // unit list column 2
    PanelFigures figures;
    int shieldChoice = 0;
    int modificationCode = 0;
    int equippedRow = 0;
};

// The "編成" frame (fraFormation): the formation grid grdFormation, the commander controls, the
// totals and the saved-formations button. Every change recomputes the rules and keeps the
// default formation in setting.ini.
class FormationPanel : public QGroupBox {
    Q_OBJECT
public:
    FormationPanel(const clsMsData& catalogue, SettingsFile& settings, Platform& platform,
                   QWidget* parent = nullptr);

    // Start-up: sets level, decoration and skill (invalid or missing values give their
    // defaults), then selects the rank, which recomputes and stores all four.
    void RestoreCommander(std::optional<int> rank, std::optional<int> level,
                          std::optional<int> decoration, std::optional<int> skill);

    void CalcFormation();
    void AddUnit(const FormationRowSource& source);  // does nothing with seven units
    void UpdateCurrentRow(const PanelFigures& figures, int shieldChoice, int modificationCode,
                          int equippedRow);
    void SelectFormationRow();
    void SaveDefaultFormation();
    void LoadDefaultFormation();
    bool ApplyFormationLists(const QString& fourLists);

    int RowCount() const;  // grid numbering, header included
    int CurrentRow() const;
    QString Cell(int row, int column) const;

Q_SIGNALS:
    // The verdict for the status bar's first panel.
    void verdictChanged(const QString& text);
    // SelectFormationRow: the detail panel must show this unit with the row's stored choices
    // (handled synchronously, before the recompute that follows).
    void unitSelected(const QString& msNo, const QString& shieldCell,
                      const QString& modificationCell, const QString& weaponCell);
    // Removing a unit left no current row: the detail panel must be cleared.
    void detailClearRequested();
};

}  // namespace velmora
