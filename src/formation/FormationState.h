#pragma once

#include "formation/FormationColumns.h"
#include "formation/FormationRules.h"

#include <vector>

namespace velmora {

// What an undo step brings back: the formation rows (markers left out, since the rules rewrite
// them) and the commander.
struct FormationState {
    std::vector<FormationRow> rows;
    Commander commander;

    bool operator==(const FormationState&) const = default;
};

// The state of these rows and this commander, the marker columns 11 to 14 emptied.
FormationState StateOf(std::vector<FormationRow> rows, const Commander& commander);

}  // namespace velmora
