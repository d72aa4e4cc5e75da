#include "formationpanel/CommanderValue.h"

#include "formationpanel/CommanderSpinBox.h"

#include <QLabel>
#include <QMouseEvent>
#include <QWheelEvent>

namespace velmora {

CommanderValue::CommanderValue(QLabel* label, CommanderSpinBox* spinner)
    : QObject(spinner), label_(label), spinner_(spinner) {
    label_->setCursor(Qt::IBeamCursor);
    label_->installEventFilter(this);
    spinner_->installEventFilter(this);
}

bool CommanderValue::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        spinner_->setFocus(Qt::MouseFocusReason);
        return true;
    }
    if (event->type() == QEvent::Wheel) {
        wheelRemainder_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
        const int notches = wheelRemainder_ / QWheelEvent::DefaultDeltasPerStep;
        wheelRemainder_ -= notches * QWheelEvent::DefaultDeltasPerStep;
        // Past either end the value stays, as the disabled arrow leaves it.
        const int target =
            qBound(spinner_->minimum(), spinner_->value() + notches, spinner_->maximum());
        if (target != spinner_->value()) spinner_->stepBy(target - spinner_->value());
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace velmora
