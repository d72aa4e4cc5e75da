#pragma once

#include "formation/FormationColumns.h"
#include "support/QtPrinters.h"
#include "support/UnitLine.h"

#include <QString>

namespace velmora::test {

// The formation tests' ordinary unit: EFSF, load 20, HP 100, armour 10, evasion 30, pre-emption
// 20, 地上3, mass production, repair 10, no shield, every weapon slot "nd".
UnitLine FormationUnit(const QString& msNo, const QString& name);

// A formation row with the columns the rules read: MS number, load, HP, category and repair.
FormationRow RuleRow(const QString& msNo, const QString& weight, const QString& hp,
                     const QString& category = QString(), const QString& repair = QString());

}  // namespace velmora::test
