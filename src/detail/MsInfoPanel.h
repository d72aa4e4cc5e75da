#pragma once

#include "catalogue/UnitRecord.h"
#include "rules/PanelFigures.h"

#include <QGroupBox>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;

namespace velmora {

class clsMsData;
class GridView;
class Platform;
class WeaponTableModel;

// The "詳細" frame (fraMsInfo): the unit on display (CurMsData) with its figures, its weapon
// table grdMsInfo, the shield and modification lists and the deploy and update buttons.
class MsInfoPanel : public QGroupBox {
    Q_OBJECT
public:
    MsInfoPanel(const clsMsData& catalogue, Platform& platform, QWidget* parent = nullptr);

    void SetMsData(const QString& msNo, bool updatePreemptive);
    void ShowMsData(const typMsData& record, bool updatePreemptive);
    void ClearMsData();
    void ColorMsInfo();

    // A unit picked in the unit list: shows it with its default equipment, the shield fitted
    // when it has one, no modification, and the catalogue's own evasion and pre-emption.
    void ShowListUnit(const QString& msNo);

    // A formation row picked: shows its unit with the row's stored shield, modification and
    // equipped weapon row (the texts of formation columns 15, 16 and 17).
    void ShowFormationUnit(const QString& msNo, const QString& shieldCell,
                           const QString& modificationCell, const QString& weaponCell);

    const typMsData& CurMsData() const;
    int ShieldChoice() const;            // position of cmbShield
    int ModificationCode() const;        // item value of cmbReconstruct's current entry
    int EquippedRow() const;             // last weapon row whose column 11 is "1"; 0 when none
    QStringList EquippedColumn() const;  // column 11 of weapon rows 1 to 7
    PanelFigures Figures() const;

Q_SIGNALS:
    void addClicked();
    void editClicked();
    // CurMsData, its shield or its equipment changed: the picture must follow.
    void pictureNeeded();

private:
    void BuildControls();
    int CurrentWeaponRow() const;  // the weapon table's current row, 1 to 7; 0 when none
    void ShowAwayAndPreemptive();  // lblAway, then lblPreemptive, by the display formulas
    void OnWeaponDoubleClicked();
    void ChooseWeapon();
    void OnReconstructChanged();
    void OnShieldChanged();

    const clsMsData& catalogue_;
    Platform& platform_;
    typMsData curMsData_;
    QString moveNumber_;  // the number part last written after the move type in lblMove

    WeaponTableModel* weapons_ = nullptr;
    GridView* grdMsInfo_ = nullptr;
    QLabel* lblMsName_ = nullptr;
    QLabel* lblHp_ = nullptr;
    QLabel* lblArmor_ = nullptr;
    QLabel* lblMove_ = nullptr;
    QLabel* lblWeight_ = nullptr;
    QLabel* lblAway_ = nullptr;
    QLabel* lblSupply_ = nullptr;
    QLabel* lblRepair_ = nullptr;
    QLabel* lblPreemptive_ = nullptr;
    QLabel* lblSale_ = nullptr;
    QComboBox* cmbShield_ = nullptr;
    QComboBox* cmbReconstruct_ = nullptr;
};

}  // namespace velmora
