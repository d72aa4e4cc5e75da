#include "formation/VerdictExplanation.h"

#include "catalogue/NumberText.h"

namespace velmora {

namespace {

constexpr int kLowestLevel = 1;
constexpr int kHighestLevel = 99;

QString Number(double value) { return num::NumberText(value); }

QString Against(const char16_t* what, int count, int limit) {
    return QString::fromUtf16(what) + QString::number(count) + u" / " + QString::number(limit);
}

// The count against the limit of the rule that gave the verdict; empty for the load verdicts.
QString CountAgainstLimit(const FormationResult& result) {
    switch (result.rule) {
        case VerdictRule::LimitedWithoutSkill:
            return Against(u"限定生産機 ", result.limited, kLimitedWithoutSkill);
        case VerdictRule::OneUnitOverTwo:
            return Against(u"一機制限機 ", result.oneUnit, kOneUnitMost);
        case VerdictRule::TwoOneUnitWithoutSkill:
            return Against(u"一機制限機 ", result.oneUnit, kOneUnitWithoutSkill);
        case VerdictRule::EnsignWithExclusive:
            return Against(u"専用機 ", result.exclusive, kExclusiveForEnsign);
        case VerdictRule::LoadLeft:
        case VerdictRule::LoadOver:
            break;
    }
    return QString();
}

// What keeps even the highest level from carrying the formation.
QString Obstacle(VerdictRule rule) {
    switch (rule) {
        case VerdictRule::LimitedWithoutSkill:
            return QStringLiteral(u"限定生産機の数");
        case VerdictRule::OneUnitOverTwo:
        case VerdictRule::TwoOneUnitWithoutSkill:
            return QStringLiteral(u"一機制限機の数");
        case VerdictRule::EnsignWithExclusive:
            return QStringLiteral(u"階級");
        case VerdictRule::LoadOver:
        case VerdictRule::LoadLeft:
            break;
    }
    return QStringLiteral(u"搭載");
}

}  // namespace

QString LoadText(const FormationResult& result) {
    const QString load = u"搭載 " + result.load + u" / " + result.capacity;
    if (result.remaining < 0) return load + u"　超過 " + Number(-result.remaining);
    return load + u"　残り " + Number(result.remaining);
}

std::optional<int> LowestLevel(const Commander& commander, const FormationResult& result) {
    if (!commander.rank) return std::nullopt;
    // Only the load verdicts depend on the level, and the capacity grows by one per level, so
    // the load left at another level is this result's plus the difference in levels.
    if (result.rule != VerdictRule::LoadLeft && result.rule != VerdictRule::LoadOver)
        return std::nullopt;
    const double needed = double(commander.level) - result.remaining;
    if (!(needed > kLowestLevel)) return kLowestLevel;  // a load left that is not a number too
    if (needed > kHighestLevel) return std::nullopt;
    return int(needed);
}

QString ExplainVerdict(const Commander& commander, const FormationResult& result) {
    QString text = CountAgainstLimit(result);
    if (text.isEmpty()) text = LoadText(result);
    if (!commander.rank) return text;

    if (const std::optional<int> level = LowestLevel(commander, result))
        return text + u"　レベル " + QString::number(*level) + u" で編成可能";
    // No level changes a rule's verdict, and a load verdict means the load at the highest.
    return text + u"　どのレベルでも編成不可（" + Obstacle(result.rule) + u"）";
}

std::vector<bool> RowsAgainstRule(const FormationResult& result,
                                  const std::vector<FormationRow>& rows) {
    std::optional<UnitCategory> counted;
    switch (result.rule) {
        case VerdictRule::LimitedWithoutSkill:
            counted = UnitCategory::Limited;
            break;
        case VerdictRule::OneUnitOverTwo:
        case VerdictRule::TwoOneUnitWithoutSkill:
            counted = UnitCategory::OneUnit;
            break;
        case VerdictRule::EnsignWithExclusive:
            counted = UnitCategory::Exclusive;
            break;
        case VerdictRule::LoadLeft:
        case VerdictRule::LoadOver:
            break;
    }
    std::vector<bool> flags(rows.size(), false);
    if (!counted) return flags;
    for (std::size_t k = 0; k < rows.size(); ++k)
        flags[k] = CategoryOf(rows[k][FormationColumn::Category]) == *counted;
    return flags;
}

QString CapacityFormula(const Commander& commander, const FormationResult& result) {
    if (!commander.rank) return QString();
    QString text = u"レベル " + QString::number(commander.level) + u" + 階級 " +
                   QString::number(*commander.rank) + u" + " + QString::number(kCapacityBase) +
                   u" + 勲章 " + QString::number(commander.decoration) + u" = " +
                   QString::number(BaseCapacity(commander));
    if (result.limitedPenalty == 0 && result.oneUnitPenalty == 0) return text;
    if (result.limitedPenalty != 0)
        text += u"\n− " + Number(result.limitedPenalty) + u"（限定生産機 " +
                QString::number(result.limited) + u" 機）";
    if (result.oneUnitPenalty != 0)
        text += u"\n− " + Number(result.oneUnitPenalty) + u"（一機制限機 " +
                QString::number(result.oneUnit) + u" 機）";
    return text + u"\n= " + result.capacity;
}

}  // namespace velmora
