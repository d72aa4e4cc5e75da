#include "detail/MsInfoPanel.h"

#include "catalogue/NumberText.h"
#include "catalogue/clsMsData.h"
#include "detail/WeaponTableModel.h"
#include "rules/PanelFigures.h"
#include "rules/Reconstruct.h"
#include "system/MessageTexts.h"
#include "system/Platform.h"
#include "widgets/GridView.h"
#include "widgets/Twips.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace velmora {

namespace {

// The controls right of the grid are placed as designed: twips relative to the frame, the
// right-hand column starting at x 8880 and the grid's top at y 240.
constexpr int kColumnLeft = 8880;
constexpr int kColumnTop = 240;
constexpr int kColumnWidth = 193;   // up to cmbReconstruct's right edge, 11775
constexpr int kColumnHeight = 123;  // down to the buttons' bottom edge

QRect Design(int left, int top, int width, int height) {
    return TwipsRect(left - kColumnLeft, top - kColumnTop, width, height);
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, const QRect& where) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(where);
    return label;
}

}  // namespace

MsInfoPanel::MsInfoPanel(const clsMsData& catalogue, Platform& platform, QWidget* parent)
    : QGroupBox(QStringLiteral(u"詳細"), parent), catalogue_(catalogue), platform_(platform) {
    setObjectName(QStringLiteral(u"fraMsInfo"));
    BuildControls();
}

