#pragma once

#include "formation/FormationColumns.h"
#include "formation/FormationRules.h"
#include "support/QtPrinters.h"
#include "support/UnitLine.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace velmora::test {

// The formation tests' ordinary unit: EFSF, load 20, HP 100, armour 10, evasion 30, pre-emption
// 20, 地上3, mass production, repair 10, no shield, every weapon slot "nd".
UnitLine FormationUnit(const QString& msNo, const QString& name);

// The formation tests' three first units: A "Alpha" as FormationUnit makes it, B "Bravo" with
// load 25 and HP 150, C "Charlie" limited to one ("一機").
QStringList AlphaBravoCharlie();

// A formation row with the columns the rules read: MS number, load, HP, category and repair.
FormationRow RuleRow(const QString& msNo, const QString& weight, const QString& hp,
                     const QString& category = QString(), const QString& repair = QString());

inline Commander Rank(int rank, int skill = 0, int level = 1, int decoration = 0) {
    return Commander{rank, level, decoration, skill};
}

// n rule rows of the given category, each of the given load.
inline std::vector<FormationRow> Units(int n, const QString& category,
                                       const QString& weight = QStringLiteral(u"1")) {
    return std::vector<FormationRow>(std::size_t(n),
                                     RuleRow(QString(), weight, QString(), category));
}

inline std::vector<FormationRow> operator+(std::vector<FormationRow> a,
                                           const std::vector<FormationRow>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace velmora::test
