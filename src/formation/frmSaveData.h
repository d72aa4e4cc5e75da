#pragma once

#include "formation/FormationText.h"
#include "formation/SaveSlots.h"

#include <QDialog>
#include <QString>
#include <optional>

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

    // Reads the eight slots afresh into grdSaveData; the current slot row stays as it was.
    void FillSlots();
    // msList: one numbered row per MS number of the current slot, with the unit's name.
    void ListUnits();
    // The current slot row, 1 to 8; 0 when there is none.
    int CurrentSlot() const;
    void CloseWithoutLoading();

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
    std::optional<FormationLists> chosen_;
    QUndoStack* undoStack_ = nullptr;
};

}  // namespace velmora
