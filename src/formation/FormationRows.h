#pragma once

#include "formation/FormationColumns.h"
#include "formation/FormationText.h"

#include <QString>
#include <vector>

// Formation rows from and to their stored form: a row rebuilt from the catalogue with a unit's
// stored choices, and the four lists a formation is kept as.
namespace velmora {

class clsMsData;

// Column 7: the first character of the move text followed by the whole move number ("地上3"
// and "3" give "地3"; a move of 10 gives "地10").
QString MoveCell(const QString& moveText, const QString& moveNumber);

// A row rebuilt from the catalogue for one stored unit: the unit with only the stored weapon row
// equipped (none for 0), its shield and modification applied, and the stored entries kept in
// columns 15 to 17. Entries that are not numbers count as 0. A unit the catalogue does not hold
// gives a row without number, name, load, category or repair.
FormationRow RebuiltRow(const clsMsData& catalogue, const QString& msNo, const QString& shieldEntry,
                        const QString& modificationEntry, const QString& weaponEntry);

// Columns 0, 15, 16 and 17 of the rows, in row order.
FormationLists ListsOfRows(const std::vector<FormationRow>& rows);

}  // namespace velmora
