#pragma once

#include "formation/FormationColumns.h"
#include "formation/FormationRules.h"
#include "formation/FormationText.h"

#include <QGroupBox>
#include <QString>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace velmora {

class clsMsData;
class CommanderSpinBox;
class FormationModel;
class GridView;
class Platform;
class SettingsFile;

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
    // Appends the row of a unit (UnitRow); does nothing with seven units.
    void AddUnit(const FormationRow& row);
    // Writes the figures and choices of the unit's row (columns 3 to 7 and 15 to 17) into the
    // current row when that row holds a unit of the same name.
    void UpdateCurrentRow(const FormationRow& row);
    void SelectFormationRow();
    void SaveDefaultFormation();
    void LoadDefaultFormation();
    bool ApplyFormationLists(const QString& fourLists);

    int RowCount() const;  // grid numbering, header included
    int CurrentRow() const;
    QString Cell(int row, int column) const;
    FormationLists Lists() const;  // columns 0, 15, 16 and 17 of the unit rows

Q_SIGNALS:
    // The verdict for the status bar's first panel.
    void verdictChanged(const QString& text);
    // SelectFormationRow: the detail panel must show this unit with the row's stored choices
    // (handled synchronously, before the recompute that follows).
    void unitSelected(const QString& msNo, const QString& shieldCell,
                      const QString& modificationCell, const QString& weaponCell);
    // Removing a unit left no current row: the detail panel must be cleared.
    void detailClearRequested();

private:
    void BuildControls();
    Commander CurrentCommander() const;
    void WriteCommander(const Commander& commander);
    void ShowResult(const FormationResult& result);
    void StepCommander(CommanderSpinBox* spinner, QLabel* label);
    void RemoveCurrentRow();
    void OpenSavedFormations();
    void MakeCurrent(int modelRow);

    const clsMsData& catalogue_;
    SettingsFile& settings_;
    Platform& platform_;

    FormationModel* model_ = nullptr;
    GridView* grdFormation_ = nullptr;
    QComboBox* cmbClass_ = nullptr;
    CommanderSpinBox* upLevel_ = nullptr;
    CommanderSpinBox* upDecoration_ = nullptr;
    CommanderSpinBox* upSkill_ = nullptr;
    QLabel* lblLevel_ = nullptr;
    QLabel* lblDecoration_ = nullptr;
    QLabel* lblSkill_ = nullptr;
    QLabel* lblMyWeight_ = nullptr;
    QLabel* lblTotalWeight_ = nullptr;
    QLabel* lblPersonal_ = nullptr;
    QLabel* lblTotalRepair_ = nullptr;
    QLabel* lblRestriction_ = nullptr;
    QPushButton* cmdSaveLoad_ = nullptr;

    // The capacity before any penalty: the penalties never accumulate, also while no rank is
    // selected and the previous capacity stands.
    QString baseCapacity_;
    // Set while the program itself moves the current row: the row change is not the user's.
    bool movingRow_ = false;
    // A failed save of the commander settings is reported once until a save succeeds again,
    // since every recompute (a row selection, the focus) saves them.
    bool commanderFailureShown_ = false;
};

}  // namespace velmora