void MsInfoPanel::BuildControls() {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(5, 0, 5, 3);
    layout->setSpacing(5);

    weapons_ = new WeaponTableModel(this);
    grdMsInfo_ = new GridView(this);
    grdMsInfo_->setObjectName(QStringLiteral(u"grdMsInfo"));
    grdMsInfo_->setModel(weapons_);
    grdMsInfo_->verticalHeader()->setMinimumSectionSize(12);
    grdMsInfo_->verticalHeader()->setDefaultSectionSize(15);
    // The seven weapons and the header fit the design height; the columns fit its width.
    grdMsInfo_->horizontalHeader()->setFixedHeight(17);
    grdMsInfo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdMsInfo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdMsInfo_->SetDesignColumnWidths(&WeaponTableModel::ColumnWidthTwips);
    grdMsInfo_->SetFillColumn(Col(WeaponTableModel::Column::Name));
    grdMsInfo_->setCurrentIndex(weapons_->index(0, Col(WeaponTableModel::Column::Name)));
    layout->addWidget(grdMsInfo_, 1);

    auto* side = new QWidget(this);
    side->setFixedSize(kColumnWidth, kColumnHeight);
    layout->addWidget(side, 0, Qt::AlignTop);

    // The box is made before the name so that the name is drawn on top of it.
    auto* nameBox =
        AddLabel(side, QStringLiteral(u"lblMsInfo_2"), QString(), Design(8895, 240, 2880, 270));
    nameBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblMsName_ =
        AddLabel(side, QStringLiteral(u"lblMsName"), QString(), Design(8955, 285, 2760, 195));

    AddLabel(side, QStringLiteral(u"lblCaption_7"), QStringLiteral(u"ＨＰ"),
             Design(8895, 570, 450, 195));
    AddLabel(side, QStringLiteral(u"lblCaption_11"), QStringLiteral(u"装甲"),
             Design(9825, 555, 525, 195));
    AddLabel(side, QStringLiteral(u"lblCaption_14"), QStringLiteral(u"移動"),
             Design(10725, 555, 495, 195));
    AddLabel(side, QStringLiteral(u"lblCaption_4"), QStringLiteral(u"搭載"),
             Design(8895, 855, 450, 195));
    AddLabel(side, QStringLiteral(u"lblCaption_21"), QStringLiteral(u"回避"),
             Design(9825, 855, 525, 195));
    AddLabel(side, QStringLiteral(u"lblCaption_15"), QStringLiteral(u"補給"),
             Design(10725, 855, 465, 195));
    AddLabel(side, QStringLiteral(u"lblCaption_10"), QStringLiteral(u"修理"),
             Design(8895, 1140, 450, 195));
    AddLabel(side, QStringLiteral(u"lblCaption_13"), QStringLiteral(u"先制"),
             Design(9825, 1140, 525, 195));

    // Value labels reach to the next caption so that wider figures are not cut.
    lblHp_ = AddLabel(side, QStringLiteral(u"lblHp"), QString(), Design(9345, 570, 480, 195));
    lblArmor_ =
        AddLabel(side, QStringLiteral(u"lblArmor"), QString(), Design(10350, 570, 375, 195));
    lblMove_ = AddLabel(side, QStringLiteral(u"lblMove"), QString(), Design(11220, 570, 660, 195));
    lblWeight_ =
        AddLabel(side, QStringLiteral(u"lblWeight"), QString(), Design(9345, 870, 480, 195));
    lblAway_ = AddLabel(side, QStringLiteral(u"lblAway"), QString(), Design(10350, 870, 375, 195));
    lblSupply_ =
        AddLabel(side, QStringLiteral(u"lblSupply"), QString(), Design(11190, 870, 690, 195));
    lblRepair_ =
        AddLabel(side, QStringLiteral(u"lblRepair"), QString(), Design(9345, 1155, 480, 195));
    lblPreemptive_ =
        AddLabel(side, QStringLiteral(u"lblPreemptive"), QString(), Design(10350, 1155, 375, 195));
    lblSale_ =
        AddLabel(side, QStringLiteral(u"lblSale"), QString(), Design(10725, 1155, 1155, 195));

    // Only the weight is set, so the rest of the font still follows the window's.
    QFont bold;
    bold.setBold(true);
    for (QLabel* value : {lblHp_, lblArmor_, lblMove_, lblWeight_, lblAway_, lblSupply_, lblRepair_,
                          lblPreemptive_, lblSale_})
        value->setFont(bold);

    // Three columns of underlines, one under each row of values.
    const int lineLeft[] = {8895, 9795, 10710};
    const int lineRight[] = {9690, 10590, 11760};
    const int lineTop[] = {765, 1050, 1350};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            auto* line = new QFrame(side);
            line->setObjectName(QStringLiteral(u"linUnder_%1").arg(row * 3 + column));
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Plain);
            line->setGeometry(Design(lineLeft[column], lineTop[row] - 15,
                                     lineRight[column] - lineLeft[column], 45));
        }
    }

    cmbShield_ = new QComboBox(side);
    cmbShield_->setObjectName(QStringLiteral(u"cmbShield"));
    cmbShield_->addItem(QStringLiteral(u"盾なし"), 0);
    cmbShield_->addItem(QStringLiteral(u"盾あり"), 0);
    cmbShield_->setGeometry(Design(8895, 1425, 1095, 300));

    cmbReconstruct_ = new QComboBox(side);
    cmbReconstruct_->setObjectName(QStringLiteral(u"cmbReconstruct"));
    for (const QString& text : ModificationTexts()) cmbReconstruct_->addItem(text, 0);
    // Each entry gets the code of its text; an entry whose text is none of the nine keeps its
    // value.
    for (int i = 0; i < cmbReconstruct_->count(); ++i) {
        const int code = ModificationCodeOf(cmbReconstruct_->itemText(i));
        if (code >= 0) cmbReconstruct_->setItemData(i, code);
    }
    cmbReconstruct_->setGeometry(Design(10035, 1425, 1740, 300));
    cmbShield_->setCurrentIndex(0);
    cmbReconstruct_->setCurrentIndex(0);

    auto* cmdAdd = new QPushButton(QStringLiteral(u"配備"), side);
    cmdAdd->setObjectName(QStringLiteral(u"cmdAdd"));
    cmdAdd->setGeometry(Design(10035, 1770, 840, 315));
    auto* cmdEdit = new QPushButton(QStringLiteral(u"更新"), side);
    cmdEdit->setObjectName(QStringLiteral(u"cmdEdit"));
    cmdEdit->setGeometry(Design(10920, 1770, 840, 315));

    connect(cmdAdd, &QPushButton::clicked, this, &MsInfoPanel::addClicked);
    connect(cmdEdit, &QPushButton::clicked, this, &MsInfoPanel::editClicked);
    connect(cmbShield_, &QComboBox::currentIndexChanged, this, [this] { ApplyShield(); });
    connect(cmbReconstruct_, &QComboBox::currentIndexChanged, this,
            [this] { ApplyModification(); });
    connect(grdMsInfo_, &GridView::leftDoubleClicked, this, [this] { ChooseWeapon(); });
    // No unit is on display yet.
    cmbShield_->setEnabled(false);
    cmbReconstruct_->setEnabled(false);
}

