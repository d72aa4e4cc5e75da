#include "formation/FormationRows.h"

#include "catalogue/NumberText.h"
#include "catalogue/clsMsData.h"
#include "rules/PanelFigures.h"
#include "rules/Reconstruct.h"

namespace velmora {

namespace {

// Whole(Val(entry)); a number beyond the integer range keeps its meaning as far as it can: a
// shield is fitted, the modification code is unknown.
int WholeEntry(const QString& entry, int outOfRange) {
    const Result<int> value = num::CheckedWholeInt(num::Val(entry));
    return value ? *value : outOfRange;
}

// Columns 0 to 14 of a unit whose choices are applied; the markers stay empty for the rules.
FormationRow FigureCells(const typMsData& unit) {
    const PanelFigures figures = FiguresOf(unit);
    FormationRow row;
    row[kColMsNo] = unit.MsNo;
    row[kColName] = unit.MsName;
    row[kColWeight] = unit.Weight;
    row[kColHp] = figures.hp;
    row[kColArmor] = figures.armor;
    row[kColAway] = figures.away;
    row[kColPreemptive] = figures.preemptive;
    // The move type's first character and the whole move number ("地上" and 10 give "地10").
    row[kColMove] = unit.MoveType.left(1) + figures.moveNumber;
    row[kColCategory] = unit.Restriction.left(2);
    row[kColRepair] = unit.Repair;
    return row;
}

}  // namespace

FormationRow UnitRow(const typMsData& unit, int shieldChoice, int modificationCode) {
    typMsData applied = unit;
    CalcReconstruct(applied, shieldChoice, modificationCode);
    FormationRow row = FigureCells(applied);
    row[kColShield] = QString::number(shieldChoice);
    row[kColModification] = QString::number(modificationCode);
    row[kColWeapon] = QString::number(EquippedRowOf(applied));
    return row;
}

FormationRow RebuiltRow(const clsMsData& catalogue, const QString& msNo, const QString& shieldEntry,
                        const QString& modificationEntry, const QString& weaponEntry) {
    typMsData unit = catalogue.GetMsData(msNo);
    EquipRow(unit, num::Val(weaponEntry));
    CalcReconstruct(unit, WholeEntry(shieldEntry, 1), WholeEntry(modificationEntry, -1));
    FormationRow row = FigureCells(unit);
    row[kColShield] = shieldEntry;
    row[kColModification] = modificationEntry;
    row[kColWeapon] = weaponEntry;
    return row;
}

FormationLists ListsOfRows(const std::vector<FormationRow>& rows) {
    FormationLists lists;
    for (const FormationRow& row : rows) {
        lists.msNos.append(row[kColMsNo]);
        lists.shields.append(row[kColShield]);
        lists.modifications.append(row[kColModification]);
        lists.weapons.append(row[kColWeapon]);
    }
    return lists;
}

}  // namespace velmora
