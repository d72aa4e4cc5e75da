#include "app/frmMain.h"

#include "app/StartUp.h"
#include "app/WindowGeometry.h"
#include "app/WindowHelp.h"
#include "browser/MsListPanel.h"
#include "detail/MsInfoPanel.h"
#include "formationpanel/FormationPanel.h"
#include "formation/FormationRows.h"
#include "system/MessageTexts.h"
#include "system/Platform.h"
#include "widgets/Twips.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QCloseEvent>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <exception>

namespace velmora {

namespace {

// The design's client area: 805 x 622 pixels.
constexpr int kClientWidth = TwipsToPixels(12075);
constexpr int kClientHeight = TwipsToPixels(9330);

// The design's "ＭＳ ゴシック" 9 pt (named in English or Japanese, as Windows may list it), then
// the other Japanese fonts of Windows, a font made to its measures (IPAGothic), or any Japanese
// font at hand.
QFont WindowFont() {
    QStringList families{QStringLiteral(u"MS Gothic"), QStringLiteral(u"ＭＳ ゴシック"),
                         QStringLiteral(u"Meiryo"),    QStringLiteral(u"Yu Gothic UI"),
                         QStringLiteral(u"IPAGothic"), QStringLiteral(u"Noto Sans CJK JP")};
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    if (!japanese.isEmpty()) families.append(japanese.first());
    QFont font;
    font.setFamilies(families);
    font.setPointSize(9);
    return font;
}

QLabel* StatusPanel(QStatusBar* bar, const QString& name, int stretch) {
    auto* panel = new QLabel(bar);
    panel->setObjectName(name);
    bar->addWidget(panel, stretch);
    return panel;
}

}  // namespace

frmMain::frmMain(Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      settings_(platform.ProgramFolder() + u"/setting.ini") {
    setObjectName(QStringLiteral(u"frmMain"));
    setWindowTitle(QStringLiteral(u"Velmora"));
    setFont(WindowFont());

    auto* central = new QWidget(this);
    content_ = central;
    auto* layout = new QVBoxLayout(central);
    // The design's gaps are 5 to 7 pixels; tighter ones leave the frames room where the fonts
    // are taller than the design's.
    layout->setContentsMargins(7, 2, 5, 0);
    layout->setSpacing(2);
    list_ = new MsListPanel(catalogue_, central);
    detail_ = new MsInfoPanel(catalogue_, platform_, central);
    formation_ = new FormationPanel(catalogue_, settings_, platform_, central);
    // The unit list takes most of the room a larger window gives.
    layout->addWidget(list_, 2);
    layout->addWidget(detail_, 1);
    layout->addWidget(formation_, 1);
    // Where the screen is too small for the design (a high scale on a small screen), the frames
    // scroll instead of being cut; the status bar and the menus stay in view.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(central);
    setCentralWidget(scroll);

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral(u"sbStatus"));
    // The window's edges resize it; the grip's room goes to the status texts.
    bar->setSizeGripEnabled(false);
    // The verdict takes the width of its text; the explanation the rest.
    verdictPanel_ = StatusPanel(bar, QStringLiteral(u"sbPanel1"), 0);
    explanationPanel_ = StatusPanel(bar, QStringLiteral(u"sbPanel2"), 1);
    explanationPanel_->setMinimumWidth(60);
    // The room the verdict leaves; a longer explanation is cut (its tooltip shows it whole)
    // rather than widening the window.
    explanationPanel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    datePanel_ = StatusPanel(bar, QStringLiteral(u"sbPanel3"), 0);
    timePanel_ = StatusPanel(bar, QStringLiteral(u"sbPanel4"), 0);
    setStatusBar(bar);

    connect(list_, &MsListPanel::unitChosen, detail_, &MsInfoPanel::ShowListUnit);
    connect(list_, &MsListPanel::factionChosen, detail_, &MsInfoPanel::ClearMsData);
    connect(list_, &MsListPanel::deployRequested, this, &frmMain::AddToFormation);
    connect(detail_, &MsInfoPanel::addClicked, this, &frmMain::AddToFormation);
    connect(detail_, &MsInfoPanel::editClicked, this, &frmMain::UpdateFormationRow);
    detail_->SetPictureRefresh(
        [this](const typMsData& unit, int shieldChoice, const QStringList& equippedColumn) {
            list_->ShowMsImage(unit, shieldChoice, equippedColumn);
        });
    connect(formation_, &FormationPanel::unitSelected, detail_, &MsInfoPanel::ShowFormationUnit);
    connect(formation_, &FormationPanel::detailClearRequested, detail_, &MsInfoPanel::ClearMsData);
    connect(formation_, &FormationPanel::verdictChanged, verdictPanel_, &QLabel::setText);
    connect(formation_, &FormationPanel::verdictExplained, this, &frmMain::ExplainInStatusBar);
    // The list highlights the unit on display or none: a formation row shown, or a cleared
    // panel, takes the highlight away from it.
    connect(formation_, &FormationPanel::unitSelected, list_, &MsListPanel::ClearCurrentRow);
    connect(formation_, &FormationPanel::detailClearRequested, list_,
            &MsListPanel::ClearCurrentRow);
    list_->SetPreview([this](const typMsData& unit) { return formation_->PreviewDeploy(unit); });
    BuildEditMenu();
    BuildSettingsMenu();

    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &frmMain::ShowClock);
    clock_->start();
    ShowClock();

