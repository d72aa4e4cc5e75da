#pragma once

#include <QSpinBox>

namespace velmora {

// A commander spinner (upLevel, upDecoration, upSkill): only the user's up and down steps
// report stepped(); setting the value from the program does not.
class CommanderSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit CommanderSpinBox(QWidget* parent = nullptr);

    void stepBy(int steps) override;

Q_SIGNALS:
    void stepped();
};

}  // namespace velmora
