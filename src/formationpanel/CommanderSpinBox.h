#pragma once

#include <QSpinBox>

namespace velmora {

// A commander spinner (upLevel, upDecoration, upSkill): only its arrows show, the label beside
// it shows the value. The user's up and down steps (arrows, keys, wheel) and a value typed while
// it has the focus (committed by Enter or by leaving it) report stepped(); setting the value
// from the program does not. A value out of range is not taken.
class CommanderSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit CommanderSpinBox(QWidget* parent = nullptr);

    void stepBy(int steps) override;
    // True when the last stepped() came from typed digits, not from a step.
    bool LastStepTyped() const { return lastTyped_; }

Q_SIGNALS:
    void stepped();
    // The digits typed so far, before they are committed.
    void typing(const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    bool typed_ = false;
    bool lastTyped_ = false;
};

}  // namespace velmora
