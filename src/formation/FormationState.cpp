#include "formation/FormationState.h"

#include <utility>

namespace velmora {

FormationState StateOf(std::vector<FormationRow> rows, const Commander& commander) {
    for (FormationRow& row : rows) {
        for (int column : {kColLowHp, kColHighHp, kColStrong, kColSupport}) row[column].clear();
    }
    return {std::move(rows), commander};
}

}  // namespace velmora
