#include "formationpanel/frmSaveData.h"

#include "catalogue/NumberText.h"
#include "catalogue/clsMsData.h"
#include "formation/FormationCompare.h"
#include "formationpanel/MadeChange.h"
#include "system/MessageTexts.h"
#include "system/Platform.h"
#include "system/SettingsFile.h"
#include "widgets/GridView.h"
#include "widgets/Twips.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUndoStack>
#include <algorithm>
#include <array>
#include <initializer_list>

namespace velmora {

namespace {

enum class SlotColumn { MsNos, Comment, Load, Stamp, Shields, Modifications, Weapons };
constexpr int kSlotColumnCount = 7;
constexpr int Col(SlotColumn column) { return static_cast<int>(column); }

enum class UnitColumn { Key, Position, Name };
constexpr int kUnitColumnCount = 3;
constexpr int Col(UnitColumn column) { return static_cast<int>(column); }

const QString& WindowSection() {
    static const QString section = QStringLiteral("Window");
    return section;
}

const QString& LoadCommanderKey() {
    static const QString key = QStringLiteral("loadcommander");
    return key;
}

constexpr Qt::Alignment kLeft = Qt::AlignVCenter | Qt::AlignLeft;
constexpr Qt::Alignment kRight = Qt::AlignVCenter | Qt::AlignRight;
constexpr Qt::Alignment kCentre = Qt::AlignVCenter | Qt::AlignHCenter;

// A width of 0 hides the column.
void SetColumnWidths(GridView* grid, std::initializer_list<int> twips) {
    // The style's minimum would widen the narrow "No." column.
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->SetDesignColumnWidths(
        [twips](int column) { return column < int(twips.size()) ? std::data(twips)[column] : 0; });
    // Eight slots and the header fit the design height at the window's font, and the visible
    // columns fit the width: no scroll bars for the common case.
    grid->verticalHeader()->setMinimumSectionSize(12);
    grid->verticalHeader()->setDefaultSectionSize(15);
    grid->horizontalHeader()->setFixedHeight(15);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

}  // namespace

// grdSaveData: one row per slot, the slot's fields, its total load and its stamp.
class frmSaveData::SlotModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetSlots(const SaveSlots& saved, const clsMsData& catalogue) {
        for (int n = 1; n <= SaveSlots::kCount; ++n) {
            const SaveSlots::Slot& slot = saved.At(n);
            rows_[n - 1] = {slot.msNos,
                            slot.comment,
                            num::NumberText(SaveSlots::TotalLoad(slot.msNos, catalogue)),
                            slot.stamp,
                            slot.shields,
                            slot.modifications,
                            slot.weapons};
        }
        Q_EMIT dataChanged(index(0, 0), index(SaveSlots::kCount - 1, kSlotColumnCount - 1));
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : SaveSlots::kCount;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kSlotColumnCount;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
        if (role == Qt::DisplayRole) return rows_[index.row()][index.column()];
        if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Alignment(index.column()));
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= kSlotColumnCount) return {};
        if (role == Qt::DisplayRole) return Header(section);
        if (role == Qt::ToolTipRole) {
            if (section == Col(SlotColumn::Comment))
                return QStringLiteral(u"登録したときのコメント");
            if (section == Col(SlotColumn::Stamp)) return QStringLiteral(u"登録した日時");
        }
        return {};
    }

private:
    static Qt::Alignment Alignment(int column) {
        switch (SlotColumn(column)) {
            case SlotColumn::Load:
                return kRight;
            case SlotColumn::Stamp:
                return kCentre;
            default:
                return kLeft;
        }
    }

    static QString Header(int column) {
        switch (SlotColumn(column)) {
            case SlotColumn::Comment:
                return QStringLiteral(u"コメント");
            case SlotColumn::Stamp:
                return QStringLiteral(u"登録日時");
            case SlotColumn::Shields:
                return QStringLiteral(u"盾");
            case SlotColumn::Modifications:
                return QStringLiteral(u"改造");
            case SlotColumn::Weapons:
                return QStringLiteral(u"武器");
            default:
                return QString();
        }
    }

    std::array<std::array<QString, kSlotColumnCount>, SaveSlots::kCount> rows_;
};

