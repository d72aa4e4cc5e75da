#include "browser/MsListPanel.h"

#include "browser/CategoryToggle.h"
#include "browser/ImgDecoder.h"
#include "browser/MsListFilter.h"
#include "browser/MsListModel.h"
#include "browser/UnitPictureBox.h"
#include "browser/UnitPictureFile.h"
#include "widgets/GridView.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <utility>

namespace velmora {

namespace {

// Design positions are in twips, 15 to a pixel; the filter row's controls are placed relative to
// the frame's margins below.
constexpr int kMarginLeft = 5;
constexpr int kFilterTop = 13;
constexpr int kGridTop = 35;
constexpr int kRightLeft = 592;

struct ToggleDesign {
    const char16_t* name;
    const char16_t* caption;
    QPoint captionOffset;  // caption position inside the box, px
    const char16_t* tip;   // what the toggle lets through
};

// In screen order, which is also ListToggle's order.
const ToggleDesign kToggles[kListToggleCount] = {
    {u"lblGeneral", u"汎用", {9, 3}, u"地形：移動適性に「汎」を含む機体（万能汎用）"},
    {u"lblEarth", u"地上", {10, 3}, u"地形：移動適性が「地」で始まる機体（地上）"},
    {u"lblSpace", u"宇宙", {10, 3}, u"地形：移動適性が「宇」で始まる機体（宇宙）"},
    {u"lblMassProduction", u"量産", {9, 3}, u"区分：制限が「量」で始まる機体（量産機）"},
    {u"lblAce", u"一機", {9, 3}, u"区分：制限が「一」で始まる機体（一機制限、一機・ＮＴ）"},
    {u"lblPrivate", u"専用", {10, 3}, u"区分：制限が「専」で始まる機体（専用機）"},
    {u"lblLimit", u"限定", {9, 4}, u"区分：制限が「限」で始まる機体（限定生産）"},
    {u"lblNt", u"ＮＴ", {9, 4}, u"区分：制限に「Ｎ」を含む機体（一機・ＮＴ）"},
    {u"lblStar", u"☆", {15, 4}, u"名前に「☆」を含む機体"},
};

// How the toggles combine, shown under each toggle's own rule.
constexpr char16_t kToggleRule[] =
    u"地形どうし・区分どうしはどれかに当てはまれば表示、地形・区分・☆は"
    u"すべてに当てはまる機体だけを表示します。クリックかSpaceで切り替え";

}  // namespace

MsListPanel::MsListPanel(const clsMsData& catalogue, QWidget* parent)
    : QGroupBox(QStringLiteral(u"機体一覧"), parent), model_(new MsListModel(catalogue, this)) {
    setObjectName(QStringLiteral(u"fraMsList"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMarginLeft, 0, kMarginLeft, 3);
    layout->setSpacing(2);

    auto* filters = new QWidget(this);
    filters->setFixedHeight(20);
    BuildFilters(filters);
    layout->addWidget(filters);

    auto* body = new QHBoxLayout;
    body->setSpacing(kRightLeft - 587);
    grid_ = new GridView(this);
    BuildGrid();
    body->addWidget(grid_, 1);

    // The picture column: lblBox framing picImg, both at their design positions.
    auto* right = new QWidget(this);
    right->setFixedWidth(195);
    right->setMinimumHeight(244);
    auto* box = new QLabel(right);
    box->setObjectName(QStringLiteral(u"lblBox"));
    box->setFrameShape(QFrame::Box);
    box->setGeometry(0, 0, 194, 244);
    picture_ = new UnitPictureBox(right);
    picture_->setObjectName(QStringLiteral(u"picImg"));
    picture_->setGeometry(596 - kRightLeft, 37 - kGridTop, 179, 239);
    body->addWidget(right, 0, Qt::AlignTop);
    layout->addLayout(body, 1);

    // The former work area of the decoder; kept as a hidden control of the design.
    auto* copy = new QLabel(this);
    copy->setObjectName(QStringLiteral(u"picImgCopy"));
    copy->setGeometry(246, 33, 256, 257);
    copy->hide();
}

void MsListPanel::BuildFilters(QWidget* row) {
    // Design positions count from the frame's outer edge; the row starts inside the frame's
    // border and the layout margin.
    const int inset = contentsMargins().left() + kMarginLeft;
    const auto place = [inset](QWidget* w, int x, int y, int width, int height) {
        w->setGeometry(x - inset, y - kFilterTop, width, height);
    };
    const std::array<const char16_t*, 3> captions = {u"連邦", u"ジオン", u"すべて"};
    const std::array<const char16_t*, 3> tips = {u"連邦の機体を表示", u"ジオンの機体を表示",
                                                 u"両軍の機体を表示"};
    const std::array<QRect, 3> options = {QRect(6, 15, 53, 17), QRect(61, 15, 64, 17),
                                          QRect(128, 15, 64, 17)};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(QString::fromUtf16(captions[size_t(i)]), row);
        option->setObjectName(u"optMS_" + QString::number(i));
        // Alt+1 to Alt+3 choose the faction; the caption stays as designed.
        option->setShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + i)));
        option->setToolTip(QString::fromUtf16(tips[size_t(i)]) + u"（Alt+" +
                           QString::number(i + 1) + u"）");
        const QRect& r = options[size_t(i)];
        place(option, r.x(), r.y(), r.width(), r.height());
        connect(option, &QRadioButton::clicked, this, [this, i] {
            // The panel is cleared: no row stays highlighted until the user picks one.
            Q_EMIT factionChosen();
            ClearCurrentRow();
            FillMsList(i);
        });
        options_[size_t(i)] = option;
    }
    options_[0]->setChecked(true);

    keyword_ = new QLineEdit(row);
    keyword_->setObjectName(QStringLiteral(u"txtKeyword"));
    keyword_->setToolTip(QStringLiteral(
        u"キーワード（Enterで絞り込み、Ctrl+Fでここへ）。空白で区切った語のどれもが、名前に"
        u"含まれるか搭載量と同じ機体を表示します"));
    place(keyword_, 196, 13, 166, 19);
    connect(keyword_, &QLineEdit::returnPressed, this, &MsListPanel::RefreshList);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        keyword_->setFocus(Qt::ShortcutFocusReason);
        keyword_->selectAll();
    });

    for (int i = 0; i < kListToggleCount; ++i) {
        const ToggleDesign& design = kToggles[i];
        const QRect box(374 + 46 * i - inset, 0, 42, 19);
        auto* toggle =
            new CategoryToggle(QString::fromUtf16(design.name), QString::fromUtf16(design.caption),
                               box, design.captionOffset, row);
        toggle->SetToolTip(QString::fromUtf16(design.tip) + u'\n' +
                           QString::fromUtf16(kToggleRule));
        connect(toggle, &CategoryToggle::flipped, this, &MsListPanel::RefreshList);
        toggles_[size_t(i)] = toggle;
    }
}

