#pragma once

#include <QString>
#include <array>
#include <cstddef>

// The eighteen columns of the formation grid and the row type that holds their texts. Columns 0
// and 15 to 17 are the unit and its stored choices; 11 to 14 are the markers the rules rewrite.
namespace velmora {

enum class FormationColumn : int {
    MsNo = 0,
    Name = 1,
    Weight = 2,
    Hp = 3,
    Armor = 4,
    Away = 5,
    Preemptive = 6,
    Move = 7,
    Unused = 8,
    Category = 9,
    Repair = 10,
    LowHp = 11,
    HighHp = 12,
    Strong = 13,
    Support = 14,
    Shield = 15,
    Modification = 16,
    Weapon = 17,
};

inline constexpr int kFormationColumnCount = 18;

// The column's number in the grid's model.
constexpr int Col(FormationColumn column) { return static_cast<int>(column); }

// The texts of one row, indexed by column or by column number.
struct FormationRow : std::array<QString, kFormationColumnCount> {
    using std::array<QString, kFormationColumnCount>::operator[];
    QString& operator[](FormationColumn column) { return (*this)[std::size_t(Col(column))]; }
    const QString& operator[](FormationColumn column) const {
        return (*this)[std::size_t(Col(column))];
    }
};

}  // namespace velmora