// msList: the units of the chosen slot, numbered from 1.
class frmSaveData::UnitModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetNames(const QStringList& names) {
        beginResetModel();
        names_ = names;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(names_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kUnitColumnCount;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
        if (role == Qt::DisplayRole) {
            switch (UnitColumn(index.column())) {
                case UnitColumn::Position:
                    return QString::number(index.row() + 1);
                case UnitColumn::Name:
                    return names_[index.row()];
                default:
                    return QString();
            }
        }
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(index.column() == Col(UnitColumn::Position) ? kRight
                                                                                   : kLeft);
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::ToolTipRole) {
            if (section == Col(UnitColumn::Position)) return QStringLiteral(u"編成の中の順番");
            if (section == Col(UnitColumn::Name))
                return QStringLiteral(u"登録した機体（機体データにない機体は空欄）");
        }
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        switch (UnitColumn(section)) {
            case UnitColumn::Position:
                return QStringLiteral(u"No.");
            case UnitColumn::Name:
                return QStringLiteral(u"機体名称");
            case UnitColumn::Key:
                return QString();
            default:
                return {};
        }
    }

private:
    QStringList names_;
};

// grdCompare: the formation on screen and the current slot under both commanders, one row per
// figure; a slot's cell that differs from the formation on screen is tinted.
class frmSaveData::CompareModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetComparison(const FormationComparison& comparison) {
        comparison_ = comparison;
        Q_EMIT dataChanged(index(0, 0), index(kCompareRowCount - 1, kCompareSideCount));
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kCompareRowCount;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kCompareSideCount + 1;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
        const std::size_t row = std::size_t(index.row());
        if (index.column() == 0) return role == Qt::DisplayRole ? RowName(index.row()) : QVariant();
        const std::size_t side = std::size_t(index.column() - 1);
        switch (role) {
            case Qt::DisplayRole:
                return comparison_.cells[row][side];
            case Qt::BackgroundRole:
                return comparison_.differs[row][side] ? QVariant(QColor(255, 236, 170))
                                                      : QVariant();
            case Qt::TextAlignmentRole:
                return QVariant::fromValue(num::IsNumeric(comparison_.cells[row][side]) ? kRight
                                                                                        : kLeft);
            default:
                return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        switch (section) {
            case 1:
                return QStringLiteral(u"現在の編成");
            case 2:
                return QStringLiteral(u"スロット（現在の指揮官）");
            case 3:
                return QStringLiteral(u"スロット（保存時の指揮官）");
            default:
                return QString();
        }
    }

private:
    static QString RowName(int row) {
        static const std::array<const char16_t*, kCompareRowCount> names{
            u"指揮官",   u"搭載",   u"残り", u"修理",
            u"一機制限", u"制限機", u"判定", u"カタログにない機体"};
        return QString::fromUtf16(names[std::size_t(row)]);
    }

    FormationComparison comparison_;
};

