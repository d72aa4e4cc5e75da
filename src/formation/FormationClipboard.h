#pragma once

#include "formation/FormationColumns.h"
#include "formation/FormationRules.h"
#include "formation/FormationText.h"

#include <QString>
#include <optional>
#include <vector>

// A formation as text to share: lines a person reads in a chat or forum post, the formation text
// line as it is stored, and the share code; and what pasting takes back from any of them.
namespace velmora {

class clsMsData;

// One line per unit (name, MS number, shield, modification and equipped weapon as numbers with
// their words, then load, HP, armour, evasion, pre-emption, move and category), the commander,
// the totals and the verdict, then formationLine, then the share code of formationLine's
// comment, the rows' lists and the commander.
QString FormationClipboardText(const std::vector<FormationRow>& rows, const clsMsData& catalogue,
                               const Commander& commander, const FormationResult& result,
                               const QString& formationLine);

// A formation taken back from pasted text, with the commander when it carried one.
struct PastedFormation {
    FormationLists lists;
    std::optional<Commander> commander;
};

// The formation in text, the first of these that text holds: the last share code whose check
// holds; the last formation text line (six or more tab-separated fields, a seventh the
// commander; a leading "key=" of an entry copied out of setting.ini dropped), also when each
// tab became blanks; the last run of readable unit lines numbered from 1. Its four lists have
// one entry per unit each and its choices are whole numbers. None when text holds none.
std::optional<PastedFormation> ParsePastedFormation(const QString& text);

// The lists of ParsePastedFormation.
std::optional<FormationLists> PastedFormationLists(const QString& text);

}  // namespace velmora
