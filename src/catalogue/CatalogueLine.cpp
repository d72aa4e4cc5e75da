#include "catalogue/CatalogueLine.h"

#include "catalogue/CatalogueRules.h"
#include "catalogue/CharScan.h"
#include "catalogue/NumberText.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr QStringView kCircle = u"○";
constexpr QStringView kShieldFitted = u"盾あり";

}  // namespace

bool CatalogueLine::Split(QStringView line) {
    text_ = line.utf16();
    const qsizetype size = line.size();
    // The end of each field is a comma, sixteen characters looked at a step, or the line's end.
    // A step's commas are counted; only those that end a kept field are looked for.
    int field = 0;  // the field that the next comma ends
    int kept = 0;   // the next field whose end is kept
    qsizetype i = 0;
    for (; i + 16 <= size && field < kFieldCount; i += 16) {
        int count = 0;
        unsigned commas = scan::CharMask16(text_ + i, u',', count);
        int lowest = field;  // the field that the lowest comma left in commas ends
        field += count;
        for (; kept < field && kept < kFieldCount; kept = NextKeptField(kept)) {
            for (; lowest < kept; ++lowest) commas &= commas - 1;
            ends_[size_t(kept)] = i + qsizetype(scan::LowestBit(commas));
        }
    }
    field = std::min(field, kFieldCount);
    for (; i < size && field < kFieldCount; ++i) {
        if (text_[i] != u',') continue;
        if (field == kept) {
            ends_[size_t(field)] = i;
            kept = NextKeptField(kept);
        }
        ++field;
    }
    if (field < kFieldCount) ends_[size_t(field++)] = size;
    fieldCount_ = field;
    return fieldCount_ == kFieldCount;
}

void CatalogueLine::SplitWeapon(int k) {
    using enum WeaponColumn;
    qsizetype at = Start(WeaponColumnIndex(k, Name));
    for (int column = int(Name); column < int(Detach); ++column, ++at) {
        while (text_[at] != u',') ++at;
        ends_[size_t(WeaponColumnIndex(k, WeaponColumn(column)))] = at;
    }
}

std::uint32_t CatalogueLine::Weapon(int k) {
    using enum WeaponColumn;
    // The weapon's ten fields are one stretch of the line.
    const qsizetype begin = Start(WeaponColumnIndex(k, Name));
    const QStringView fields(text_ + begin,
                             ends_[size_t(WeaponColumnIndex(k, Detach))] - begin);
    if (const std::uint32_t* id = weapons_.Find(fields)) return *id;
    SplitWeapon(k);
    CompactWeapon weapon;
    const auto set = [&](WeaponText text, TextPool& pool, WeaponColumn column) {
        weapon[size_t(text)] = pool.Get(Field(k, column));
    };
    set(WeaponText::Name, weaponNames_, Name);
    set(WeaponText::Attribute, dashDefaults_, Attribute);
    set(WeaponText::Power, numbersOrZero_, Power);
    set(WeaponText::Shots, shots_, Shots);
    set(WeaponText::Range1, numbersOrDashes_, Range1);
    set(WeaponText::Range2, numbersOrDashes_, Range2);
    set(WeaponText::Range3, numbersOrDashes_, Range3);
    set(WeaponText::Range4, numbersOrDashes_, Range4);
    set(WeaponText::AntiAir, antiAirs_, AntiAir);
    set(WeaponText::Detach, detaches_, Detach);
    const std::uint32_t id = store_.AddWeapon(weapon);
    weapons_.Insert(fields, id);
    return id;
}

const CatalogueLine::MoveTexts& CatalogueLine::Moves(QStringView field) {
    if (const std::uint32_t* index = moveIndex_.Find(field)) return moves_[*index];
    moveIndex_.Insert(field, std::uint32_t(moves_.size()));
    const QString type = rules::MoveType(field);
    return moves_.emplace_back(MoveTexts{store_.AddText(type),
                                         store_.AddText(rules::MoveArea(type)),
                                         store_.AddText(rules::Move(field))});
}

void CatalogueLine::Fill() {
    using enum CatalogueColumn;
    const QStringView imageName = rules::ImageName(Field(Picture));
    CompactUnit& unit = store_.AddUnit(
        {Field(MsNo), Field(Name), imageName, rules::ImageBaseOfName(imageName)});
    const auto set = [&unit](UnitText text, std::uint32_t id) { unit.texts[size_t(text)] = id; };
    const QStringView move = Field(Move);
    unit.army = std::int8_t(rules::Army(Field(Army)));
    set(UnitText::Hp, numbers_.Get(Field(Hp)));
    set(UnitText::Weight, weights_.Get(Field(Weight)));
    set(UnitText::Repair, numbers_.Get(Field(Repair)));
    set(UnitText::Armor, numbers_.Get(Field(Armor)));
    set(UnitText::PreemptiveBase, numbers_.Get(Field(Preemptive)));
    set(UnitText::AwayBase, numbers_.Get(Field(Away)));
    const MoveTexts& moves = Moves(move);
    set(UnitText::MoveType, moves.type);
    set(UnitText::MoveArea, moves.area);
    set(UnitText::Move, moves.move);
    set(UnitText::Supply, numbers_.Get(Field(Supply)));
    set(UnitText::Restriction, categories_.Get(Field(Category)));
    set(UnitText::EquipCode, texts_.Get(Field(EquipCode)));
    set(UnitText::Tec, texts_.Get(Field(Tec)));
    for (int k = 0; k < kWeaponCount; ++k) unit.weapons[size_t(k)] = Weapon(k);
    // A fitted shield's load is included in the catalogue's evasion.
    const QStringView shield = Field(Shield);
    unit.shield = shield == kCircle || shield == kShieldFitted;
}

}  // namespace velmora
