#pragma once

#include "formation/FormationColumns.h"
#include "formation/FormationRules.h"
#include "formation/FormationText.h"

#include <QString>
#include <optional>
#include <vector>

// A formation as text to share: lines a person reads in a chat or forum post, closed by the
// formation text line as it is stored, which is what pasting takes back.
namespace velmora {

class clsMsData;

// One line per unit (name, load, HP, armour, evasion, pre-emption, move, category, then shield,
// modification and equipped weapon in words), the commander, the totals and the verdict, then
// formationLine.
QString FormationClipboardText(const std::vector<FormationRow>& rows, const clsMsData& catalogue,
                               const Commander& commander, const FormationResult& result,
                               const QString& formationLine);

// The four lists of the last formation text line in text: a line of six or more tab-separated
// fields whose four lists have one entry per unit each. A leading "key=" (an entry copied out
// of setting.ini) is dropped. None when no line is one.
std::optional<FormationLists> PastedFormationLists(const QString& text);

}  // namespace velmora
