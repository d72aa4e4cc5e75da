#pragma once

#include <QString>
#include <array>

// The eighteen columns of the formation grid and the row type that holds their texts. Columns 0
// and 15 to 17 are the unit and its stored choices; 11 to 14 are the markers the rules rewrite.
namespace velmora {

enum FormationColumn : int {
    kColMsNo = 0,
    kColName = 1,
    kColWeight = 2,
    kColHp = 3,
    kColArmor = 4,
    kColAway = 5,
    kColPreemptive = 6,
    kColMove = 7,
    kColUnused = 8,
    kColCategory = 9,
    kColRepair = 10,
    kColLowHp = 11,
    kColHighHp = 12,
    kColStrong = 13,
    kColSupport = 14,
    kColShield = 15,
    kColModification = 16,
    kColWeapon = 17,
    kFormationColumnCount = 18,
};

using FormationRow = std::array<QString, kFormationColumnCount>;

}  // namespace velmora
