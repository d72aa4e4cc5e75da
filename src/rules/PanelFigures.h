#pragma once

#include "catalogue/UnitRecord.h"

#include <QString>

namespace velmora {

// The figures of a unit with its choices applied, as the detail panel writes them and a
// formation row stores them. Computed from the record alone, once: nothing reads a label back.
struct PanelFigures {
    QString hp;          // Val(Hp) + HpPlus
    QString armor;       // Val(Armor) + ArmorPlus
    QString away;        // the evasion display formula
    QString preemptive;  // the pre-emption display formula
    QString moveNumber;  // Val(Move) + MovePlus; lblMove shows MoveType followed by it

    bool operator==(const PanelFigures&) const = default;
};

// The figures of a record whose bonus fields CalcReconstruct has set for its choices.
PanelFigures FiguresOf(const typMsData& unit);

// The weapon row (1 to 7) of the last equipped weapon; 0 when none is equipped.
int EquippedRowOf(const typMsData& unit);

// Equips the weapon whose row number (1 to 7) equals `row` and no other; 0, or a number that
// is no row, equips none.
void EquipRow(typMsData& unit, double row);

}  // namespace velmora
