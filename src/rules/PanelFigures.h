#pragma once

#include <QString>

namespace velmora {

// The texts of the detail panel's value labels, as a formation row takes them.
struct PanelFigures {
    QString msName;
    QString hp;
    QString armor;
    QString away;
    QString preemptive;
    QString move;        // lblMove: move type followed by the move number, e.g. "地上3"
    QString moveNumber;  // the number part of lblMove alone, e.g. "3" (or "10")
    QString sale;
    QString repair;
};

}  // namespace velmora
