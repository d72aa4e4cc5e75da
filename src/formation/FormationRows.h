#pragma once

#include "catalogue/UnitRecord.h"
#include "formation/FormationColumns.h"
#include "formation/FormationText.h"

#include <QString>
#include <vector>

// Formation rows from a unit and to their stored form. A deployed unit and the same unit
// rebuilt from the stored lists get their cells from one computation, so they read alike.
namespace velmora {

class clsMsData;

// The row of a unit as the detail panel holds it, as it will be stored and rebuilt: only its
// last equipped weapon row equipped (a unit with two optional groups has two), the shield
// position and modification code applied. Columns 15 to 17 hold the two choices and that
// weapon row (0 when none).
FormationRow UnitRow(const typMsData& unit, int shieldChoice, int modificationCode);

// A row rebuilt from the catalogue for one stored unit: the unit with only the stored weapon row
// equipped (none for 0), its shield and modification applied, and the stored entries kept in
// columns 15 to 17. Entries that are not numbers count as 0. A unit the catalogue does not hold
// gives a row that keeps its MS number, so that a save keeps it too, without name, load,
// category or repair.
FormationRow RebuiltRow(const clsMsData& catalogue, const QString& msNo, const QString& shieldEntry,
                        const QString& modificationEntry, const QString& weaponEntry);

// The rows of a formation's lists, one per MS number in list order. A shield, modification or
// weapon list shorter than the MS-number list stops the rebuild at the first entry it lacks:
// failure then holds the message, and rows the entries before it.
struct RebuiltFormation {
    std::vector<FormationRow> rows;
    QString failure;  // empty when every entry was rebuilt
};
RebuiltFormation RebuildRows(const clsMsData& catalogue, const FormationLists& lists);

// True when the row's MS number is one the catalogue does not hold (an empty one included).
bool IsMissingUnit(const FormationRow& row, const clsMsData& catalogue);

// "カタログにない機体です（MS番号 …）": the tooltip of such a row.
QString MissingUnitTip(const QString& msNo);

// Columns 0, 15, 16 and 17 of the rows, in row order.
FormationLists ListsOfRows(const std::vector<FormationRow>& rows);

}  // namespace velmora
