#include "formationpanel/FormationPanel.h"

#include "catalogue/clsMsData.h"
#include "formationpanel/CommanderSpinBox.h"
#include "formationpanel/CommanderValue.h"
#include "formation/DeployPreview.h"
#include "formation/FormationClipboard.h"
#include "formation/FormationCompare.h"
#include "formationpanel/FormationModel.h"
#include "formation/FormationRows.h"
#include "formationpanel/MadeChange.h"
#include "formationpanel/frmSaveData.h"
#include "system/MessageTexts.h"
#include "system/Platform.h"
#include "widgets/GridView.h"
#include "widgets/Twips.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QUndoStack>
#include <utility>

namespace velmora {

namespace {

constexpr int kMaxUnits = kMaxFormationUnits;
// The right-hand column's origin in the frame's design, in twips.
constexpr int kColumnLeft = 8880;
constexpr int kColumnTop = 225;
// Up to the right edge of the widest control, so the grid keeps its design width inside the
// frame's border.
constexpr int kColumnWidth = 11775 - kColumnLeft;
constexpr int kColumnHeight = 2100 - kColumnTop;  // down to cmdSaveLoad's bottom edge

// Places a control at its design position (twips, relative to its container's design origin);
// a label never gets less room than its text needs.
void Place(QWidget* widget, int left, int top, int width, int height) {
    QSize size(TwipsToPixels(width), TwipsToPixels(height));
    if (qobject_cast<QLabel*>(widget)) size = size.expandedTo(widget->sizeHint());
    widget->setGeometry(QRect(QPoint(TwipsToPixels(left), TwipsToPixels(top)), size));
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text,
                  Qt::Alignment alignment = Qt::AlignLeft) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

// A box with a plain back colour holding value labels (Picture1 to 3, pcbBox_0 to 3).
QFrame* MakeBox(QWidget* parent, const QString& name, const QColor& colour) {
    auto* box = new QFrame(parent);
    box->setObjectName(name);
    box->setFrameShape(QFrame::Panel);
    box->setFrameShadow(QFrame::Sunken);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, colour);
    box->setPalette(palette);
    box->setAutoFillBackground(true);
    return box;
}

CommanderSpinBox* MakeSpinner(QWidget* parent, const QString& name, CommanderRange range) {
    auto* spinner = new CommanderSpinBox(parent);
    spinner->setObjectName(name);
    spinner->setRange(range.lowest, range.highest);
    spinner->setValue(range.lowest);
    return spinner;
}

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace

// Makes what happens in its scope one undo step: on leaving, the state is compared with the
// settled one and, when it differs, pushed as a step. Scopes inside it add nothing.
class FormationPanel::RecordedStep {
public:
    RecordedStep(FormationPanel& panel, QString name, int gesture = kNoGesture)
        : panel_(panel), name_(std::move(name)), gesture_(gesture) {
        ++panel_.recording_;
    }
    ~RecordedStep() {
        if (--panel_.recording_ == 0) panel_.PushStep(name_, gesture_);
    }
    RecordedStep(const RecordedStep&) = delete;
    RecordedStep& operator=(const RecordedStep&) = delete;

private:
    FormationPanel& panel_;
    QString name_;
    int gesture_;
};

FormationPanel::~FormationPanel() {
    undoStack_->disconnect(this);
    // The grid and its model read the document, a child made before them: they go first.
    delete grdFormation_;
    delete model_;
}

FormationPanel::FormationPanel(const clsMsData& catalogue, SettingsFile& settings,
                               Platform& platform, QWidget* parent)
    : QGroupBox(QStringLiteral(u"編成"), parent),
      catalogue_(catalogue),
      settings_(settings),
      store_(settings),
      platform_(platform) {
    setObjectName(QStringLiteral("fraFormation"));
    formation_ = new Formation(catalogue, this);
    BuildControls();
    undoStack_ = new QUndoStack(this);
    BuildActions();

    connect(formation_, &Formation::changed, this, &FormationPanel::ShowOutcome);
    connect(cmbClass_, &QComboBox::currentIndexChanged, this, [this] {
        Commander commander = formation_->Leader();
        commander.rank = cmbClass_->currentIndex() >= 0
                             ? std::optional<int>(cmbClass_->currentData().toInt())
                             : std::nullopt;
        EditCommander(commander, u"階級 " + cmbClass_->currentText());
    });
    connect(upLevel_, &CommanderSpinBox::stepped, this, [this] {
        Commander commander = formation_->Leader();
        commander.level = upLevel_->value();
        lblLevel_->setText(QString::number(commander.level));
        EditCommander(commander, u"レベル " + QString::number(commander.level), Gesture(upLevel_));
    });
    connect(upDecoration_, &CommanderSpinBox::stepped, this, [this] {
        Commander commander = formation_->Leader();
        commander.decoration = upDecoration_->value();
        lblDecoration_->setText(QString::number(commander.decoration));
        EditCommander(commander, u"勲章 " + QString::number(commander.decoration),
                      Gesture(upDecoration_));
    });
    connect(upSkill_, &CommanderSpinBox::stepped, this, [this] {
        Commander commander = formation_->Leader();
        commander.skill = upSkill_->value();
        lblSkill_->setText(QString::number(commander.skill));
        EditCommander(commander, u"搭載解除 " + QString::number(commander.skill),
                      Gesture(upSkill_));
    });
    // Digits typed into a spinner show in its label until they are committed.
    connect(upLevel_, &CommanderSpinBox::typing, lblLevel_, &QLabel::setText);
    connect(upDecoration_, &CommanderSpinBox::typing, lblDecoration_, &QLabel::setText);
    connect(upSkill_, &CommanderSpinBox::typing, lblSkill_, &QLabel::setText);
    connect(grdFormation_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!movingRow_) SelectFormationRow();
    });
    connect(grdFormation_, &GridView::focusGained, this, [this] { SelectFormationRow(); });
    connect(grdFormation_, &GridView::leftDoubleClicked, this, [this] { RemoveRowAsStep(); });
    connect(cmdSaveLoad_, &QPushButton::clicked, this, [this] { OpenSavedFormations(); });
}

