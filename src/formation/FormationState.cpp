#include "formation/FormationState.h"

#include <utility>

namespace velmora {

FormationState StateOf(std::vector<FormationRow> rows, const Commander& commander) {
    for (FormationRow& row : rows) {
        for (const FormationColumn column : {FormationColumn::LowHp, FormationColumn::HighHp,
                                             FormationColumn::Strong, FormationColumn::Support})
            row[column].clear();
    }
    return {std::move(rows), commander};
}

}  // namespace velmora
