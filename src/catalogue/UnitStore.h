#pragma once

#include "catalogue/UnitRecord.h"

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <vector>

namespace velmora {

// The texts of a unit that the store keeps as ids into its shared texts, in the order of the
// ids in a CompactUnit.
enum class UnitText : int {
    MoveType,
    MoveArea,
    Move,
    Hp,
    Armor,
    Weight,
    AwayBase,
    PreemptiveBase,
    Supply,
    Repair,
    Restriction,
    EquipCode,
    Tec,
    Count,
};

// The texts of a weapon, kept as ids into the store's shared texts in this order; its loads and
// choices are worked out when the full record is asked for.
enum class WeaponText : int {
    Name,
    Attribute,
    Power,
    Shots,
    Range1,
    Range2,
    Range3,
    Range4,
    AntiAir,
    Detach,
    Count,
};
using CompactWeapon = std::array<std::uint32_t, size_t(WeaponText::Count)>;

// The texts of a unit that are its own, kept in the store's name arena.
// A picture's base is the start of its name, and takes no characters of its own.
enum class UnitName : int { MsNo, MsName, ImageName, ImageBase, Count };

// One unit as the catalogue holds it: its own names as spans of one arena, every other text an
// id into texts shared by all units, each weapon an id into the distinct weapons. The loaded
// figures the equipment adds (evasion, pre-emption, the weapons' loads and default choices)
// are worked out again from these when the full record is asked for.
struct CompactUnit {
    struct Span {
        std::uint32_t at = 0;
        std::uint32_t size = 0;
    };
    std::array<Span, size_t(UnitName::Count)> names;
    std::array<std::uint32_t, size_t(UnitText::Count)> texts{};
    std::array<std::uint32_t, kWeaponCount> weapons{};
    std::int8_t army = 0;
    bool shield = false;
};

// The units of one catalogue load in compact form, and the full unit record of each on demand.
// Rows start at 1 as in the catalogue; row 0 is never stored.
class UnitStore {
public:
    UnitStore();

    int UnitCount() const { return int(units_.size()); }

    // Adds a text or a weapon once; the id stays valid for the store's life.
    std::uint32_t AddText(const QString& text);
    std::uint32_t AddWeapon(const CompactWeapon& weapon);
    // Appends a unit; its names are copied into the arena.
    CompactUnit& AddUnit(const std::array<QStringView, size_t(UnitName::Count)>& names);

    // Row 1..UnitCount(); views stay valid while the store lives unchanged.
    QStringView Name(int row, UnitName name) const {
        const CompactUnit::Span span = Unit(row).names[size_t(name)];
        return QStringView(arena_.data() + span.at, span.size);
    }
    QStringView Text(int row, UnitText text) const { return texts_[TextId(row, text)]; }
    // The shared texts by id (0 is the empty text): whatever is worked out from a text, such as a
    // sort key, is worked out once per id rather than once per unit.
    std::uint32_t TextId(int row, UnitText text) const { return Unit(row).texts[size_t(text)]; }
    int TextCount() const { return int(texts_.size()); }
    QStringView TextById(std::uint32_t id) const { return texts_[id]; }
    int Army(int row) const { return Unit(row).army; }
    bool Shield(int row) const { return Unit(row).shield; }

    // The full unit record of row, with the loads of its default equipment added back.
    typMsData Record(int row) const;

private:
    const CompactUnit& Unit(int row) const { return units_[size_t(row - 1)]; }

    std::vector<char16_t> arena_;
    std::vector<QString> texts_;  // id 0 is the empty text
    std::vector<CompactWeapon> weapons_;
    std::vector<CompactUnit> units_;
};

}  // namespace velmora
