#include "catalogue/CatalogueLine.h"

#include "catalogue/CatalogueRules.h"
#include "catalogue/NumberText.h"

namespace velmora {

namespace {

constexpr QStringView kCircle = u"○";
constexpr QStringView kTimes = u"×";
constexpr QStringView kRemoveEquipment = u"装備を外す";
constexpr QStringView kShieldFitted = u"盾あり";

// Half the load, as the game counts it against pre-emption: rounded to a whole number first,
// then halved with the remainder dropped.
long long HalfLoad(const QString& load) { return num::Half(num::WholeInt(rules::Value(load))); }

}  // namespace

bool CatalogueLine::Split(QStringView line) {
    fieldCount_ = 0;
    const QChar* text = line.data();
    const qsizetype size = line.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (text[i] != u',') continue;
        fields_[size_t(fieldCount_++)] = QStringView(text + start, i - start);
        start = i + 1;
        if (fieldCount_ == kFieldCount) return true;
    }
    fields_[size_t(fieldCount_++)] = QStringView(text + start, size - start);
    return fieldCount_ == kFieldCount;
}

void CatalogueLine::FillWeapon(typWeapon& weapon, int k) {
    using enum WeaponColumn;
    const QString zero = QStringLiteral(u"0");
    weapon.Name = weaponNames_.Get(Field(k, Name));
    weapon.Attribute = attributes_.Get(Field(k, Attribute));
    weapon.Power = rules::NumberOrZero(Field(k, Power));
    weapon.Shots = shots_.Get(Field(k, Shots));
    weapon.Range1 = rules::NumberOrDashes(Field(k, Range1));
    weapon.Range2 = rules::NumberOrDashes(Field(k, Range2));
    weapon.Range3 = rules::NumberOrDashes(Field(k, Range3));
    weapon.Range4 = rules::NumberOrDashes(Field(k, Range4));
    weapon.AntiAir = rules::AntiAir(Field(k, AntiAir));
    weapon.Detach = rules::Detach(Field(k, Detach));
    weapon.AwayLoad = zero;
    weapon.DefaultEquipped = FlagOff();
    weapon.Option = FlagOff();
    weapon.Equipped = FlagOff();
}

void CatalogueLine::Fill(typMsData& unit) {
    using enum CatalogueColumn;
    const QStringView equipCode = Field(EquipCode);
    const QStringView picture = Field(Picture);
    const QStringView move = Field(Move);

    unit.MsNo = Field(MsNo).toString();
    unit.Army = rules::Army(Field(Army));
    unit.MsName = Field(Name).toString();
    unit.Hp = rules::Numeric(Field(Hp));
    unit.Weight = rules::Weight(Field(Weight));
    unit.Repair = rules::Numeric(Field(Repair));
    unit.Armor = rules::Numeric(Field(Armor));
    unit.ShieldLoad = rules::SecondChar(equipCode);
    unit.Preemptive = unit.PreemptiveBase = rules::Numeric(Field(Preemptive));
    unit.Away = unit.AwayBase = rules::Numeric(Field(Away));
    unit.MoveType = moveTypes_.Get(move);
    unit.MoveArea = rules::MoveArea(unit.MoveType);
    unit.Move = rules::Move(move);
    unit.Supply = rules::Numeric(Field(Supply));
    unit.Restriction = categories_.Get(Field(Category));
    unit.EquipCode = texts_.Get(equipCode);
    unit.ImageBase = rules::ImageBase(picture);
    unit.ImageName = rules::ImageName(picture);
    unit.Tec = texts_.Get(Field(Tec));

    // The catalogue's evasion and pre-emption include the loads of the default equipment; add
    // them back so that the record holds the unit's values without it. The m-th weapon marked
    // "○" or "×" finds its load at character m + 1 of EquipCode. Of each choice group only the
    // first "○" weapon is equipped by default; a "装備を外す" row starts a new group.
    const QString& one = FlagOn();
    int position = 0;
    bool firstChoicePending = true;
    for (int k = 0; k < kWeaponCount; ++k) {
        typWeapon& weapon = unit.Weapon[k];
        FillWeapon(weapon, k);
        if (weapon.Detach == kTimes) {
            ++position;
        } else if (weapon.Detach == kCircle) {
            ++position;
            const QString load = rules::CharAt(equipCode, position);
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
    const QStringView shield = Field(Shield);
    if (shield == kCircle || shield == kShieldFitted) {
        unit.Shield = QStringLiteral(u"○");
        unit.Away = rules::NumberText(rules::Value(unit.ShieldLoad) + rules::Value(unit.Away));
    }
}

}  // namespace velmora
