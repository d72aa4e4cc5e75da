#pragma once

#include "catalogue/Status.h"
#include "formation/Formation.h"
#include "formation/FormationSettings.h"

#include <QGroupBox>
#include <QList>
#include <QString>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QUndoStack;

namespace velmora {

class clsMsData;
class CommanderSpinBox;
class FormationModel;
class GridView;
class Platform;
class SettingsFile;
struct typMsData;

// The "編成" frame (fraFormation): the formation document shown in the grid grdFormation, the
// commander controls, the totals and the saved-formations button. The controls edit the
// document; every edit becomes an undo step, and the commander and the default formation are
// saved to setting.ini at the moments the user made them.
class FormationPanel : public QGroupBox {
    Q_OBJECT
public:
    FormationPanel(const clsMsData& catalogue, SettingsFile& settings, Platform& platform,
                   QWidget* parent = nullptr);
    // The undo stack outlives this part of the panel and signals as it goes.
    ~FormationPanel() override;

    // Start-up: the commander as stored (invalid or missing values give their defaults), shown,
    // recomputed and saved back; no undo step.
    void RestoreCommander(const Result<int>& rank, const Result<int>& level,
                          const Result<int>& decoration, const Result<int>& skill);

    // The rules again over the document (the catalogue may have changed); writes nothing.
    void Recompute();
    // Appends the row of a unit (UnitRow); does nothing with seven units.
    void AddUnit(const FormationRow& row);
    // Writes the figures and choices of the unit's row (columns 3 to 7 and 15 to 17) into the
    // current row when that row holds a unit of the same name.
    void UpdateCurrentRow(const FormationRow& row);
    void SelectFormationRow();
    // The named saving steps: each writes only what changed.
    void SaveDefaultFormation();
    void SaveCommander();
    void LoadDefaultFormation();
    // Rebuilds the document from the lists; false, after saying why, when a list is short.
    bool ApplyFormationLists(const FormationLists& lists);

    const Formation& Document() const { return *formation_; }

    int RowCount() const;  // grid numbering, header included
    int CurrentRow() const;
    QString Cell(int row, int column) const;
    FormationLists Lists() const;  // columns 0, 15, 16 and 17 of the unit rows

    // Every change of the formation and of the commander is one step on this stack; the
    // start-up's restoring is none.
    QUndoStack* UndoStack() const { return undoStack_; }
    // "元に戻す", "やり直し", "編成をコピー", "編成を貼り付け" and "編成をクリア", for the window's
    // "編集" menu.
    // Undo, redo and paste answer their keys anywhere in the window, copy on the formation grid.
    QList<QAction*> EditActions() const;

    // The formation entries and the commander as they stand.
    const FormationState& State() const { return formation_->State(); }
    // Brings a state back as an undo or redo does: the document, the commander controls, and
    // setting.ini as if the state had just been made by hand.
    void RestoreState(const FormationState& state);

    // The formation as text to share: readable lines, then the formation text line as stored.
    QString ClipboardText() const;
    void CopyToClipboard() const;
    // Rebuilds the formation from what text holds (ParsePastedFormation), as loading a saved
    // formation does, as one step, and saves the default formation; a pasted commander is named
    // in the second status panel and, with loadcommander on, taken in the same step. Text
    // without a formation changes nothing and says so.
    void PasteFormation(const QString& text);
    void PasteFromClipboard();

    // What deploying the unit as listed would do to the formation: the tooltip of a list row.
    QString PreviewDeploy(const typMsData& unit) const;

Q_SIGNALS:
    // The verdict for the status bar's first panel.
    void verdictChanged(const QString& text);
    // The numbers behind the verdict, for the status bar's second panel.
    void verdictExplained(const QString& text);
    // SelectFormationRow: the detail panel must show this unit with the row's stored choices
    // (handled synchronously, before the recompute that follows).
    void unitSelected(const QString& msNo, const QString& shieldCell,
                      const QString& modificationCell, const QString& weaponCell);
    // Removing a unit left no current row: the detail panel must be cleared.
    void detailClearRequested();

private:
    class RecordedStep;

    void BuildControls();
    void BuildActions();
    // The document's figures into the labels and the status bar.
    void ShowOutcome();
    void SetCommanderControls(const Commander& commander);
    // A loaded or pasted commander: shown, taken by the document and saved (within the caller's
    // step).
    void TakeCommander(const Commander& commander);
    // The next change of the formation ends the pasted commander's note.
    void ForgetPastedCommander();
    // A commander control was changed by the user: the document takes the commander with that
    // one value changed, as one step named after the new value.
    void EditCommander(const Commander& commander, const QString& stepName,
                       int gesture = kNoGesture);
    // The steps of one spinner within a second of each other are one undo step: the spinner's
    // gesture id; typed values are steps of their own (kNoGesture).
    static constexpr int kNoGesture = -1;
    int Gesture(const CommanderSpinBox* spinner) const;
    void PushStep(const QString& name, int gesture = kNoGesture);
    void RemoveRowAsStep();
    // Every unit out as one step; nothing on an empty formation.
    void ClearFormation();
    void RemoveCurrentRow();
    void OpenSavedFormations();
    void MakeCurrent(int modelRow);

    const clsMsData& catalogue_;
    SettingsFile& settings_;
    FormationSettings store_;
    Platform& platform_;

    Formation* formation_ = nullptr;
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
    QUndoStack* undoStack_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* pasteAction_ = nullptr;
    QAction* clearAction_ = nullptr;

    // Set while the program itself moves the current row: the row change is not the user's.
    bool movingRow_ = false;
    // A failed save of the commander settings is reported once until a save succeeds again,
    // since every recompute (a row selection, the focus) saves them.
    bool commanderFailureShown_ = false;
    // The state the last step, undo, redo or the start-up left: the "before" of the next step.
    FormationState settled_;
    int recording_ = 0;       // open RecordedStep scopes; only the outermost records
    bool restoring_ = false;  // the start-up or an undo step sets the state: no step is made
    // "貼り付けた編成の指揮官: ..." in the second status panel until the formation next changes.
    QString pastedCommanderNote_;
};

}  // namespace velmora
