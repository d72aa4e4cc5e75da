#pragma once

#include "catalogue/CatalogueRules.h"
#include "catalogue/TextPool.h"
#include "catalogue/UnitRecord.h"

#include <QStringView>
#include <array>

namespace velmora {

// The columns of a unit line, by zero-based index. Columns 3 and 14 are not read; the seven
// weapons take ten columns each from FirstWeapon on.
enum class CatalogueColumn : int {
    MsNo = 0,
    Army = 1,
    Name = 2,
    Unread3 = 3,
    EquipCode = 4,
    Picture = 5,
    Tec = 6,
    Weight = 7,
    Hp = 8,
    Armor = 9,
    Away = 10,
    Preemptive = 11,
    Move = 12,
    Supply = 13,
    Unread14 = 14,
    Category = 15,
    Repair = 16,
    FirstWeapon = 17,
    Shield = 87,
    Count = 88,
};

// The ten columns of one weapon, by offset from the weapon's first column.
enum class WeaponColumn : int {
    Name = 0,
    Attribute = 1,
    Power = 2,
    Shots = 3,
    Range1 = 4,
    Range2 = 5,
    Range3 = 6,
    Range4 = 7,
    AntiAir = 8,
    Detach = 9,
    Count = 10,
};

// The index of a column of weapon k (0 to 6).
constexpr int WeaponColumnIndex(int k, WeaponColumn column) {
    return int(CatalogueColumn::FirstWeapon) + int(WeaponColumn::Count) * k + int(column);
}

// One unit line of the catalogue: splits it into its comma-separated fields (no quoting of any
// kind) and turns them into a unit record, adding back the loads of the equipment the
// catalogue's evasion and pre-emption already include. The views point into the line, which
// must outlive the object's use. Texts that repeat from unit to unit are shared by all the
// records one object fills.
class CatalogueLine {
public:
    // Fields a unit line must have; fields after the last of them are not read.
    static constexpr int kFieldCount = int(CatalogueColumn::Count);

    // Splits line; true when it has at least kFieldCount fields. FieldCount() then tells how
    // many it had (counting stops at kFieldCount).
    bool Split(QStringView line);
    int FieldCount() const { return fieldCount_; }

    // Fills unit, an empty record, from the fields of a line that Split accepted.
    void Fill(typMsData& unit);

private:
    QStringView Field(CatalogueColumn column) const { return fields_[size_t(column)]; }
    QStringView Field(int k, WeaponColumn column) const {
        return fields_[size_t(WeaponColumnIndex(k, column))];
    }
    void FillWeapon(typWeapon& weapon, int k);

    std::array<QStringView, kFieldCount> fields_;
    int fieldCount_ = 0;
    TextPool texts_{rules::Text};
    TextPool moveTypes_{rules::MoveType};
    TextPool categories_{rules::Category};
    TextPool weaponNames_{rules::WeaponName};
    TextPool attributes_{rules::DashDefault};
    TextPool shots_{rules::Shots};
};

}  // namespace velmora