    ApplyWindowHelp(*this);
    ApplyMinimumSize();
    // The menu bar sits above the design's client area, which keeps its size.
    resize(minimumSize());
}

void frmMain::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu(QStringLiteral(u"編集"));
    const QList<QAction*> actions = formation_->EditActions();
    for (int i = 0; i < actions.size(); ++i) {
        // undo and redo, then copy and paste, then clearing
        if (i == 2 || i == 4) edit->addSeparator();
        edit->addAction(actions[i]);
    }
    for (QWidget* editor : findChildren<QLineEdit*>()) editor->installEventFilter(this);
    for (QWidget* editor : findChildren<QAbstractSpinBox*>()) editor->installEventFilter(this);
}

void frmMain::BuildSettingsMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral(u"設定"));
    QAction* installFolder = menu->addAction(QStringLiteral(u"ゲームの導入先フォルダ…"));
    installFolder->setObjectName(QStringLiteral(u"actInstallFolder"));
    connect(installFolder, &QAction::triggered, this, &frmMain::ChooseInstallFolder);
}

// The start-up's prompt at any time: a chosen folder is remembered and its pictures show at once.
void frmMain::ChooseInstallFolder() {
    const QString chosen = StartUp(platform_, catalogue_, settings_).ChooseInstallFolder(this);
    if (chosen.isEmpty()) return;
    list_->SetPictureFolder(StartUp::StatusPicturePath(chosen));
    list_->SetPictureNote(QString());
    list_->ShowMsImage(detail_->CurMsData(), detail_->ShieldChoice(), detail_->EquippedColumn());
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (QAction* action : formation_->EditActions().mid(0, 2)) {
            if (action->shortcuts().contains(pressed)) {
                // Not taken here: the shortcut goes to the undo stack.
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// The window never gets smaller than its design client area (a menu bar comes on top of it),
// nor than its frames need, unless the screen it is on has no room for that: then the frames
// keep that size and scroll inside a smaller window.
void frmMain::ApplyMinimumSize() {
    const int menu = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    const int bar = statusBar()->sizeHint().height();
    const QSize content = QSize(kClientWidth, kClientHeight - bar)
                              .expandedTo(content_->minimumSizeHint())
                              .expandedTo(content_->layout()->minimumSize());
    content_->setMinimumSize(content);
    // Once the window is laid out, the menu and status bars' real heights count: a platform's
    // style may give them more room than their size hints, which the frames would lose.
    int chrome = bar + menu;
    if (isVisible() && centralWidget()->height() > 0)
        chrome = qMax(chrome, height() - centralWidget()->height());
    const QSize wanted(content.width(), content.height() + chrome);
    QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    frameSeen_ = frame;
    if (frame.isNull()) {
        // Not known before the window manager framed the window: a usual title bar and border.
        constexpr int kBorder = 4;
        constexpr int kTitleBar = 32;
        frame = QMargins(kBorder, qMax(kTitleBar, style()->pixelMetric(QStyle::PM_TitleBarHeight)),
                         kBorder, kBorder);
    }
    const QScreen* on = screen();
    const QSize available = on ? on->availableGeometry().size() : wanted;
    QSize fitting = WindowGeometry::FittingMinimum(wanted, available, frame);
    // Frames that scroll up and down need the scroll bar's width beside them as well.
    if (fitting.height() < wanted.height()) {
        const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        fitting = WindowGeometry::FittingMinimum(wanted + QSize(scrollBar, 0), available, frame)
                      .boundedTo(QSize(wanted.width() + scrollBar, fitting.height()));
    }
    setMinimumSize(fitting);
}

void frmMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // The window manager's frame is known once it has placed the window.
    if (windowHandle() && windowHandle()->frameMargins() != frameSeen_) ApplyMinimumSize();
}

void frmMain::showEvent(QShowEvent* event) {
    ApplyMinimumSize();
    QMainWindow::showEvent(event);
    // Again once the bars have their real heights.
    QTimer::singleShot(0, this, &frmMain::ApplyMinimumSize);
    if (windowHandle() && !screenWatched_) {
        screenWatched_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, &frmMain::ApplyMinimumSize);
    }
}

bool frmMain::Load() {
    // The one catch of the program: main calls this directly, outside any Qt connection.
    try {
        if (!InitMain()) return false;
        list_->FillMsList(0);
        formation_->LoadDefaultFormation();
        RestoreGeometry();
        loaded_ = true;
        return true;
    } catch (const std::exception& e) {
        platform_.MsgBox(this, QString::fromLocal8Bit(e.what()), texts::ErrorTitle(),
                         MsgStyle::Information);
        return false;
    }
}

bool frmMain::InitMain() {
    StartUp startUp(platform_, catalogue_, settings_);
    const Result<StartUpResult> result = startUp.Run(this);
    if (!result) return false;
    list_->SetPictureFolder(result->msStatusPath);
    if (result->installFolderUnknown) list_->SetPictureNote(StartUp::PictureNote());
    formation_->RestoreCommander(result->rank, result->level, result->decoration, result->skill);
    return true;
}

void frmMain::RestoreGeometry() {
    const WindowGeometry saved = WindowGeometry::Read(settings_);
    if (saved.normal) {
        QList<QRect> screens;
        for (const QScreen* screen : QGuiApplication::screens())
            screens.append(screen->availableGeometry());
        const QSize size = saved.normal->size().expandedTo(minimumSize());
        if (WindowGeometry::IsOnScreen(*saved.normal, screens))
            setGeometry(QRect(saved.normal->topLeft(), size));
        else
            resize(size);
    }
    list_->SetColumnWidths(saved.columnWidths);
    if (saved.maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void frmMain::SaveGeometry() {
    WindowGeometry now;
    now.maximized = isMaximized();
    now.normal = now.maximized ? normalGeometry() : geometry();
    if (now.normal->isEmpty()) now.normal.reset();
    now.columnWidths = list_->ColumnWidths();
    const Status written = now.Write(settings_);
    if (!written)
        platform_.MsgBox(this, written.message(), texts::ErrorTitle(), MsgStyle::Information);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (loaded_) SaveGeometry();
    QMainWindow::closeEvent(event);
}

void frmMain::SetMsData(const QString& msNo, bool updatePreemptive) {
    detail_->SetMsData(msNo, updatePreemptive);
}

void frmMain::vbWheelMinus() { list_->vbWheelMinus(); }

void frmMain::vbWheelPlus() { list_->vbWheelPlus(); }

void frmMain::vbMButtonUp() { list_->vbMButtonUp(); }

// The deploy button and a double-click in the unit list, whose first click showed the row's
// unit: the unit on display goes into the formation whole, with its choices.
void frmMain::AddToFormation() {
    const typMsData& unit = detail_->CurMsData();
    if (unit.MsName.isEmpty()) {
        ExplainInStatusBar(QStringLiteral(u"配備する機体を選んでください。"));
        return;
    }
    if (formation_->RowCount() - 1 >= kMaxFormationUnits) {
        ExplainInStatusBar(QStringLiteral(u"編成は７機までです。"));
        return;
    }
    formation_->AddUnit(UnitRow(unit, detail_->ShieldChoice(), detail_->ModificationCode()));
}

void frmMain::UpdateFormationRow() {
    const typMsData& unit = detail_->CurMsData();
    if (unit.MsName.isEmpty()) return;
    formation_->UpdateCurrentRow(
        UnitRow(unit, detail_->ShieldChoice(), detail_->ModificationCode()));
}

void frmMain::ExplainInStatusBar(const QString& text) {
    explanationPanel_->setText(text);
    explanationPanel_->setToolTip(text);
}

void frmMain::ShowClock() {
    const QDateTime now = platform_.Now();
    datePanel_->setText(now.toString(QStringLiteral(u"yyyy/MM/dd")));
    timePanel_->setText(now.toString(QStringLiteral(u"HH:mm")));
}

}  // namespace velmora
