#pragma once

#include "catalogue/CatalogueRules.h"
#include "catalogue/FieldMap.h"
#include "catalogue/TextPool.h"
#include "catalogue/UnitRecord.h"
#include "catalogue/UnitStore.h"

#include <QStringView>
#include <array>
#include <cstdint>
#include <vector>

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
// kind) and adds them to a store as a compact unit. The views point into the line, which must
// outlive the object's use. Each distinct field goes through its rule once per object, and each
// distinct weapon (its ten fields as written) is looked up field by field once.
class CatalogueLine {
public:
    explicit CatalogueLine(UnitStore& store) : store_(store) {}

    // Fields a unit line must have; fields after the last of them are not read.
    static constexpr int kFieldCount = int(CatalogueColumn::Count);

    // Splits line; true when it has at least kFieldCount fields. FieldCount() then tells how
    // many it had (counting stops at kFieldCount). Of the weapons' fields only each weapon's
    // bounds are kept: a weapon is looked up by its ten fields together, and split further
    // only on its first appearance.
    bool Split(QStringView line);
    int FieldCount() const { return fieldCount_; }

    // Adds the unit of a line that Split accepted to the store.
    void Fill();

private:
    qsizetype Start(int index) const { return index == 0 ? 0 : ends_[size_t(index - 1)] + 1; }
    QStringView Field(int index) const {
        const qsizetype start = Start(index);
        return QStringView(text_ + start, ends_[size_t(index)] - start);
    }
    QStringView Field(CatalogueColumn column) const { return Field(int(column)); }
    QStringView Field(int k, WeaponColumn column) const {
        return Field(WeaponColumnIndex(k, column));
    }
    // The fields whose ends Split keeps, in order: those before the weapons, each weapon's
    // last, the shield's; kFieldCount after the last.
    static constexpr int NextKeptField(int field) {
        constexpr int lastBefore = int(CatalogueColumn::FirstWeapon) - 1;
        constexpr int lastWeapon = int(CatalogueColumn::Shield) - 1;
        if (field < lastBefore || field >= lastWeapon) return field + 1;
        return field + int(WeaponColumn::Count);
    }
    // The ends of weapon k's fields within its bounds.
    void SplitWeapon(int k);
    std::uint32_t Weapon(int k);

    // The ids of the three texts a move field gives, made on the field's first appearance.
    struct MoveTexts {
        std::uint32_t type = 0;
        std::uint32_t area = 0;
        std::uint32_t move = 0;
    };
    const MoveTexts& Moves(QStringView field);

    UnitStore& store_;
    const char16_t* text_ = nullptr;
    // Where each field of the line ends, for the fields whose ends are kept.
    std::array<qsizetype, kFieldCount> ends_{};
    int fieldCount_ = 0;
    TextPool texts_{rules::Text, store_};
    TextPool numbers_{rules::Numeric, store_};
    TextPool weights_{rules::Weight, store_};
    TextPool categories_{rules::Category, store_};
    TextPool weaponNames_{rules::WeaponName, store_};
    TextPool dashDefaults_{rules::DashDefault, store_};
    TextPool numbersOrZero_{rules::NumberOrZero, store_};
    TextPool shots_{rules::Shots, store_};
    TextPool numbersOrDashes_{rules::NumberOrDashes, store_};
    TextPool antiAirs_{rules::AntiAir, store_};
    TextPool detaches_{rules::Detach, store_};
    FieldMap weapons_;  // a weapon's ten fields as written -> its id
    FieldMap moveIndex_;  // a move field -> its place in moves_
    std::vector<MoveTexts> moves_;
};

}  // namespace velmora