frmSaveData::frmSaveData(const clsMsData& catalogue, SettingsFile& settings, Platform& platform,
                         FormationLists currentFormation, QWidget* parent)
    : QDialog(parent),
      catalogue_(catalogue),
      settings_(settings),
      platform_(platform),
      currentFormation_(std::move(currentFormation)) {
    setObjectName(QStringLiteral(u"frmSaveData"));
    setWindowTitle(QStringLiteral(u"登録データ"));
    setModal(true);
    // A dialog is a window of its own: take the main window's font and colours explicitly.
    setAttribute(Qt::WA_WindowPropagation);
    // The design's 400 x 182, grown below for the comparison; the design's grids keep their
    // places.
    setFixedSize(640, 404);

    // Created in the design's tab order.
    grdSaveData_ = new GridView(this);
    grdSaveData_->setObjectName(QStringLiteral(u"grdSaveData"));
    grdSaveData_->setGeometry(TwipsRect(105, 105, 3570, 2055));
    slotModel_ = new SlotModel(grdSaveData_);
    grdSaveData_->setModel(slotModel_);
    SetColumnWidths(grdSaveData_, {0, 2355, 0, 1200, 0, 0, 0});

    msList_ = new GridView(this);
    msList_->setObjectName(QStringLiteral(u"msList"));
    msList_->setGeometry(TwipsRect(3750, 105, 2175, 2055));
    unitModel_ = new UnitModel(msList_);
    msList_->setModel(unitModel_);
    SetColumnWidths(msList_, {0, 300, 1860});

    const auto makeButton = [this](const QString& name, const QString& caption, int left) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setGeometry(TwipsRect(left, 2280, 840, 360));
        // No default button: Enter alone never opens the store prompt or loads a slot.
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    };
    QPushButton* cmdSave = makeButton(QStringLiteral(u"cmdSave"), QStringLiteral(u"登録"), 3165);
    QPushButton* cmdLoad = makeButton(QStringLiteral(u"cmdLoad"), QStringLiteral(u"読込"), 4125);
    QPushButton* cmdClose =
        makeButton(QStringLiteral(u"cmdClose"), QStringLiteral(u"閉じる"), 5085);

    chkLoadCommander_ = new QCheckBox(QStringLiteral(u"指揮官も読み込む"), this);
    chkLoadCommander_->setObjectName(QStringLiteral(u"chkLoadCommander"));
    chkLoadCommander_->setGeometry(TwipsRect(105, 2745, 4500, 300));
    chkLoadCommander_->setToolTip(
        QStringLiteral(u"読込で、登録したときの階級・レベル・勲章・搭載解除も読み込みます"));
    chkLoadCommander_->setChecked(ReadLoadCommander(settings_));

    auto* grdCompare = new GridView(this);
    grdCompare->setObjectName(QStringLiteral(u"grdCompare"));
    grdCompare->setGeometry(TwipsRect(105, 3105, 9390, 2340));
    compareModel_ = new CompareModel(grdCompare);
    grdCompare->setModel(compareModel_);
    SetColumnWidths(grdCompare, {1800, 2490, 2490, 2490});
    grdCompare->setFocusPolicy(Qt::NoFocus);
    grdCompare->setSelectionMode(QAbstractItemView::NoSelection);

    lblCompareUnits_ = new QLabel(this);
    lblCompareUnits_->setObjectName(QStringLiteral(u"lblCompareUnits"));
    lblCompareUnits_->setGeometry(TwipsRect(105, 5520, 9390, 480));
    lblCompareUnits_->setWordWrap(true);
    lblCompareUnits_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Shortcuts instead of "&" mnemonics, which would change the captions' text.
    cmdSave->setShortcut(QKeySequence(Qt::ALT | Qt::Key_R));
    cmdSave->setToolTip(QStringLiteral(u"いまの編成を選んだ枠に登録します（Alt+R）"));
    cmdLoad->setShortcut(QKeySequence(Qt::ALT | Qt::Key_L));
    cmdLoad->setToolTip(QStringLiteral(u"選んだ枠の編成を読み込みます（Alt+L）"));
    cmdClose->setToolTip(QStringLiteral(u"何も読み込まずに閉じます（Esc）"));
    connect(cmdSave, &QPushButton::clicked, this, &frmSaveData::StoreFormation);
    connect(cmdLoad, &QPushButton::clicked, this, &frmSaveData::LoadChosenSlot);
    connect(cmdClose, &QPushButton::clicked, this, &frmSaveData::CloseWithoutLoading);
    connect(chkLoadCommander_, &QCheckBox::toggled, this, &frmSaveData::RememberLoadCommander);
    connect(grdSaveData_, &QAbstractItemView::clicked, this, &frmSaveData::ListUnits);
    connect(grdSaveData_, &GridView::focusGained, this, &frmSaveData::ListUnits);
    connect(grdSaveData_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &frmSaveData::ListUnits);

    FillSlots();
    grdSaveData_->setCurrentIndex(slotModel_->index(0, Col(SlotColumn::Comment)));
    ListUnits();
}

frmSaveData::~frmSaveData() = default;

void frmSaveData::mousePressEvent(QMouseEvent* event) {
    // Presses that a child leaves unhandled reach the dialog too; only its bare surface counts.
    if (event->button() == Qt::RightButton && !childAt(event->position().toPoint())) {
        CloseWithoutLoading();
        return;
    }
    QDialog::mousePressEvent(event);
}

void frmSaveData::FillSlots() {
    slots_ = SaveSlots::Read(settings_);
    slotModel_->SetSlots(slots_, catalogue_);
}

void frmSaveData::ListUnits() {
    const SaveSlots::Slot& slot = slots_.At(CurrentSlot());
    unitModel_->SetNames(SaveSlots::UnitNames(slot.msNos, catalogue_));
    std::optional<SavedFormation> saved;
    if (!slot.IsFree()) saved = SavedFormation{slot.Lists(), slot.commander};
    const FormationComparison comparison =
        CompareFormations(current_, baseCapacity_, saved, catalogue_);
    compareModel_->SetComparison(comparison);
    lblCompareUnits_->setText(comparison.unitsOnOneSide);
}

int frmSaveData::CurrentSlot() const { return grdSaveData_->CurrentGridRow(); }

