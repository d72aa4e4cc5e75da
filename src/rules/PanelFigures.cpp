#include "rules/PanelFigures.h"

#include "catalogue/NumberText.h"
#include "rules/Reconstruct.h"

namespace velmora {

PanelFigures FiguresOf(const typMsData& unit) {
    PanelFigures figures;
    figures.hp = num::NumberText(num::Val(unit.Hp) + unit.HpPlus);
    figures.armor = num::NumberText(num::Val(unit.Armor) + unit.ArmorPlus);
    figures.away = num::NumberText(AwayShown(unit));
    figures.preemptive = num::NumberText(PreemptiveShown(unit));
    figures.moveNumber = num::NumberText(num::Val(unit.Move) + unit.MovePlus);
    return figures;
}

int EquippedRowOf(const typMsData& unit) {
    int equipped = 0;
    for (int row = 1; row <= kWeaponCount; ++row)
        if (unit.Weapon[std::size_t(row - 1)].Equipped == FlagOn()) equipped = row;
    return equipped;
}

void EquipRow(typMsData& unit, double row) {
    for (int t = 1; t <= kWeaponCount; ++t)
        unit.Weapon[std::size_t(t - 1)].Equipped =
            t == row ? FlagOn() : FlagOff();
}

}  // namespace velmora
