#include "support/FormationFixtures.h"

namespace velmora::test {

UnitLine FormationUnit(const QString& msNo, const QString& name) {
    return UnitLine({{Col::MsNo, msNo},
                     {Col::Name, name},
                     {Col::EquipCode, QStringLiteral("00")},
                     {Col::Picture, QStringLiteral("ms/aa_bb_cc.img")},
                     {Col::Tec, QStringLiteral("1")},
                     {Col::Weight, QStringLiteral("20")},
                     {Col::Hp, QStringLiteral("100")},
                     {Col::Armor, QStringLiteral("10")},
                     {Col::Away, QStringLiteral("30")},
                     {Col::Preemptive, QStringLiteral("20")},
                     {Col::Supply, QStringLiteral("10")},
                     {Col::Repair, QStringLiteral("10")}});
}

QStringList AlphaBravoCharlie() {
    return {FormationUnit(QStringLiteral("A"), QStringLiteral("Alpha")),
            FormationUnit(QStringLiteral("B"), QStringLiteral("Bravo"))
                .Set(Col::Weight, QStringLiteral("25"))
                .Set(Col::Hp, QStringLiteral("150")),
            FormationUnit(QStringLiteral("C"), QStringLiteral("Charlie"))
                .Set(Col::Category, QStringLiteral(u"一機"))};
}

FormationRow RuleRow(const QString& msNo, const QString& weight, const QString& hp,
                     const QString& category, const QString& repair) {
    FormationRow row;
    row[FormationColumn::MsNo] = msNo;
    row[FormationColumn::Weight] = weight;
    row[FormationColumn::Hp] = hp;
    row[FormationColumn::Category] = category;
    row[FormationColumn::Repair] = repair;
    return row;
}

}  // namespace velmora::test
