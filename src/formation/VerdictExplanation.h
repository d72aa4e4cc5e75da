#pragma once

#include "formation/FormationColumns.h"
#include "formation/FormationRules.h"

#include <QString>
#include <optional>
#include <vector>

// The numbers behind a verdict: what the status bar's second panel, the row tints and the
// capacity's tooltip say. Everything is worked out from the rules' own result.
namespace velmora {

// "搭載 45 / 65　残り 20", or "超過 5" in place of "残り" when the load is over.
QString LoadText(const FormationResult& result);

// The lowest level, 1 to 99, at which the rows are legal (the verdict is the load left) with
// the commander's rank, decoration and skill; none when no level is, or without a rank. Worked
// out from the rules' result for this commander, without running the rules again.
std::optional<int> LowestLevel(const Commander& commander, const FormationResult& result);

// The second panel: the load (or the count against the broken rule's limit, "一機制限機 3 / 2"),
// then the lowest level that carries the formation ("レベル 36 で編成可能") or, when no level
// does, the rule that stands in the way. result is the rules' result for this commander.
QString ExplainVerdict(const Commander& commander, const FormationResult& result);

// One flag per row: true for the rows that the broken rule counts (limited, one-unit or
// exclusive units); all false while no rule is broken.
std::vector<bool> RowsAgainstRule(const FormationResult& result,
                                  const std::vector<FormationRow>& rows);

// The capacity with its present numbers: "レベル 30 + 階級 2 + 47 + 勲章 5 = 84", followed by the
// penalties the rules took off ("− 2（限定生産機）").
QString CapacityFormula(const Commander& commander, const FormationResult& result);

}  // namespace velmora
