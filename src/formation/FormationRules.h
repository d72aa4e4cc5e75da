#pragma once

#include "formation/FormationColumns.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The commander's carrying capacity and the formation's totals, verdict and marker columns,
// recomputed from scratch from the commander and the formation rows. Rules are reported, never
// enforced: the result only says what to show.
namespace velmora {

class clsMsData;

struct Commander {
    std::optional<int> rank;  // 0 "少尉" to 5 "大佐"; none while no rank is selected
    int level = 1;
    int decoration = 0;
    int skill = 0;

    bool operator==(const Commander&) const = default;
};

// The one hard limit: units are added one by one up to seven.
constexpr int kMaxFormationUnits = 7;

// The values a commander setting may take; the lowest is the default.
struct CommanderRange {
    int lowest;
    int highest;
};
inline constexpr CommanderRange kRankRange{0, 5};
inline constexpr CommanderRange kLevelRange{1, 99};
inline constexpr CommanderRange kDecorationRange{0, 99};
inline constexpr CommanderRange kSkillRange{0, 3};

// The six rank entries, in rank-code order (0 "少尉" to 5 "大佐").
const QStringList& RankTexts();

enum class UnitCategory { Other, Limited, Exclusive, OneUnit };

// The category counted for a grid category code (column 9): "限定" and "限N" are limited,
// "専用" exclusive, "一機" one-unit restricted, everything else none of them.
UnitCategory CategoryOf(const QString& code);

// The limits the rules count against, as the verdicts and their explanation name them.
inline constexpr int kCapacityBase = 47;           // capacity = level + rank + 47 + decoration
inline constexpr int kLimitedWithoutSkill = 3;     // limited units without the skill
inline constexpr int kOneUnitMost = 2;             // one-unit units with the skill
inline constexpr int kOneUnitWithoutSkill = 1;     // one-unit units without the skill
inline constexpr int kExclusiveForEnsign = 0;      // exclusive units for a 少尉
inline constexpr int kLimitedPenalty = 2;          // capacity lost to limited units (skill 0, 1)
// Capacity lost to kOneUnitMost one-unit units, by skill (skill 0 may not hold them at all).
inline constexpr int kOneUnitPenaltyBySkill[] = {0, 6, 4, 2};
inline constexpr int kRepairBase = 300;            // the repair total of an empty formation

// level + rank + kCapacityBase + decoration; only with a rank.
int BaseCapacity(const Commander& commander);

// BaseCapacity as text; the previous capacity text while no rank is selected.
QString CapacityText(const Commander& commander, const QString& previousCapacity);

inline const QString& MarkText() {
    static const QString mark = QStringLiteral(u"○");
    return mark;
}

// Columns 11 to 14 of one row: "○" or empty.
struct FormationMarks {
    QString lowHp;
    QString highHp;
    QString strong;
    QString support;

    bool operator==(const FormationMarks&) const = default;
};

// Which line of the rule checks gave the verdict.
enum class VerdictRule {
    LoadLeft,                // "残り搭載 " and the load left
    LoadOver,                // "搭載オーバーです。"
    LimitedWithoutSkill,     // more than three limited units without the skill
    OneUnitOverTwo,          // more than two one-unit units
    TwoOneUnitWithoutSkill,  // two one-unit units without the skill
    EnsignWithExclusive,     // "少尉" with an exclusive unit
};

struct FormationResult {
    QString capacity;  // lblTotalWeight, penalties included
    bool capacityRed = false;
    QString load;          // lblMyWeight
    QString repair;        // lblTotalRepair
    double remaining = 0;  // capacity (penalties so far included) less load; below 0 when over
    int limited = 0;       // lblRestriction
    int exclusive = 0;
    int oneUnit = 0;  // lblPersonal
    QString verdict;  // the status bar's first panel
    VerdictRule rule = VerdictRule::LoadLeft;
    double limitedPenalty = 0;          // taken off the capacity for three or more limited units
    double oneUnitPenalty = 0;          // taken off the capacity for two one-unit units
    std::vector<FormationMarks> marks;  // one per row, in row order
};

// The rules over the rows' columns 0, 2, 3, 9 and 10. previousCapacity is the capacity before
// any penalty, used while no rank is selected. Units are looked up in the catalogue for the HP
// and range-4 markers only.
FormationResult CalcFormationRules(const Commander& commander, const QString& previousCapacity,
                                   const std::vector<FormationRow>& rows,
                                   const clsMsData& catalogue);

}  // namespace velmora
