#include "formation/CommanderSpinBox.h"

#include <QLineEdit>

namespace velmora {

CommanderSpinBox::CommanderSpinBox(QWidget* parent) : QSpinBox(parent) {
    // Only the arrows show; the label beside the spinner shows the value.
    lineEdit()->setVisible(false);
    setFocusPolicy(Qt::NoFocus);
    setKeyboardTracking(false);
}

void CommanderSpinBox::stepBy(int steps) {
    QSpinBox::stepBy(steps);
    Q_EMIT stepped();
}

}  // namespace velmora
