#pragma once

#include "catalogue/clsMsData.h"
#include "support/UnitLine.h"

#include <memory>
#include <vector>

namespace velmora::test {

// One catalogue line's interesting columns for the unit list; the rest get plain values.
struct ListUnit {
    QString no;
    QString name;
    QString army = QStringLiteral(u"EFSF");
    QString weight = QStringLiteral(u"3");
    QString move = QStringLiteral(u"地上3");
    QString category = QStringLiteral(u"－");
    QString picture = QStringLiteral(u"ms/gm_01_02.img");
    QString shield = QStringLiteral(u"－");
};

inline QString ListLine(const ListUnit& unit) {
    return UnitLine({{Col::MsNo, unit.no},
                     {Col::Army, unit.army},
                     {Col::Name, unit.name},
                     {Col::EquipCode, QStringLiteral(u"0300000")},
                     {Col::Picture, unit.picture},
                     {Col::Tec, QStringLiteral(u"2")},
                     {Col::Weight, unit.weight},
                     {Col::Hp, QStringLiteral(u"100")},
                     {Col::Armor, QStringLiteral(u"5")},
                     {Col::Away, QStringLiteral(u"20")},
                     {Col::Preemptive, QStringLiteral(u"10")},
                     {Col::Move, unit.move},
                     {Col::Supply, QStringLiteral(u"4")},
                     {Col::Category, unit.category},
                     {Col::Repair, QStringLiteral(u"30")},
                     {Col::Shield, unit.shield}});
}

// A loaded catalogue of these units, in this order.
inline std::unique_ptr<clsMsData> ListCatalogue(const std::vector<ListUnit>& units) {
    QStringList lines;
    for (const ListUnit& unit : units) lines << ListLine(unit);
    return std::make_unique<clsMsData>(LoadedCatalogue(lines));
}

}  // namespace velmora::test