void frmSaveData::SetCurrent(const FormationState& state, const QString& baseCapacity) {
    current_ = state;
    baseCapacity_ = baseCapacity;
    ListUnits();
}

bool frmSaveData::ReadLoadCommander(const SettingsFile& settings) {
    return settings.Read(WindowSection(), LoadCommanderKey()) == u"1";
}

void frmSaveData::RememberLoadCommander(bool on) {
    if (!settings_.Exists()) return;
    const Status written = settings_.Write(on ? QStringLiteral("1") : QStringLiteral("0"),
                                           WindowSection(), LoadCommanderKey());
    if (!written)
        platform_.MsgBox(this, written.message(), texts::ErrorTitle(), MsgStyle::Information);
}

void frmSaveData::CloseWithoutLoading() {
    chosen_.reset();
    chosenCommander_.reset();
    reject();
}

void frmSaveData::StoreFormation() {
    const int slot = CurrentSlot();
    if (slot == 0) return;
    const QString key = SaveSlots::KeyName(slot);
    const QString ask = QStringLiteral(u"コメントを入力してください。");
    QString prompt = ask;
    std::optional<QString> comment = slots_.At(slot).comment;
    for (;;) {
        comment = platform_.InputBox(this, prompt, QStringLiteral(u"編成の登録"), *comment);
        // Cancelled, or nothing but blanks: store nothing.
        if (!comment ||
            std::all_of(comment->begin(), comment->end(), [](QChar c) { return c == u' '; }))
            return;
        // A comment that could not be kept is offered again as typed, with the reason.
        QString refusal;
        if (!SaveSlots::IsStorableComment(*comment))
            refusal = QStringLiteral(u"タブや改行はコメントに使えません。");
        else if (!settings_.CanHold(MakeFormationText(*comment, platform_.Now(), currentFormation_),
                                    SaveSlots::SectionName(), key))
            refusal = QStringLiteral(u"設定ファイルに書けない文字が含まれています。");
        if (refusal.isEmpty()) break;
        prompt = ask + u'\n' + refusal;
    }
    if (!settings_.Exists()) {
        platform_.MsgBox(this, texts::SettingsFileMissing(), texts::ErrorTitle(),
                         MsgStyle::Information);
        CloseWithoutLoading();
        return;
    }
    const QString previous = settings_.Read(SaveSlots::SectionName(), key);
    const Status stored = SaveSlots::Store(settings_, slot, *comment, platform_.Now(),
                                           currentFormation_, current_.commander);
    if (!stored) {
        platform_.MsgBox(this, QStringLiteral(u"登録できませんでした。\n") + stored.message(),
                         texts::ErrorTitle(), MsgStyle::Information);
        return;
    }
    if (undoStack_ && !previous.isEmpty()) {
        // The settings file and the platform are the main window's and outlive the dialog.
        SettingsFile& settings = settings_;
        Platform& platform = platform_;
        const auto restore = [&settings, &platform, key](const QString& text) {
            const Status written = settings.Write(text, SaveSlots::SectionName(), key);
            if (!written)
                platform.MsgBox(nullptr, written.message(), texts::ErrorTitle(),
                                MsgStyle::Information);
        };
        undoStack_->push(new MadeChange<QString>(
            u"登録 " + key, previous, settings_.Read(SaveSlots::SectionName(), key), restore));
    }
    FillSlots();
    ListUnits();
    platform_.MsgBox(this, QStringLiteral(u"登録しました。"), texts::ConfirmTitle(),
                     MsgStyle::Information);
}

void frmSaveData::LoadChosenSlot() {
    const SaveSlots::Slot& slot = slots_.At(CurrentSlot());
    if (slot.msNos.isEmpty()) {
        platform_.MsgBox(this, QStringLiteral(u"機体データがありません。"), texts::ErrorTitle(),
                         MsgStyle::Information);
        return;
    }
    const MsgAnswer answer =
        platform_.MsgBox(this, QStringLiteral(u"この編成データをロードしますか？\r\n\r\n"),
                         texts::ConfirmTitle(), MsgStyle::YesNoQuestion);
    if (answer == MsgAnswer::Yes) {
        chosen_ = slot.Lists();
        chosenCommander_.reset();
        if (chkLoadCommander_->isChecked()) chosenCommander_ = slot.commander;
        accept();
    } else {
        chosen_.reset();
        chosenCommander_.reset();
    }
}

}  // namespace velmora
