#include "formation/DeployPreview.h"

#include "formation/FormationRows.h"
#include "formation/VerdictExplanation.h"
#include "rules/Reconstruct.h"

namespace velmora {

FormationRow ListedUnitRow(const typMsData& unit) {
    const UnitChoices choices = ListedChoices(unit);
    return UnitRow(unit, choices.shield, choices.modification);
}

QString DeployPreview(const typMsData& unit, const Commander& commander,
                      const QString& previousCapacity, const std::vector<FormationRow>& rows,
                      const clsMsData& catalogue) {
    if (rows.size() >= std::size_t(kMaxFormationUnits))
        return QStringLiteral(u"配備できません（編成は７機まで）");
    std::vector<FormationRow> deployed = rows;
    deployed.push_back(ListedUnitRow(unit));
    const FormationResult result =
        CalcFormationRules(commander, previousCapacity, deployed, catalogue);
    return u"配備すると: " + result.verdict + u"\n" + LoadText(result);
}

}  // namespace velmora