void FormationPanel::BuildActions() {
    const auto make = [this](const QString& text, const QList<QKeySequence>& keys) {
        auto* action = new QAction(text, this);
        action->setShortcuts(keys);
        return action;
    };
    undoAction_ = make(QStringLiteral(u"元に戻す"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    redoAction_ =
        make(QStringLiteral(u"やり直し"),
             {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    copyAction_ = make(QStringLiteral(u"編成をコピー"), {QKeySequence(Qt::CTRL | Qt::Key_C)});
    pasteAction_ = make(QStringLiteral(u"編成を貼り付け"), {QKeySequence(Qt::CTRL | Qt::Key_V)});
    // Ctrl+C copies the formation only from its grid; elsewhere it keeps its usual meaning.
    copyAction_->setShortcutContext(Qt::WidgetShortcut);
    grdFormation_->addAction(copyAction_);

    const auto showStep = [](QAction* action, const QString& caption, bool can,
                             const QString& step) {
        action->setEnabled(can);
        action->setText(can && !step.isEmpty() ? caption + u": " + step : caption);
    };
    const auto showUndo = [this, showStep] {
        showStep(undoAction_, QStringLiteral(u"元に戻す"), undoStack_->canUndo(),
                 undoStack_->undoText());
    };
    const auto showRedo = [this, showStep] {
        showStep(redoAction_, QStringLiteral(u"やり直し"), undoStack_->canRedo(),
                 undoStack_->redoText());
    };
    connect(undoStack_, &QUndoStack::canUndoChanged, this, showUndo);
    connect(undoStack_, &QUndoStack::undoTextChanged, this, showUndo);
    connect(undoStack_, &QUndoStack::canRedoChanged, this, showRedo);
    connect(undoStack_, &QUndoStack::redoTextChanged, this, showRedo);
    showUndo();
    showRedo();
    connect(undoAction_, &QAction::triggered, undoStack_, &QUndoStack::undo);
    connect(redoAction_, &QAction::triggered, undoStack_, &QUndoStack::redo);
    connect(copyAction_, &QAction::triggered, this, &FormationPanel::CopyToClipboard);
    connect(pasteAction_, &QAction::triggered, this, &FormationPanel::PasteFromClipboard);
    clearAction_ = make(QStringLiteral(u"編成をクリア"),
                        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete)});
    clearAction_->setObjectName(QStringLiteral("actClearFormation"));
    connect(clearAction_, &QAction::triggered, this, &FormationPanel::ClearFormation);

    // Delete removes the current row as the double-click does.
    auto* remove = new QAction(this);
    remove->setShortcut(QKeySequence(Qt::Key_Delete));
    remove->setShortcutContext(Qt::WidgetShortcut);
    grdFormation_->addAction(remove);
    connect(remove, &QAction::triggered, this, &FormationPanel::RemoveRowAsStep);
}

QList<QAction*> FormationPanel::EditActions() const {
    return {undoAction_, redoAction_, copyAction_, pasteAction_, clearAction_};
}

void FormationPanel::BuildControls() {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(5, 0, 5, 3);
    layout->setSpacing(5);

    model_ = new FormationModel(*formation_, this);
    grdFormation_ = new GridView(this);
    grdFormation_->setObjectName(QStringLiteral("grdFormation"));
    grdFormation_->setModel(model_);
    grdFormation_->SetDesignColumnWidths(&FormationModel::ColumnWidthTwips);
    // The visible columns fit the design width, and rows as tight as the weapon table's show
    // the seven units and the header in the design height; only rows beyond seven scroll.
    grdFormation_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdFormation_->verticalHeader()->setMinimumSectionSize(12);
    grdFormation_->verticalHeader()->setDefaultSectionSize(15);
    grdFormation_->horizontalHeader()->setFixedHeight(17);
    grdFormation_->SetFillColumn(Col(FormationColumn::Name));
    layout->addWidget(grdFormation_, 1);

    auto* column = new QWidget(this);
    column->setFixedSize(TwipsToPixels(kColumnWidth), TwipsToPixels(kColumnHeight));
    layout->addWidget(column, 0, Qt::AlignTop);
    // Design positions inside the frame, moved to the column's origin.
    const auto place = [](QWidget* widget, int left, int top, int width, int height) {
        Place(widget, left - kColumnLeft, top - kColumnTop, width, height);
    };
    const QColor white(255, 255, 255);
    const QColor grey(224, 224, 224);

    place(MakeLabel(column, QStringLiteral("lblCaption_0"), QStringLiteral(u"階級")), 8895, 270,
          360, 180);
    cmbClass_ = new QComboBox(column);
    cmbClass_->setObjectName(QStringLiteral("cmbClass"));
    const QStringList& ranks = RankTexts();
    for (int i = 0; i < ranks.size(); ++i) cmbClass_->addItem(ranks[i], i);
    cmbClass_->setCurrentIndex(-1);
    place(cmbClass_, 9360, 225, 810, 300);

    place(MakeLabel(column, QStringLiteral("lblCaption_3"), QStringLiteral(u"レベル")), 10290, 285,
          540, 180);
    QFrame* picture1 = MakeBox(column, QStringLiteral("Picture1"), white);
    place(picture1, 11100, 240, 630, 300);
    lblLevel_ =
        MakeLabel(picture1, QStringLiteral("lblLevel"), QStringLiteral("1"), Qt::AlignRight);
    upLevel_ = MakeSpinner(picture1, QStringLiteral("upLevel"), kLevelRange);

    place(MakeLabel(column, QStringLiteral("lblCaption_1"), QStringLiteral(u"勲章")), 8895, 615,
          360, 180);
    QFrame* picture2 = MakeBox(column, QStringLiteral("Picture2"), white);
    place(picture2, 9360, 555, 810, 300);
    lblDecoration_ =
        MakeLabel(picture2, QStringLiteral("lblDecoration"), QStringLiteral("0"), Qt::AlignRight);
    upDecoration_ = MakeSpinner(column, QStringLiteral("upDecoration"), kDecorationRange);

    place(MakeLabel(column, QStringLiteral("lblCaption_2"), QStringLiteral(u"搭載解除")), 10290,
          630, 720, 180);
    QFrame* picture3 = MakeBox(column, QStringLiteral("Picture3"), white);
    place(picture3, 11100, 570, 630, 300);
    lblSkill_ =
        MakeLabel(picture3, QStringLiteral("lblSkill"), QStringLiteral("0"), Qt::AlignRight);
    upSkill_ = MakeSpinner(column, QStringLiteral("upSkill"), kSkillRange);

    place(MakeLabel(column, QStringLiteral("lblCaption_16"), QStringLiteral(u"搭載")), 8895, 1035,
          360, 180);
    QFrame* loadBox = MakeBox(column, QStringLiteral("pcbBox_0"), grey);
    place(loadBox, 9360, 990, 795, 285);
    lblMyWeight_ =
        MakeLabel(loadBox, QStringLiteral("lblMyWeight"), QStringLiteral("0"), Qt::AlignRight);
    // Three-digit figures on both sides of the "/" need a little more room than the design's
    // 225 / 360 / 510 positions give with most fonts.
    Place(lblMyWeight_, 15, 15, 300, 255);
    Place(MakeLabel(loadBox, QStringLiteral("lblCaption_17"), QStringLiteral("/")), 330, 15, 90,
          255);
    lblTotalWeight_ = MakeLabel(loadBox, QStringLiteral("lblTotalWeight"), QStringLiteral("99"));
    Place(lblTotalWeight_, 420, 15, 360, 255);
    SetTextColour(lblTotalWeight_, QColor(0, 0, 0));

    place(MakeLabel(column, QStringLiteral("lblCaption_20"), QStringLiteral(u"一機制限")), 10290,
          1050, 720, 180);
    QFrame* personalBox = MakeBox(column, QStringLiteral("pcbBox_1"), grey);
    place(personalBox, 11100, 990, 360, 285);
    lblPersonal_ = MakeLabel(personalBox, QStringLiteral("lblPersonal"), QStringLiteral("0"),
                             Qt::AlignHCenter);
    Place(lblPersonal_, 15, 15, 330, 255);

    place(MakeLabel(column, QStringLiteral("lblCaption_18"), QStringLiteral(u"修理")), 8895, 1365,
          360, 180);
    QFrame* repairBox = MakeBox(column, QStringLiteral("pcbBox_3"), grey);
    place(repairBox, 9360, 1320, 795, 285);
    lblTotalRepair_ = MakeLabel(repairBox, QStringLiteral("lblTotalRepair"), QStringLiteral("300"),
                                Qt::AlignRight);
    Place(lblTotalRepair_, 15, 15, 720, 255);

    place(MakeLabel(column, QStringLiteral("lblCaption_19"), QStringLiteral(u"制限機")), 10290,
          1380, 540, 180);
    QFrame* restrictionBox = MakeBox(column, QStringLiteral("pcbBox_2"), grey);
    place(restrictionBox, 11100, 1320, 375, 285);
    lblRestriction_ = MakeLabel(restrictionBox, QStringLiteral("lblRestriction"),
                                QStringLiteral("0"), Qt::AlignHCenter);
    Place(lblRestriction_, 15, 15, 345, 255);

    // The arrows fill the right end of each white box, as large as the box allows, and the
    // value ends a few pixels before them at any font size.
    constexpr int kArrowWidth = 20;
    constexpr int kValueGap = 3;
    const auto dock = [](CommanderSpinBox* spinner, QFrame* box, QLabel* label) {
        const QRect inner = box->contentsRect();
        const QRect arrows(inner.right() + 1 - kArrowWidth, inner.top(), kArrowWidth,
                           inner.height());
        spinner->setGeometry(spinner->parentWidget() == box ? arrows
                                                            : arrows.translated(box->pos()));
        label->setGeometry(inner.left() + 1, inner.top(),
                           arrows.left() - kValueGap - inner.left() - 1, inner.height());
    };
    dock(upLevel_, picture1, lblLevel_);
    dock(upDecoration_, picture2, lblDecoration_);
    dock(upSkill_, picture3, lblSkill_);
    new CommanderValue(lblLevel_, upLevel_);
    new CommanderValue(lblDecoration_, upDecoration_);
    new CommanderValue(lblSkill_, upSkill_);

    cmdSaveLoad_ = new QPushButton(QStringLiteral(u"セーブ／ロード"), column);
    cmdSaveLoad_->setObjectName(QStringLiteral("cmdSaveLoad"));
    place(cmdSaveLoad_, 8895, 1755, 2850, 345);
}

void FormationPanel::RestoreCommander(const Result<int>& rank, const Result<int>& level,
                                      const Result<int>& decoration, const Result<int>& skill) {
    const QScopedValueRollback quiet(restoring_, true);
    const Commander commander = CommanderFromStored({rank, level, decoration, skill});
    SetCommanderControls(commander);
    formation_->SetCommander(commander);
    SaveCommander();
    settled_ = State();
}

int FormationPanel::Gesture(const CommanderSpinBox* spinner) const {
    if (spinner->LastStepTyped()) return kNoGesture;
    return spinner == upLevel_ ? 1 : spinner == upDecoration_ ? 2 : 3;
}

void FormationPanel::EditCommander(const Commander& commander, const QString& stepName,
                                   int gesture) {
    const RecordedStep step(*this, stepName, gesture);
    formation_->SetCommander(commander);
    SaveCommander();
}

void FormationPanel::ForgetPastedCommander() {
    if (pastedCommanderNote_.isEmpty()) return;
    pastedCommanderNote_.clear();
    ShowOutcome();
}

void FormationPanel::TakeCommander(const Commander& commander) {
    SetCommanderControls(commander);
    formation_->SetCommander(commander);
    SaveCommander();
}

void FormationPanel::SaveCommander() {
    const Status written = store_.WriteCommander(formation_->Leader());
    if (!written) {
        // Every recompute (a row selection, the focus) saves the commander: say it once until a
        // save succeeds again.
        if (!commanderFailureShown_) {
            commanderFailureShown_ = true;
            platform_.MsgBox(this, written.message(), texts::ErrorTitle(), MsgStyle::Information);
        }
        return;
    }
    commanderFailureShown_ = false;
}

void FormationPanel::Recompute() { formation_->Recompute(); }

void FormationPanel::ShowOutcome() {
    const FormationOutcome& outcome = formation_->Outcome();
    const FormationResult& result = outcome.result;
    lblTotalWeight_->setText(result.capacity);
    SetTextColour(lblTotalWeight_, result.capacityRed ? QColor(255, 0, 0) : QColor(0, 0, 0));
    lblMyWeight_->setText(result.load);
    lblTotalRepair_->setText(result.repair);
    lblRestriction_->setText(QString::number(result.limited));
    lblPersonal_->setText(QString::number(result.oneUnit));
    Q_EMIT verdictChanged(result.verdict);
    lblTotalWeight_->setToolTip(outcome.capacityFormula);
    Q_EMIT verdictExplained(pastedCommanderNote_.isEmpty() ? outcome.explanation
                                                           : pastedCommanderNote_);
}

void FormationPanel::AddUnit(const FormationRow& row) {
    const RecordedStep step(*this, u"配備 " + row[FormationColumn::Name]);
    if (!formation_->Append(row)) return;
    SaveCommander();
    SaveDefaultFormation();
    const int current = CurrentRow();
    if (current >= 1) MakeCurrent(current - 1);
}

void FormationPanel::UpdateCurrentRow(const FormationRow& row) {
    const RecordedStep step(*this, u"更新 " + row[FormationColumn::Name]);
    const int current = CurrentRow();
    if (current < 1 || formation_->Count() == 0) return;
    const int target = current - 1;
    if (row[FormationColumn::Name] != formation_->Cell(target, Col(FormationColumn::Name))) return;
    formation_->UpdateFigures(target, row);
    SaveCommander();
    SaveDefaultFormation();
}

void FormationPanel::RemoveCurrentRow() {
    const int current = CurrentRow();
    if (current < 1 || formation_->Count() == 0) return;
    const int removed = current - 1;
    {
        // The selection moves while the row goes; the unit shown is chosen afterwards.
        const QScopedValueRollback quiet(movingRow_, true);
        formation_->Remove(removed);
    }
    if (formation_->Count() > 0) {
        // The row that moved into the gap, or the new last row.
        MakeCurrent(qMin(removed, formation_->Count() - 1));
        SelectFormationRow();
    } else {
        Q_EMIT detailClearRequested();
        SaveCommander();
    }
    SaveDefaultFormation();
}

void FormationPanel::MakeCurrent(int modelRow) {
    const QScopedValueRollback quiet(movingRow_, true);
    grdFormation_->selectionModel()->setCurrentIndex(
        model_->index(modelRow, Col(FormationColumn::Name)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void FormationPanel::SelectFormationRow() {
    if (!grdFormation_->isEnabled()) return;
    const int current = CurrentRow();
    if (current < 1 || formation_->Count() == 0) return;
    const FormationRow& row = formation_->Entries()[std::size_t(current - 1)];
    // A unit the catalogue no longer holds has nothing to show: no figures of the unit before.
    if (IsMissingUnit(row, catalogue_))
        Q_EMIT detailClearRequested();
    else
        Q_EMIT unitSelected(row[FormationColumn::MsNo], row[FormationColumn::Shield],
                            row[FormationColumn::Modification], row[FormationColumn::Weapon]);
    // A selection recomputes and saves the commander, as it always has.
    Recompute();
    SaveCommander();
}

void FormationPanel::SaveDefaultFormation() {
    const Status written = store_.WriteDefaultFormation(formation_->Lists(), platform_.Now());
    if (!written)
        platform_.MsgBox(this, written.message(), texts::ErrorTitle(), MsgStyle::Information);
}

void FormationPanel::LoadDefaultFormation() {
    const QScopedValueRollback quiet(restoring_, true);
    if (const std::optional<FormationLists> lists = store_.ReadDefaultFormation())
        (void)ApplyFormationLists(*lists);  // a short list was reported; what loaded stays
    settled_ = State();
}

bool FormationPanel::ApplyFormationLists(const FormationLists& lists) {
    // Disabled: the row changes of the load are not the user's selections.
    grdFormation_->setEnabled(false);
    const QString failure = formation_->Load(lists);
    SaveCommander();
    if (!failure.isEmpty()) {
        // The rows made so far stay, and the formation stays editable.
        platform_.MsgBox(this, failure, texts::ErrorTitle(), MsgStyle::Information);
        grdFormation_->setEnabled(true);
        return false;
    }
    if (formation_->Count() > 0) {
        MakeCurrent(0);
        grdFormation_->setEnabled(true);
        SelectFormationRow();
    }
    grdFormation_->setEnabled(true);
    return true;
}

void FormationPanel::OpenSavedFormations() {
    frmSaveData dialog(catalogue_, settings_, platform_, Lists(), window());
    dialog.SetUndoStack(undoStack_);
    dialog.SetCurrent(State(), formation_->BaseCapacity());
    dialog.exec();
    if (!dialog.Chosen()) return;
    const RecordedStep step(*this, QStringLiteral(u"読込"));
    if (dialog.ChosenCommander()) TakeCommander(*dialog.ChosenCommander());
    if (ApplyFormationLists(*dialog.Chosen()) && formation_->Count() > 0) SaveDefaultFormation();
}

void FormationPanel::ClearFormation() {
    if (formation_->Count() == 0) return;
    const RecordedStep step(*this, QStringLiteral(u"編成をクリア"));
    {
        const QScopedValueRollback quiet(movingRow_, true);
        formation_->SetState({{}, formation_->Leader()});
    }
    // As removing the last unit by hand does.
    Q_EMIT detailClearRequested();
    SaveCommander();
    SaveDefaultFormation();
}

void FormationPanel::RemoveRowAsStep() {
    const RecordedStep step(
        *this, u"削除 " + formation_->Cell(CurrentRow() - 1, Col(FormationColumn::Name)));
    RemoveCurrentRow();
}

void FormationPanel::PushStep(const QString& name, int gesture) {
    if (restoring_) return;
    const FormationState& after = State();
    if (after == settled_) return;
    ForgetPastedCommander();
    const auto restore = [this](const FormationState& state) { RestoreState(state); };
    if (gesture == kNoGesture)
        undoStack_->push(new MadeChange<FormationState>(name, settled_, after, restore));
    else
        undoStack_->push(new GestureChange<FormationState>(name, settled_, after, restore, gesture,
                                                           platform_.Now()));
    settled_ = after;
}

void FormationPanel::RestoreState(const FormationState& state) {
    const QScopedValueRollback quiet(restoring_, true);
    pastedCommanderNote_.clear();
    const bool rowsChange = State().rows != state.rows;
    const int current = CurrentRow();
    SetCommanderControls(state.commander);
    {
        const QScopedValueRollback moving(movingRow_, true);
        formation_->SetState(state);
    }
    if (rowsChange && formation_->Count() > 0)
        MakeCurrent(qBound(0, current - 1, formation_->Count() - 1));
    SaveCommander();
    if (rowsChange) SaveDefaultFormation();
    settled_ = State();
}

void FormationPanel::SetCommanderControls(const Commander& commander) {
    const auto set = [](CommanderSpinBox* spinner, QLabel* label, int value) {
        spinner->setValue(value);
        label->setText(QString::number(spinner->value()));
    };
    set(upLevel_, lblLevel_, commander.level);
    set(upDecoration_, lblDecoration_, commander.decoration);
    set(upSkill_, lblSkill_, commander.skill);
    // Blocked: the document takes the commander from the caller, not from this control.
    const QSignalBlocker quiet(cmbClass_);
    cmbClass_->setCurrentIndex(commander.rank ? *commander.rank : -1);
}

QString FormationPanel::ClipboardText() const {
    const QString line =
        MakeFormationText(QStringLiteral(u"デフォルト編成"), platform_.Now(), Lists());
    return FormationClipboardText(formation_->Entries(), catalogue_, formation_->Leader(),
                                  formation_->Outcome().result, line);
}

void FormationPanel::CopyToClipboard() const {
    QGuiApplication::clipboard()->setText(ClipboardText());
}

void FormationPanel::PasteFromClipboard() { PasteFormation(QGuiApplication::clipboard()->text()); }

void FormationPanel::PasteFormation(const QString& text) {
    const std::optional<PastedFormation> pasted = ParsePastedFormation(text);
    if (!pasted) {
        platform_.MsgBox(this, QStringLiteral(u"貼り付ける編成データがありません。"),
                         texts::ErrorTitle(), MsgStyle::Information);
        return;
    }
    {
        const RecordedStep step(*this, QStringLiteral(u"貼り付け"));
        if (pasted->commander && frmSaveData::ReadLoadCommander(settings_))
            TakeCommander(*pasted->commander);
        if (ApplyFormationLists(pasted->lists)) SaveDefaultFormation();
    }
    if (pasted->commander) {
        // Said until the formation next changes, after the step that the paste made.
        pastedCommanderNote_ = u"貼り付けた編成の指揮官: " + CommanderText(*pasted->commander);
        ShowOutcome();
    }
}

QString FormationPanel::PreviewDeploy(const typMsData& unit) const {
    return DeployPreview(unit, formation_->Leader(), formation_->BaseCapacity(),
                         formation_->Entries(), catalogue_);
}

int FormationPanel::RowCount() const { return model_->rowCount() + 1; }

int FormationPanel::CurrentRow() const { return grdFormation_->CurrentGridRow(); }

QString FormationPanel::Cell(int row, int column) const {
    if (row == 0) return model_->headerData(column, Qt::Horizontal).toString();
    return formation_->Cell(row - 1, column);
}

FormationLists FormationPanel::Lists() const { return formation_->Lists(); }

}  // namespace velmora