void MsInfoPanel::SetPictureRefresh(PictureRefresh refresh) {
    refreshPicture_ = std::move(refresh);
}

void MsInfoPanel::SetMsData(const QString& msNo, bool updatePreemptive) {
    ShowMsData(catalogue_.GetMsData(msNo), updatePreemptive);
}

void MsInfoPanel::ShowMsData(const typMsData& record, bool updatePreemptive) {
    lblMsName_->setText(record.MsName);
    if (record.MsName.isEmpty()) return;

    const PanelFigures figures = FiguresOf(record);
    grdMsInfo_->setUpdatesEnabled(false);
    lblHp_->setText(figures.hp);
    lblWeight_->setText(record.Weight);
    lblRepair_->setText(record.Repair);
    lblArmor_->setText(figures.armor);
    if (updatePreemptive) lblPreemptive_->setText(figures.preemptive);
    lblMove_->setText(record.MoveType + figures.moveNumber);
    lblSupply_->setText(record.Supply);
    lblSale_->setText(record.Restriction);
    weapons_->SetWeapons(record.Weapon);
    grdMsInfo_->setUpdatesEnabled(true);
}

void MsInfoPanel::ClearMsData() {
    for (QLabel* label : {lblMsName_, lblHp_, lblArmor_, lblMove_, lblWeight_, lblAway_, lblSupply_,
                          lblRepair_, lblPreemptive_, lblSale_})
        label->clear();
    weapons_->ClearData();
    weapons_->SetTints({});
    grdMsInfo_->setCurrentIndex(weapons_->index(0, Col(WeaponTableModel::Column::Name)));
    // The unit shown before is gone: neither list nor the deploy button can bring it back.
    curMsData_ = typMsData();
    cmbShield_->setEnabled(false);
    cmbReconstruct_->setEnabled(false);
    RefreshPicture();
}

void MsInfoPanel::ColorMsInfo() {
    const int row = CurrentWeaponRow();
    grdMsInfo_->setUpdatesEnabled(false);
    std::array<bool, kWeaponCount> tinted{};
    for (int k = 0; k < kWeaponCount; ++k) {
        tinted[k] = weapons_->Text(k, Col(WeaponTableModel::Column::Equipped)) == FlagOn() ||
                    weapons_->Text(k, Col(WeaponTableModel::Column::Detach)) == u"×";
    }
    weapons_->SetTints(tinted);
    // The current row shows selected across the table again.
    if (row >= 1)
        grdMsInfo_->setCurrentIndex(weapons_->index(row - 1, Col(WeaponTableModel::Column::Name)));
    grdMsInfo_->setUpdatesEnabled(true);
}

void MsInfoPanel::ShowListUnit(const QString& msNo) {
    SetMsData(msNo, false);
    curMsData_ = catalogue_.GetMsData(msNo);

    // The lists are set while disabled, so their own handling does no work.
    const UnitChoices choices = ListedChoices(curMsData_);
    cmbShield_->setEnabled(false);
    cmbShield_->setCurrentIndex(choices.shield);
    cmbShield_->setEnabled(HasShield(curMsData_));
    cmbReconstruct_->setEnabled(false);
    cmbReconstruct_->setCurrentIndex(choices.modification);
    cmbReconstruct_->setEnabled(true);

    CalcReconstruct(curMsData_, ShieldChoice(), ModificationCode());
    RefreshPicture();
    // The list shows the catalogue's own evasion and pre-emption.
    lblAway_->setText(num::ReFormat(curMsData_.AwayBase));
    lblPreemptive_->setText(num::ReFormat(curMsData_.PreemptiveBase));
    ColorMsInfo();
}

