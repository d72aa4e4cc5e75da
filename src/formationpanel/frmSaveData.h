#pragma once

#include "formation/Formation.h"
#include "formation/FormationText.h"
#include "formation/SaveSlots.h"

#include <QDialog>
#include <QString>
#include <optional>

class QCheckBox;
class QLabel;
class QMouseEvent;
class QUndoStack;

namespace velmora {

class GridView;
class clsMsData;
class Platform;
class SettingsFile;

// The "登録データ" dialog: eight saved formations in section SaveData of setting.ini. The user
// stores the current formation into a slot under a comment, or picks a slot to load; Chosen()
// then holds that slot's four lists (none: load nothing). Open it with exec().
class frmSaveData : public QDialog {
    Q_OBJECT
public:
    frmSaveData(const clsMsData& catalogue, SettingsFile& settings, Platform& platform,
                FormationLists currentFormation, QWidget* parent = nullptr);
    ~frmSaveData() override;

    const std::optional<FormationLists>& Chosen() const { return chosen_; }
    // The commander to load with the chosen lists: the slot's, when chkLoadCommander is on and
    // the slot has one; none otherwise.
    const std::optional<Commander>& ChosenCommander() const { return chosenCommander_; }

    // The formation on screen as the document holds it, with the capacity that stands while no
    // rank is chosen: what a slot is stored with and compared against.
    void SetCurrent(const FormationState& state, const QString& baseCapacity);

    // Section Window, key loadcommander: "1" when chkLoadCommander is on.
    static bool ReadLoadCommander(const SettingsFile& settings);
    // The chosen lists joined by tabs; empty when none was chosen.
    QString Tag() const { return chosen_ ? chosen_->Joined() : QString(); }

    // Storing into a slot that holds an entry becomes a step on this stack (the main window's);
    // undoing it puts the slot's previous text back.
    void SetUndoStack(QUndoStack* stack) { undoStack_ = stack; }

protected:
    // A right-button press on the dialog's own surface closes it without loading anything.
    void mousePressEvent(QMouseEvent* event) override;

private:
    class SlotModel;
    class UnitModel;
    class CompareModel;

    // Reads the eight slots afresh into grdSaveData; the current slot row stays as it was.
    void FillSlots();
    // msList: one numbered row per MS number of the current slot, with the unit's name; and the
    // slot compared with the formation on screen in grdCompare and lblCompareUnits.
    void ListUnits();
    // The current slot row, 1 to 8; 0 when there is none.
    int CurrentSlot() const;
    void CloseWithoutLoading();
    void RememberLoadCommander(bool on);

    // The buttons: cmdSave stores the formation in the current slot, cmdLoad applies the slot.
    void StoreFormation();
    void LoadChosenSlot();

    const clsMsData& catalogue_;
    SettingsFile& settings_;
    Platform& platform_;
    const FormationLists currentFormation_;
    SaveSlots slots_;
    SlotModel* slotModel_ = nullptr;
    UnitModel* unitModel_ = nullptr;
    GridView* grdSaveData_ = nullptr;
    GridView* msList_ = nullptr;
    QCheckBox* chkLoadCommander_ = nullptr;
    CompareModel* compareModel_ = nullptr;
    QLabel* lblCompareUnits_ = nullptr;
    FormationState current_;
    QString baseCapacity_ = QStringLiteral("99");
    std::optional<FormationLists> chosen_;
    std::optional<Commander> chosenCommander_;
    QUndoStack* undoStack_ = nullptr;
};

}  // namespace velmora
