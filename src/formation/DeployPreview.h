#pragma once

#include "catalogue/UnitRecord.h"
#include "formation/FormationColumns.h"
#include "formation/FormationRules.h"

#include <QString>
#include <vector>

// What deploying a catalogue unit would do to the present formation: the tooltip of a unit
// list row.
namespace velmora {

class clsMsData;

// The row deploying the unit as the list shows it would add: its default equipment, the shield
// fitted when it has one, no modification.
FormationRow ListedUnitRow(const typMsData& unit);

// The verdict the formation would show with the unit added, and the load left or over; with
// seven units the formation takes no more.
QString DeployPreview(const typMsData& unit, const Commander& commander,
                      const QString& previousCapacity, const std::vector<FormationRow>& rows,
                      const clsMsData& catalogue);

}  // namespace velmora
