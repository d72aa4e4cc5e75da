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

// True when the unit can carry a shield (its shield column is "○").
bool HasShield(const typMsData& record);

// The choices a unit picked in the unit list starts with, in the detail panel and in the deploy
// preview alike: its shield fitted when it has one, no modification.
struct UnitChoices {
    int shield = 0;
    int modification = 0;
};
UnitChoices ListedChoices(const typMsData& record);

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
