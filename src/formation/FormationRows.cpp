#include "formation/FormationRows.h"

#include "catalogue/NumberText.h"
#include "catalogue/clsMsData.h"
#include "rules/Reconstruct.h"

namespace velmora {

namespace {

// Whole(Val(entry)); a number beyond the integer range keeps its meaning as far as it can: a
// shield is fitted, the modification code is unknown.
int WholeEntry(const QString& entry, int outOfRange) {
    bool ok = false;
    const int value = num::WholeInt(num::Val(entry), &ok);
    return ok ? value : outOfRange;
}

}  // namespace

QString MoveCell(const QString& moveText, const QString& moveNumber) {
    return moveText.left(1) + moveNumber;
}

FormationRow RebuiltRow(const clsMsData& catalogue, const QString& msNo, const QString& shieldEntry,
                        const QString& modificationEntry, const QString& weaponEntry) {
    typMsData unit = catalogue.GetMsData(msNo);
    const double equippedRow = num::Val(weaponEntry);
    for (int t = 1; t <= kWeaponCount; ++t)
        unit.Weapon[std::size_t(t - 1)].Equipped =
            equippedRow == t ? QStringLiteral("1") : QStringLiteral("0");
    CalcReconstruct(unit, WholeEntry(shieldEntry, 1), WholeEntry(modificationEntry, -1));

    FormationRow row;
    row[kColMsNo] = unit.MsNo;
    row[kColName] = unit.MsName;
    row[kColWeight] = unit.Weight;
    row[kColHp] = num::NumberText(num::Val(unit.Hp) + unit.HpPlus);
    row[kColArmor] = num::NumberText(num::Val(unit.Armor) + unit.ArmorPlus);
    row[kColAway] = num::NumberText(num::Whole(AwayShown(unit)));
    row[kColPreemptive] = num::NumberText(PreemptiveShown(unit));
    row[kColMove] = MoveCell(unit.MoveType, num::NumberText(num::Val(unit.Move) + unit.MovePlus));
    row[kColCategory] = unit.Restriction.left(2);
    row[kColRepair] = unit.Repair;
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
