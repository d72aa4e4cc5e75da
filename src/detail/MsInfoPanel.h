#pragma once

#include "catalogue/Status.h"
#include "catalogue/UnitRecord.h"

#include <QGroupBox>
#include <QString>
#include <QStringList>
#include <functional>

class QComboBox;
class QLabel;

namespace velmora {

class clsMsData;
class GridView;
class Platform;
class WeaponTableModel;

// The "詳細" frame (fraMsInfo): the unit on display (CurMsData) with its figures, its weapon
// table grdMsInfo, the shield and modification lists and the deploy and update buttons. The
// record holds the equipped weapons; the weapon table only shows them.
class MsInfoPanel : public QGroupBox {
    Q_OBJECT
public:
    // Draws the picture of the unit on display (an empty record clears it); a picture that
    // cannot be shown is cleared, nothing to report.
    using PictureRefresh = std::function<void(const typMsData& unit, int shieldChoice,
                                              const QStringList& equippedColumn)>;

    MsInfoPanel(const clsMsData& catalogue, Platform& platform, QWidget* parent = nullptr);

    void SetPictureRefresh(PictureRefresh refresh);

    void SetMsData(const QString& msNo, bool updatePreemptive);
    void ShowMsData(const typMsData& record, bool updatePreemptive);
    // Empties the panel: no unit is on display until one is shown again, both lists are
    // disabled and the picture is cleared.
    void ClearMsData();
    void ColorMsInfo();

    // A unit picked in the unit list: shows it with its default equipment, the shield fitted
    // when it has one, no modification, and the catalogue's own evasion and pre-emption.
    void ShowListUnit(const QString& msNo);

    // A formation row picked: shows its unit with the row's stored shield, modification and
    // equipped weapon row (the texts of formation columns 15, 16 and 17).
    void ShowFormationUnit(const QString& msNo, const QString& shieldCell,
                           const QString& modificationCell, const QString& weaponCell);

    // The unit on display with its choices applied; an empty record (no MsName) when none is.
    const typMsData& CurMsData() const;
    int ShieldChoice() const;            // position of cmbShield
    int ModificationCode() const;        // item value of cmbReconstruct's current entry
    int EquippedRow() const;             // last equipped weapon row of CurMsData; 0 when none
    QStringList EquippedColumn() const;  // the equipped flags of weapons A to G

Q_SIGNALS:
    void addClicked();
    void editClicked();

private:
    void BuildControls();
    int CurrentWeaponRow() const;  // the weapon table's current row, 1 to 7; 0 when none
    void ShowAwayAndPreemptive();  // lblAway, then lblPreemptive, by the display formulas
    void ShowWeapons(const std::array<typWeapon, kWeaponCount>& weapons);
    void RefreshPicture();
    // A double-click in the weapon table: equips the row the first click made current.
    void ChooseWeapon();
    // The modification and shield lists' choices applied to the unit on display.
    void ApplyModification();
    void ApplyShield();

    const clsMsData& catalogue_;
    Platform& platform_;
    typMsData curMsData_;
    PictureRefresh refreshPicture_;

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
