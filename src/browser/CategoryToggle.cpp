#include "browser/CategoryToggle.h"

#include <QLabel>
#include <QMouseEvent>

namespace velmora {

CategoryToggle::CategoryToggle(const QString& name, const QString& caption, const QRect& box,
                               const QPoint& captionOffset, QWidget* parent)
    : QObject(parent), box_(new QLabel(parent)), caption_(new QLabel(caption, parent)) {
    setObjectName(name);
    box_->setObjectName(name + u"_0");
    box_->setFrameShape(QFrame::Box);
    box_->setAutoFillBackground(true);
    box_->setGeometry(box);
    caption_->setObjectName(name + u"_1");
    caption_->setAutoFillBackground(false);  // the box's fill shows through
    caption_->adjustSize();
    caption_->move(box.topLeft() + captionOffset);
    caption_->raise();
    box_->installEventFilter(this);
    caption_->installEventFilter(this);
    SetOn(false);
}

void CategoryToggle::SetOn(bool on) {
    on_ = on;
    box_->setFrameShadow(on ? QFrame::Sunken : QFrame::Plain);
    QPalette palette = box_->palette();
    palette.setColor(QPalette::Window,
                     on ? QColor(241, 241, 241) : caption_->palette().color(QPalette::Window));
    box_->setPalette(palette);
}

bool CategoryToggle::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == box_ || watched == caption_) && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint())) {
            SetOn(!on_);
            Q_EMIT flipped();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace velmora
