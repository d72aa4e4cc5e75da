#include "formationpanel/CommanderSpinBox.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace velmora {

CommanderSpinBox::CommanderSpinBox(QWidget* parent) : QSpinBox(parent) {
    // Only the arrows show; the label beside the spinner shows the value. The hidden editor
    // still takes the digits typed while the spinner has the focus.
    lineEdit()->setVisible(false);
    setFocusPolicy(Qt::StrongFocus);
    setKeyboardTracking(false);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        typed_ = true;
        Q_EMIT typing(text);
    });
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
        if (!typed_) return;
        typed_ = false;
        lastTyped_ = true;
        Q_EMIT stepped();
        selectAll();  // the next digit starts a new value
    });
}

void CommanderSpinBox::stepBy(int steps) {
    typed_ = false;
    lastTyped_ = false;
    QSpinBox::stepBy(steps);
    Q_EMIT stepped();
}

void CommanderSpinBox::focusInEvent(QFocusEvent* event) {
    QSpinBox::focusInEvent(event);
    // Typing replaces the value instead of adding digits to it.
    selectAll();
}

}  // namespace velmora
