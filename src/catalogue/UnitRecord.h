#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The unit record every part of the program talks about. Figures are kept as text exactly as
// the catalogue gives them after normalisation; the Long fields are 32-bit integers. A default
// constructed record is the empty record: every text empty, every Long 0.
namespace velmora {

// One weapon slot.
struct typWeapon {
    QString Name;
    QString Power;
    QString Shots;
    QString Range1;
    QString Range2;
    QString Range3;
    QString Range4;
    QString AntiAir;
    QString Detach;
    QString AwayLoad;
    QString DefaultEquipped;
    QString Option;
    QString Equipped;
    QString Attribute;

    bool operator==(const typWeapon&) const = default;
};

constexpr int kWeaponCount = 7;

// A weapon's flag columns (Equipped, Option, DefaultEquipped) hold "1" for yes and "0" for no.
inline const QString& FlagOn() {
    static const QString on = QStringLiteral("1");
    return on;
}
inline const QString& FlagOff() {
    static const QString off = QStringLiteral("0");
    return off;
}

// One unit: one catalogue line.
struct typMsData {
    QString MsNo;
    QString MsName;
    QString ImageBase;
    QString ImageName;
    std::int32_t Army = 0;
    QString MoveType;
    QString MoveArea;
    QString Hp;
    QString Armor;
    QString Move;
    QString Weight;
    QString Away;
    QString AwayBase;
    QString Preemptive;
    QString PreemptiveBase;
    std::int32_t HpPlus = 0;
    std::int32_t ArmorPlus = 0;
    std::int32_t MovePlus = 0;
    std::int32_t AwayPlus = 0;
    std::int32_t PreemptivePlus = 0;
    std::int32_t EquipPreemptive = 0;
    QString Supply;
    QString Repair;
    QString Restriction;
    std::array<typWeapon, kWeaponCount> Weapon;
    QString Shield;
    QString EquipCode;
    QString ShieldLoad;
    QString ShieldLoadNow;
    QString Tec;

    bool operator==(const typMsData&) const = default;
};

}  // namespace velmora
