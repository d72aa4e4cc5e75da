#pragma once

#include "catalogue/clsMsData.h"
#include "formation/FormationColumns.h"

#include <QString>
#include <QStringList>
#include <map>
#include <ostream>

// Failed comparisons show texts, not bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace velmora::test {

// One catalogue line of 88 fields for the formation tests: an ordinary EFSF unit (load 20, HP
// 100, armour 10, evasion 30, pre-emption 20, 地上3, mass production, repair 10, no shield, every
// weapon slot "nd"), with the given columns replaced.
QString FormationUnitLine(const QString& msNo, const QString& name,
                          const std::map<int, QString>& columns = {});

// The ten columns of weapon k (0 to 6) placed into a column map.
void PutWeapon(std::map<int, QString>& columns, int k, const QStringList& tenColumns);

// A catalogue of the given unit lines, loaded as the program loads unitdata.csv.
clsMsData FormationCatalogue(const QStringList& unitLines);

// A formation row with the columns the rules read: MS number, load, HP, category and repair.
FormationRow RuleRow(const QString& msNo, const QString& weight, const QString& hp,
                     const QString& category = QString(), const QString& repair = QString());

}  // namespace velmora::test
