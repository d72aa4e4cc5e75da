#include "catalogue/CatalogueLine.h"

#include "catalogue/CatalogueRules.h"
#include "catalogue/NumberText.h"

#include <bit>
#include <cstring>

namespace velmora {

namespace {

constexpr QStringView kCircle = u"○";
constexpr QStringView kShieldFitted = u"盾あり";

}  // namespace

bool CatalogueLine::Split(QStringView line) {
    fieldCount_ = 0;
    const char16_t* const text = line.utf16();
    const qsizetype size = line.size();
    qsizetype start = 0;
    // Marks the comma at i as a field's end; true once the line has all its fields.
    const auto separator = [&](qsizetype i) {
        fields_[size_t(fieldCount_++)] = QStringView(text + start, i - start);
        start = i + 1;
        return fieldCount_ == kFieldCount;
    };
    qsizetype i = 0;
    // Four characters at a time: a lane of word is zero where the character is a comma, and
    // each such lane gets its high bit in commas (exactly, no carries between lanes).
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kLow15 = 0x7FFF7FFF7FFF7FFFull;
        constexpr std::uint64_t kCommas = 0x002C002C002C002Cull;
        for (; i + 4 <= size; i += 4) {
            std::uint64_t word = 0;
            std::memcpy(&word, text + i, sizeof word);
            word ^= kCommas;
            std::uint64_t commas = ~(((word & kLow15) + kLow15) | word) & ~kLow15;
            for (; commas != 0; commas &= commas - 1)
                if (separator(i + std::countr_zero(commas) / 16)) return true;
        }
    }
    for (; i < size; ++i)
        if (text[i] == u',' && separator(i)) return true;
    fields_[size_t(fieldCount_++)] = QStringView(text + start, size - start);
    return fieldCount_ == kFieldCount;
}

std::uint32_t CatalogueLine::Weapon(int k) {
    using enum WeaponColumn;
    // The weapon's ten fields are one stretch of the line.
    const QChar* begin = Field(k, Name).data();
    const QStringView last = Field(k, Detach);
    const QStringView fields(begin, last.data() + last.size() - begin);
    const auto it = weapons_.constFind(fields);
    if (it != weapons_.constEnd()) return it->id;
    typWeapon weapon;
    weapon.Name = rules::WeaponName(Field(k, Name));
    weapon.Attribute = rules::DashDefault(Field(k, Attribute));
    weapon.Power = rules::NumberOrZero(Field(k, Power));
    weapon.Shots = rules::Shots(Field(k, Shots));
    weapon.Range1 = rules::NumberOrDashes(Field(k, Range1));
    weapon.Range2 = rules::NumberOrDashes(Field(k, Range2));
    weapon.Range3 = rules::NumberOrDashes(Field(k, Range3));
    weapon.Range4 = rules::NumberOrDashes(Field(k, Range4));
    weapon.AntiAir = rules::AntiAir(Field(k, AntiAir));
    weapon.Detach = rules::Detach(Field(k, Detach));
    weapon.AwayLoad = QStringLiteral(u"0");
    weapon.DefaultEquipped = FlagOff();
    weapon.Option = FlagOff();
    weapon.Equipped = FlagOff();
    WeaponEntry entry{fields.toString(), store_.AddWeapon(weapon)};
    const QStringView key = entry.fields;
    return weapons_.emplace(key, std::move(entry))->id;
}

void CatalogueLine::Fill() {
    using enum CatalogueColumn;
    const QStringView picture = Field(Picture);
    const QString imageBase = rules::ImageBase(picture);
    const QString imageName = rules::ImageName(picture);
    CompactUnit& unit = store_.AddUnit({Field(MsNo), Field(Name), imageName, imageBase});
    const auto set = [&unit](UnitText text, std::uint32_t id) { unit.texts[size_t(text)] = id; };
    const QStringView move = Field(Move);
    unit.army = std::int8_t(rules::Army(Field(Army)));
    set(UnitText::Hp, numbers_.Get(Field(Hp)));
    set(UnitText::Weight, weights_.Get(Field(Weight)));
    set(UnitText::Repair, numbers_.Get(Field(Repair)));
    set(UnitText::Armor, numbers_.Get(Field(Armor)));
    set(UnitText::PreemptiveBase, numbers_.Get(Field(Preemptive)));
    set(UnitText::AwayBase, numbers_.Get(Field(Away)));
    set(UnitText::MoveType, moveTypes_.Get(move));
    set(UnitText::MoveArea, moveAreas_.Get(move));
    set(UnitText::Move, moves_.Get(move));
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
