#pragma once

#include <QObject>

class QLabel;

namespace velmora {

class CommanderSpinBox;

// Joins a commander value label (lblLevel, lblDecoration, lblSkill) to the arrows-only spinner
// beside it: a click on the label gives the spinner the focus for typed digits, and the wheel
// over the label or the arrows steps the spinner as its arrows do, one step per notch, focus
// or not. Both widgets must outlive it; it is a child of the spinner.
class CommanderValue : public QObject {
    Q_OBJECT
public:
    CommanderValue(QLabel* label, CommanderSpinBox* spinner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* label_;
    CommanderSpinBox* spinner_;
    int wheelRemainder_ = 0;  // eighths of a degree not yet a whole notch (high-resolution wheels)
};

}  // namespace velmora
