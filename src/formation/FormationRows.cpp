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
    row[FormationColumn::MsNo] = unit.MsNo;
    row[FormationColumn::Name] = unit.MsName;
    row[FormationColumn::Weight] = unit.Weight;
    row[FormationColumn::Hp] = figures.hp;
    row[FormationColumn::Armor] = figures.armor;
    row[FormationColumn::Away] = figures.away;
    row[FormationColumn::Preemptive] = figures.preemptive;
    // The move type's first character and the whole move number ("地上" and 10 give "地10").
    row[FormationColumn::Move] = unit.MoveType.left(1) + figures.moveNumber;
    row[FormationColumn::Category] = unit.Restriction.left(2);
    row[FormationColumn::Repair] = unit.Repair;
    return row;
}

}  // namespace

FormationRow UnitRow(const typMsData& unit, int shieldChoice, int modificationCode) {
    typMsData applied = unit;
    // A row stores one weapon row: the figures are those of the unit as it will be rebuilt.
    EquipRow(applied, EquippedRowOf(unit));
    CalcReconstruct(applied, shieldChoice, modificationCode);
    FormationRow row = FigureCells(applied);
    row[FormationColumn::Shield] = QString::number(shieldChoice);
    row[FormationColumn::Modification] = QString::number(modificationCode);
    row[FormationColumn::Weapon] = QString::number(EquippedRowOf(applied));
    return row;
}

FormationRow RebuiltRow(const clsMsData& catalogue, const QString& msNo, const QString& shieldEntry,
                        const QString& modificationEntry, const QString& weaponEntry) {
    typMsData unit = catalogue.GetMsData(msNo);
    EquipRow(unit, num::Val(weaponEntry));
    CalcReconstruct(unit, WholeEntry(shieldEntry, 1), WholeEntry(modificationEntry, -1));
    FormationRow row = FigureCells(unit);
    // After a game update the catalogue may lack the unit: its number stays for the player.
    row[FormationColumn::MsNo] = msNo;
    row[FormationColumn::Shield] = shieldEntry;
    row[FormationColumn::Modification] = modificationEntry;
    row[FormationColumn::Weapon] = weaponEntry;
    return row;
}

RebuiltFormation RebuildRows(const clsMsData& catalogue, const FormationLists& lists) {
    RebuiltFormation rebuilt;
    rebuilt.rows.reserve(std::size_t(lists.msNos.size()));
    for (qsizetype i = 0; i < lists.msNos.size(); ++i) {
        if (i >= lists.shields.size() || i >= lists.modifications.size() ||
            i >= lists.weapons.size()) {
            rebuilt.failure = QStringLiteral(u"インデックスが有効範囲にありません。");
            break;
        }
        rebuilt.rows.push_back(RebuiltRow(catalogue, lists.msNos[i], lists.shields[i],
                                          lists.modifications[i], lists.weapons[i]));
    }
    return rebuilt;
}

bool IsMissingUnit(const FormationRow& row, const clsMsData& catalogue) {
    const QString& msNo = row[FormationColumn::MsNo];
    return msNo.isEmpty() || !catalogue.FindMsData(msNo);
}

QString MissingUnitTip(const QString& msNo) {
    return u"カタログにない機体です（MS番号 " + (msNo.isEmpty() ? QStringLiteral(u"－") : msNo) +
           u"）";
}

FormationLists ListsOfRows(const std::vector<FormationRow>& rows) {
    FormationLists lists;
    for (const FormationRow& row : rows) {
        lists.msNos.append(row[FormationColumn::MsNo]);
        lists.shields.append(row[FormationColumn::Shield]);
        lists.modifications.append(row[FormationColumn::Modification]);
        lists.weapons.append(row[FormationColumn::Weapon]);
    }
    return lists;
}

}  // namespace velmora
