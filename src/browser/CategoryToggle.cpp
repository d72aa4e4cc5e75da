#include "browser/CategoryToggle.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace velmora {

namespace {

// The box: a label that takes the focus and marks it with the style's focus rectangle.
class ToggleBox : public QLabel {
public:
    explicit ToggleBox(QWidget* parent) : QLabel(parent) { setFocusPolicy(Qt::StrongFocus); }

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (!hasFocus()) return;
        QPainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
};

}  // namespace

CategoryToggle::CategoryToggle(const QString& name, const QString& caption, const QRect& box,
                               const QPoint& captionOffset, QWidget* parent)
    : QObject(parent), box_(new ToggleBox(parent)), caption_(new QLabel(caption, parent)) {
    setObjectName(name);
    box_->setObjectName(name + u"_0");
    box_->setFrameShape(QFrame::Box);
    box_->setAutoFillBackground(true);
    box_->setGeometry(box);
    caption_->setObjectName(name + u"_1");
    caption_->setAutoFillBackground(false);  // the box's fill shows through
    caption_->move(box.topLeft() + captionOffset);
    caption_->raise();
    box_->installEventFilter(this);
    caption_->installEventFilter(this);
    SetOn(false);
}

void CategoryToggle::SetOn(bool on) {
    on_ = on;
    box_->setFrameShadow(on ? QFrame::Sunken : QFrame::Plain);
    // A dark sunken frame and a bold dark-blue caption tell an "on" box from an "off" one at
    // a glance; the fills alone (241 against the face's 239) do not.
    QPalette palette = box_->palette();
    palette.setColor(QPalette::Window,
                     on ? QColor(241, 241, 241) : caption_->palette().color(QPalette::Window));
    palette.setColor(QPalette::Dark, on ? QColor(32, 32, 32) : QColor(160, 160, 160));
    palette.setColor(QPalette::Light, on ? QColor(255, 255, 255) : QColor(160, 160, 160));
    box_->setPalette(palette);
    QPalette text = caption_->palette();
    text.setColor(QPalette::WindowText, on ? QColor(0, 0, 160) : QColor(0, 0, 0));
    caption_->setPalette(text);
    QFont font = caption_->font();
    font.setBold(on);
    caption_->setFont(font);
    caption_->adjustSize();
}

void CategoryToggle::SetToolTip(const QString& text) {
    box_->setToolTip(text);
    caption_->setToolTip(text);
}

void CategoryToggle::Flip() {
    SetOn(!on_);
    Q_EMIT flipped();
}

bool CategoryToggle::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ && watched != caption_) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint())) {
            Flip();
            return true;
        }
    } else if (event->type() == QEvent::KeyPress && watched == box_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && !key->isAutoRepeat()) {
            Flip();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace velmora