void MsListPanel::BuildGrid() {
    grid_->setObjectName(QStringLiteral(u"grdMsList"));
    grid_->setModel(model_);
    grid_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grid_->SetDesignColumnWidths(&MsListModel::ColumnWidthTwips);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!filling_) ShowCurrentUnit();
    });
    connect(grid_, &GridView::focusGained, this, &MsListPanel::ShowCurrentUnit);
    grid_->installEventFilter(this);

    // A header click sorts by that column, ascending first; the choice lasts across refills.
    QHeaderView* header = grid_->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    connect(header, &QHeaderView::sortIndicatorChanged, this,
            [this](int column, Qt::SortOrder order) {
                if (column >= 0) model_->sort(column, order);
            });
    grid_->SetFillColumn(Col(MsListModel::Column::MsName));
    connect(grid_, &GridView::leftDoubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) Q_EMIT deployRequested();
    });
    connect(grid_, &GridView::mousePressed, this, &MsListPanel::OnMousePressed);
    connect(grid_, &GridView::mouseReleased, this, &MsListPanel::OnMouseReleased);
}

bool MsListPanel::eventFilter(QObject* watched, QEvent* event) {
    // Enter on a unit row deploys it, as a double-click does.
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && CurrentRow() > 0) {
            Q_EMIT deployRequested();
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void MsListPanel::FillMsList(int armyIndex) {
    // The keyword box shows its full-width spaces as half-width ones from now on.
    const QString keyword = keyword_->text();
    if (keyword.contains(QChar(u'\u3000'))) {
        const int cursor = keyword_->cursorPosition();
        keyword_->setText(MsListFilter::RewriteSpaces(keyword));
        keyword_->setCursorPosition(cursor);
    }
    MsListFilter filter;
    filter.SetArmyIndex(armyIndex);
    filter.SetKeyword(keyword_->text());
    for (int i = 0; i < kListToggleCount; ++i)
        filter.SetToggle(ListToggle(i), toggles_[size_t(i)]->IsOn());

    // The unit that was current stays current when it is still listed; otherwise no row is.
    const int currentUnit = model_->CatalogueRow(CurrentRow() - 1);
    filling_ = true;
    model_->Fill(filter);
    int row = 0;
    for (int r = 0; currentUnit >= 0 && r < model_->rowCount(); ++r) {
        if (model_->CatalogueRow(r) == currentUnit) {
            row = r + 1;
            break;
        }
    }
    if (row > 0) {
        grid_->selectionModel()->setCurrentIndex(
            model_->index(row - 1, Col(MsListModel::Column::Army)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        grid_->selectionModel()->clear();
    }
    filling_ = false;
}

void MsListPanel::ClearCurrentRow() {
    filling_ = true;
    grid_->selectionModel()->clear();
    filling_ = false;
}

int MsListPanel::SelectedArmyIndex() const {
    for (int i = 0; i < 3; ++i) {
        if (options_[size_t(i)]->isChecked()) return i;
    }
    return 0;
}

void MsListPanel::RefreshList() {
    FillMsList(SelectedArmyIndex());
    ShowCurrentUnit();
}

void MsListPanel::ShowCurrentUnit() {
    const int row = CurrentRow();
    if (row > 0) Q_EMIT unitChosen(Cell(row, Col(MsListModel::Column::MsNo)));
}

int MsListPanel::RowCount() const { return model_->rowCount() + 1; }

int MsListPanel::CurrentRow() const { return grid_->CurrentGridRow(); }

QString MsListPanel::Cell(int row, int column) const {
    if (row == 0) return model_->headerData(column, Qt::Horizontal).toString();
    return model_->index(row - 1, column).data().toString();
}

void MsListPanel::SetPictureFolder(const QString& msStatusPath) { pictureFolder_ = msStatusPath; }

void MsListPanel::SetPictureNote(const QString& note) { picture_->SetNote(note); }

void MsListPanel::ShowMsImage(const typMsData& record, int shieldChoice,
                              const QStringList& equippedColumn) {
    const QString file = UnitPictureFile::Choose(
        pictureFolder_, record, shieldChoice, equippedColumn,
        [](const QString& path) { return !UnitPictureFile::Locate(path).isEmpty(); });
    DrawImgFile(file);
}

void MsListPanel::DrawImgFile(const QString& path) {
    picture_->Clear();
    const QString file = UnitPictureFile::Locate(path);
    if (file.isEmpty()) return;
    // A picture that cannot be read is left cleared.
    const Result<QByteArray> bytes = ImgDecoder::ReadFile(file);
    if (!bytes) return;
    picture_->SetImage(UnitPictureBox::ImageFromBitmap(ImgDecoder::Decode(*bytes)));
}

void MsListPanel::OnMousePressed(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    const bool shiftOrCtrl = modifiers & (Qt::ShiftModifier | Qt::ControlModifier);
    if (shiftOrCtrl && (buttons & Qt::LeftButton)) wheelArmed_ = true;
}

void MsListPanel::OnMouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (!(modifiers & (Qt::ShiftModifier | Qt::ControlModifier))) return;
    if (button == Qt::LeftButton) {
        wheelArmed_ = false;
    } else if (button == Qt::RightButton && wheelArmed_) {
        // One wheel notch, up with Ctrl and down otherwise. It goes without modifiers, because a
        // scroll area reads Ctrl or Shift on a wheel as a page step.
        QWidget* viewport = grid_->viewport();
        const QPointF at = QRectF(viewport->rect()).center();
        QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(),
                          QPoint(0, (modifiers & Qt::ControlModifier) ? 120 : -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
    }
}

QList<int> MsListPanel::ColumnWidths() const {
    QList<int> widths;
    for (int c = 0; c < MsListModel::kColumnCount; ++c) widths.append(grid_->PreferredWidth(c));
    return widths;
}

void MsListPanel::SetColumnWidths(const QList<int>& widths) {
    if (widths.size() != MsListModel::kColumnCount) return;
    // A column narrower than this could no longer be found to widen it again.
    constexpr int kNarrowest = 8;
    for (int c = 0; c < MsListModel::kColumnCount; ++c) {
        if (!grid_->isColumnHidden(c) && widths[c] >= kNarrowest)
            grid_->SetPreferredWidth(c, widths[c]);
    }
}

void MsListPanel::vbWheelMinus() {
    if (RowCount() <= 0 || window()->focusWidget() != grid_) return;
    QScrollBar* bar = grid_->verticalScrollBar();
    const int topRow = bar->value() + 1;
    if (topRow < RowCount() - 2) bar->setValue(bar->value() + 1);
}

void MsListPanel::vbWheelPlus() {
    if (RowCount() <= 1 || window()->focusWidget() != grid_) return;
    QScrollBar* bar = grid_->verticalScrollBar();
    const int topRow = bar->value() + 1;
    if (topRow > 1) bar->setValue(bar->value() - 1);
}

void MsListPanel::vbMButtonUp() {}

void MsListPanel::SetPreview(std::function<QString(const typMsData&)> preview) {
    model_->SetPreview(std::move(preview));
}

}  // namespace velmora
