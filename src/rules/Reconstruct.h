#pragma once

#include "catalogue/UnitRecord.h"

#include <QString>
#include <QStringList>

// The arithmetic of modification, shield and equipped options on a unit record, and the two
// formulas by which evasion and pre-emption are shown.
namespace velmora {

// The nine entries of the modification list, in list order; an entry's position in this list
// is its modification code (0 "デフォルト" to 8).
const QStringList& ModificationTexts();

// The code of an entry text, or -1 when the text is none of the nine.
int ModificationCodeOf(const QString& entryText);

// Recomputes the bonus fields of record for a shield position (0 without, anything else with
// the shield) and a modification code. Returns false when the code is outside 0 to 8; the
// shield and the equipped options are applied all the same. Calling it again with the same
// choices gives the same fields.
bool CalcReconstruct(typMsData& record, int shieldChoice, int code);

// Evasion as shown: Val(Away) + AwayPlus - Val(ShieldLoadNow).
double AwayShown(const typMsData& record);

// Pre-emption as shown: Val(Preemptive) + (PreemptivePlus - Whole(Val(ShieldLoadNow)) \ 2
// + EquipPreemptive).
double PreemptiveShown(const typMsData& record);

}  // namespace velmora