void MsInfoPanel::ShowFormationUnit(const QString& msNo, const QString& shieldCell,
                                    const QString& modificationCell, const QString& weaponCell) {
    SetMsData(msNo, false);
    curMsData_ = catalogue_.GetMsData(msNo);

    // Only the stored row is equipped; 0 equips none.
    EquipRow(curMsData_, num::Val(weaponCell));
    ShowWeapons(curMsData_.Weapon);
    ColorMsInfo();

    // The stored modification runs its list handling exactly once, changed index or not; a code
    // that no entry carries leaves the list as it is. The list is set while enabled.
    cmbReconstruct_->setEnabled(true);
    const double code = num::Val(modificationCell);
    for (int i = 0; i < cmbReconstruct_->count(); ++i) {
        if (cmbReconstruct_->itemData(i).toInt() != code) continue;
        {
            const QSignalBlocker blocker(cmbReconstruct_);
            cmbReconstruct_->setCurrentIndex(i);
        }
        ApplyModification();
        break;
    }

    // Any stored position other than 0 means the shield is fitted: the list has two entries,
    // and a hand-edited value must not leave it without a valid one.
    cmbShield_->setEnabled(false);
    if (HasShield(curMsData_)) {
        cmbShield_->setCurrentIndex(num::Whole(num::Val(shieldCell)) != 0 ? 1 : 0);
        cmbShield_->setEnabled(true);
    } else {
        cmbShield_->setCurrentIndex(0);
    }

    CalcReconstruct(curMsData_, ShieldChoice(), ModificationCode());
    RefreshPicture();
    ShowAwayAndPreemptive();
}

const typMsData& MsInfoPanel::CurMsData() const { return curMsData_; }

int MsInfoPanel::ShieldChoice() const { return cmbShield_->currentIndex(); }

int MsInfoPanel::ModificationCode() const { return cmbReconstruct_->currentData().toInt(); }

int MsInfoPanel::EquippedRow() const { return EquippedRowOf(curMsData_); }

QStringList MsInfoPanel::EquippedColumn() const {
    QStringList column;
    for (const typWeapon& weapon : curMsData_.Weapon) column << weapon.Equipped;
    return column;
}

int MsInfoPanel::CurrentWeaponRow() const { return grdMsInfo_->CurrentGridRow(); }

void MsInfoPanel::ShowAwayAndPreemptive() {
    const PanelFigures figures = FiguresOf(curMsData_);
    lblAway_->setText(figures.away);
    lblPreemptive_->setText(figures.preemptive);
}

void MsInfoPanel::ShowWeapons(const std::array<typWeapon, kWeaponCount>& weapons) {
    grdMsInfo_->setUpdatesEnabled(false);
    weapons_->SetWeapons(weapons);
    grdMsInfo_->setUpdatesEnabled(true);
}

void MsInfoPanel::RefreshPicture() {
    if (refreshPicture_) refreshPicture_(curMsData_, ShieldChoice(), EquippedColumn());
}

void MsInfoPanel::ChooseWeapon() {
    // The row acted on is the one the double-click's first click made current. Weapon A is
    // never chosen this way, nor a row that is equipped already or is no option.
    const int row = CurrentWeaponRow();
    if (row < 2 || curMsData_.MsName.isEmpty()) return;
    const typWeapon& weapon = curMsData_.Weapon[std::size_t(row - 1)];
    if (weapon.Equipped == FlagOn() || weapon.Option != FlagOn()) return;

    EquipRow(curMsData_, row);
    ShowWeapons(curMsData_.Weapon);
    ColorMsInfo();

    CalcReconstruct(curMsData_, ShieldChoice(), ModificationCode());
    RefreshPicture();
    ShowAwayAndPreemptive();
}

void MsInfoPanel::ApplyModification() {
    if (curMsData_.MsName.isEmpty()) return;
    // A disabled list still recomputes the record; only the screen stays as it is.
    const bool ok = CalcReconstruct(curMsData_, ShieldChoice(), ModificationCode());
    if (!cmbReconstruct_->isEnabled() || !ok) return;
    ShowMsData(curMsData_, true);
    RefreshPicture();
    ShowAwayAndPreemptive();
}

void MsInfoPanel::ApplyShield() {
    if (curMsData_.MsName.isEmpty() || !cmbShield_->isEnabled()) return;
    CalcReconstruct(curMsData_, ShieldChoice(), ModificationCode());
    RefreshPicture();
    ShowAwayAndPreemptive();
}

}  // namespace velmora
