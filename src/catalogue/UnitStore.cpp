#include "catalogue/UnitStore.h"

#include "catalogue/CatalogueRules.h"
#include "catalogue/NumberText.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr QStringView kCircle = u"○";
constexpr QStringView kTimes = u"×";
constexpr QStringView kRemoveEquipment = u"装備を外す";
constexpr QStringView kNoLoad = u"0";

// Half the load, as the game counts it against pre-emption: rounded to a whole number first,
// then halved with the remainder dropped.
long long HalfLoad(const QString& load) { return num::Half(num::WholeInt(rules::Value(load))); }

}  // namespace

UnitStore::UnitStore() { texts_.emplace_back(); }

std::uint32_t UnitStore::AddText(const QString& text) {
    texts_.push_back(text);
    return std::uint32_t(texts_.size() - 1);
}

std::uint32_t UnitStore::AddWeapon(const CompactWeapon& weapon) {
    weapons_.push_back(weapon);
    return std::uint32_t(weapons_.size() - 1);
}

CompactUnit& UnitStore::AddUnit(const std::array<QStringView, size_t(UnitName::Count)>& names) {
    CompactUnit& unit = units_.emplace_back();
    for (size_t i = 0; i < names.size(); ++i) {
        const QStringView name = names[i];
        if (i > 0 && names[i - 1].size() >= name.size() &&
            std::equal(name.begin(), name.end(), names[i - 1].begin())) {
            unit.names[i] = {unit.names[i - 1].at, std::uint32_t(name.size())};
            continue;
        }
        unit.names[i] = {std::uint32_t(arena_.size()), std::uint32_t(name.size())};
        arena_.insert(arena_.end(), name.utf16(), name.utf16() + name.size());
    }
    return unit;
}

typMsData UnitStore::Record(int row) const {
    const CompactUnit& compact = Unit(row);
    const auto text = [&](UnitText t) { return texts_[compact.texts[size_t(t)]]; };
    const auto name = [&](UnitName n) { return Name(row, n).toString(); };
    typMsData unit;
    unit.MsNo = name(UnitName::MsNo);
    unit.MsName = name(UnitName::MsName);
    unit.ImageBase = name(UnitName::ImageBase);
    unit.ImageName = name(UnitName::ImageName);
    unit.Army = compact.army;
    unit.MoveType = text(UnitText::MoveType);
    unit.MoveArea = text(UnitText::MoveArea);
    unit.Move = text(UnitText::Move);
    unit.Hp = text(UnitText::Hp);
    unit.Armor = text(UnitText::Armor);
    unit.Weight = text(UnitText::Weight);
    unit.Away = unit.AwayBase = text(UnitText::AwayBase);
    unit.Preemptive = unit.PreemptiveBase = text(UnitText::PreemptiveBase);
    unit.Supply = text(UnitText::Supply);
    unit.Repair = text(UnitText::Repair);
    unit.Restriction = text(UnitText::Restriction);
    unit.EquipCode = text(UnitText::EquipCode);
    unit.Tec = text(UnitText::Tec);
    unit.ShieldLoad = rules::SecondChar(unit.EquipCode);

    // The catalogue's evasion and pre-emption include the loads of the default equipment; add
    // them back so that the record holds the unit's values without it. The m-th weapon marked
    // "○" or "×" finds its load at character m + 1 of EquipCode. Of each choice group only the
    // first "○" weapon is equipped by default; a "装備を外す" row starts a new group.
    const QString& one = FlagOn();
    int position = 0;
    bool firstChoicePending = true;
    for (int k = 0; k < kWeaponCount; ++k) {
        typWeapon& weapon = unit.Weapon[size_t(k)];
        const CompactWeapon& texts = weapons_[compact.weapons[size_t(k)]];
        const auto weaponText = [&](WeaponText t) { return texts_[texts[size_t(t)]]; };
        weapon.Name = weaponText(WeaponText::Name);
        weapon.Attribute = weaponText(WeaponText::Attribute);
        weapon.Power = weaponText(WeaponText::Power);
        weapon.Shots = weaponText(WeaponText::Shots);
        weapon.Range1 = weaponText(WeaponText::Range1);
        weapon.Range2 = weaponText(WeaponText::Range2);
        weapon.Range3 = weaponText(WeaponText::Range3);
        weapon.Range4 = weaponText(WeaponText::Range4);
        weapon.AntiAir = weaponText(WeaponText::AntiAir);
        weapon.Detach = weaponText(WeaponText::Detach);
        weapon.AwayLoad = kNoLoad.toString();
        weapon.DefaultEquipped = weapon.Option = weapon.Equipped = FlagOff();
        if (weapon.Detach == kTimes) {
            ++position;
        } else if (weapon.Detach == kCircle) {
            ++position;
            const QString load = rules::CharAt(unit.EquipCode, position);
            if (firstChoicePending) {
                unit.Away = rules::NumberText(rules::Value(unit.Away) + rules::Value(load));
                const long long halfLoads = HalfLoad(load) + HalfLoad(unit.ShieldLoad);
                unit.Preemptive =
                    rules::NumberText(rules::Value(unit.Preemptive) + double(halfLoads));
                weapon.DefaultEquipped = one;
                weapon.Equipped = one;
                firstChoicePending = false;
            }
            weapon.Option = one;
            weapon.AwayLoad = load;
        } else if (weapon.Name == kRemoveEquipment) {
            weapon.DefaultEquipped = FlagOff();
            weapon.Option = one;
            firstChoicePending = true;
        }
    }

    // A fitted shield's load is included in the catalogue's evasion too.
    if (compact.shield) {
        unit.Shield = kCircle.toString();
        unit.Away = rules::NumberText(rules::Value(unit.ShieldLoad) + rules::Value(unit.Away));
    }
    return unit;
}

}  // namespace velmora
