#pragma once

#include "formation/FormationColumns.h"
#include "formation/FormationRules.h"

#include <vector>

namespace velmora {

// A formation as a value, what the document holds and an undo step brings back: one entry per
// unit (the grid's row texts; the marker columns stay empty, since the rules make the markers)
// and the commander.
struct FormationState {
    std::vector<FormationRow> rows;
    Commander commander;

    bool operator==(const FormationState&) const = default;
};

// The state of these rows and this commander, the marker columns 11 to 14 emptied.
FormationState StateOf(std::vector<FormationRow> rows, const Commander& commander);

}  // namespace velmora
