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
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
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
};

// In screen order, which is also ListToggle's order.
const ToggleDesign kToggles[kListToggleCount] = {
    {u"lblGeneral", u"汎用", {9, 3}}, {u"lblEarth", u"地上", {10, 3}},
    {u"lblSpace", u"宇宙", {10, 3}},  {u"lblMassProduction", u"量産", {9, 3}},
    {u"lblAce", u"一機", {9, 3}},     {u"lblPrivate", u"専用", {10, 3}},
    {u"lblLimit", u"限定", {9, 4}},   {u"lblNt", u"ＮＴ", {9, 4}},
    {u"lblStar", u"☆", {15, 4}},
};

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
    const std::array<QRect, 3> options = {QRect(6, 15, 53, 17), QRect(61, 15, 64, 17),
                                          QRect(128, 15, 64, 17)};
    for (int i = 0; i < 3; ++i) {
        auto* option = new QRadioButton(QString::fromUtf16(captions[size_t(i)]), row);
        option->setObjectName(u"optMS_" + QString::number(i));
        const QRect& r = options[size_t(i)];
        place(option, r.x(), r.y(), r.width(), r.height());
        connect(option, &QRadioButton::clicked, this, [this, i] {
            Q_EMIT factionChosen();
            FillMsList(i);
        });
        options_[size_t(i)] = option;
    }
    options_[0]->setChecked(true);

    keyword_ = new QLineEdit(row);
    keyword_->setObjectName(QStringLiteral(u"txtKeyword"));
    place(keyword_, 196, 13, 166, 19);
    connect(keyword_, &QLineEdit::returnPressed, this, &MsListPanel::RefreshList);

    for (int i = 0; i < kListToggleCount; ++i) {
        const ToggleDesign& design = kToggles[i];
        const QRect box(374 + 46 * i - inset, 0, 42, 19);
        auto* toggle =
            new CategoryToggle(QString::fromUtf16(design.name), QString::fromUtf16(design.caption),
                               box, design.captionOffset, row);
        connect(toggle, &CategoryToggle::flipped, this, &MsListPanel::RefreshList);
        toggles_[size_t(i)] = toggle;
    }
}

void MsListPanel::BuildGrid() {
    grid_->setObjectName(QStringLiteral(u"grdMsList"));
    grid_->setModel(model_);
    grid_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    for (int c = 0; c < MsListModel::ColumnCount; ++c) {
        const int twips = MsListModel::ColumnWidthTwips(c);
        if (twips == 0)
            grid_->setColumnHidden(c, true);
        else
            grid_->setColumnWidth(c, twips / 15);
    }
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!filling_) ShowCurrentUnit();
    });
    connect(grid_, &GridView::focusGained, this, &MsListPanel::ShowCurrentUnit);
    connect(grid_, &GridView::leftDoubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) Q_EMIT deployRequested();
    });
    connect(grid_, &GridView::mousePressed, this, &MsListPanel::OnMousePressed);
    connect(grid_, &GridView::mouseReleased, this, &MsListPanel::OnMouseReleased);
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

    const int current = CurrentRow();
    filling_ = true;
    model_->Fill(filter);
    if (current > 0 && current <= model_->rowCount()) {
        grid_->selectionModel()->setCurrentIndex(
            model_->index(current - 1, MsListModel::Army),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
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
    if (row > 0) Q_EMIT unitChosen(Cell(row, MsListModel::MsNo));
}

int MsListPanel::RowCount() const { return model_->rowCount() + 1; }

int MsListPanel::CurrentRow() const {
    const QModelIndex current = grid_->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

QString MsListPanel::Cell(int row, int column) const {
    if (row == 0) return model_->headerData(column, Qt::Horizontal).toString();
    return model_->index(row - 1, column).data().toString();
}

void MsListPanel::SetPictureFolder(const QString& msStatusPath) { pictureFolder_ = msStatusPath; }

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
    const std::optional<QByteArray> bytes = ImgDecoder::ReadFile(file);
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
