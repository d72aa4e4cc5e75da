#include "formation/FormationRules.h"

#include "catalogue/NumberText.h"
#include "catalogue/clsMsData.h"

#include <QSet>

namespace velmora {

namespace {

double Remaining(const FormationResult& result) {
    return num::Whole(num::Val(result.capacity) - num::Val(result.load));
}

QString Lowered(const QString& capacity, double by) {
    return num::NumberText(num::Val(capacity) - by);
}

// Rows with the same text in the compared column share the mark of a marked row. The marked
// texts are gathered first, so that a long formation costs one pass, not one per row pair.
void SpreadTies(const std::vector<FormationRow>& rows, std::vector<FormationMarks>& marks,
                FormationColumn column, QString FormationMarks::*mark) {
    QSet<QString> markedTexts;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (marks[k].*mark == MarkText()) markedTexts.insert(rows[k][column]);
    }
    if (markedTexts.isEmpty()) return;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (markedTexts.contains(rows[i][column])) marks[i].*mark = MarkText();
    }
}

std::vector<FormationMarks> Markers(const std::vector<FormationRow>& rows,
                                    const clsMsData& catalogue) {
    std::vector<FormationMarks> marks(rows.size());
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    double lowestHp = 9999;
    double highestHp = 0;
    double highestLoad = 0;
    std::size_t lowRow = kNone;
    std::size_t highRow = kNone;
    std::size_t loadRow = kNone;

    for (std::size_t k = 0; k < rows.size(); ++k) {
        const FormationRow& row = rows[k];
        const typMsData* unit = catalogue.FindMsData(row[FormationColumn::MsNo]);
        if (unit && !unit->MsName.isEmpty()) {
            // A unit without a catalogue HP cannot be compared by HP.
            if (!unit->Hp.isEmpty() && unit->Hp != u"nd") {
                const double hp = num::Val(row[FormationColumn::Hp]);
                if (hp < lowestHp) {
                    lowRow = k;
                    lowestHp = num::Whole(hp);
                }
                if (hp > highestHp) {
                    highRow = k;
                    highestHp = num::Whole(hp);
                }
            }
            for (const typWeapon& weapon : unit->Weapon) {
                if (num::IsNumeric(weapon.Range4)) marks[k].support = MarkText();
            }
        }
        const double load = num::Val(row[FormationColumn::Weight]);
        if (load > highestLoad) {
            loadRow = k;
            highestLoad = num::Whole(load);
        }
    }
    if (lowRow != kNone) marks[lowRow].lowHp = MarkText();
    if (highRow != kNone) marks[highRow].highHp = MarkText();
    if (loadRow != kNone) marks[loadRow].strong = MarkText();

    SpreadTies(rows, marks, FormationColumn::Hp, &FormationMarks::lowHp);
    SpreadTies(rows, marks, FormationColumn::Hp, &FormationMarks::highHp);
    SpreadTies(rows, marks, FormationColumn::Weight, &FormationMarks::strong);
    return marks;
}

}  // namespace

const QStringList& RankTexts() {
    static const QStringList ranks{QStringLiteral(u"少尉"), QStringLiteral(u"中尉"),
                                   QStringLiteral(u"大尉"), QStringLiteral(u"少佐"),
                                   QStringLiteral(u"中佐"), QStringLiteral(u"大佐")};
    return ranks;
}

UnitCategory CategoryOf(const QString& code) {
    if (code == u"限定" || code == u"限N") return UnitCategory::Limited;
    if (code == u"専用") return UnitCategory::Exclusive;
    if (code == u"一機") return UnitCategory::OneUnit;
    return UnitCategory::Other;
}

int BaseCapacity(const Commander& commander) {
    return commander.level + commander.rank.value_or(0) + kCapacityBase + commander.decoration;
}

QString CapacityText(const Commander& commander, const QString& previousCapacity) {
    if (!commander.rank) return previousCapacity;
    return num::NumberText(double(commander.level) + *commander.rank + kCapacityBase +
                           commander.decoration);
}

FormationResult CalcFormationRules(const Commander& commander, const QString& previousCapacity,
                                   const std::vector<FormationRow>& rows,
                                   const clsMsData& catalogue) {
    FormationResult result;
    result.capacity = CapacityText(commander, previousCapacity);

    double load = 0;
    double repair = kRepairBase;
    for (const FormationRow& row : rows) {
        load = num::Whole(load + num::Val(row[FormationColumn::Weight]));
        repair = num::Whole(repair + num::Val(row[FormationColumn::Repair]));
        switch (CategoryOf(row[FormationColumn::Category])) {
            case UnitCategory::Limited:
                ++result.limited;
                break;
            case UnitCategory::Exclusive:
                ++result.exclusive;
                break;
            case UnitCategory::OneUnit:
                ++result.oneUnit;
                break;
            case UnitCategory::Other:
                break;
        }
    }
    result.load = num::NumberText(load);
    result.repair = num::NumberText(repair);
    result.marks = Markers(rows, catalogue);

    const int skill = commander.skill;
    if (skill == 0 && result.limited > kLimitedWithoutSkill) {
        result.verdict = QStringLiteral(u"搭載解除スキルがありません。限定生産機は３機までです。");
        result.capacityRed = true;
        result.rule = VerdictRule::LimitedWithoutSkill;
        result.remaining = Remaining(result);
        return result;
    }
    if (skill < 2 && result.limited >= kLimitedWithoutSkill) {
        result.limitedPenalty = kLimitedPenalty;
        result.capacity = Lowered(result.capacity, result.limitedPenalty);
        result.capacityRed = true;
    }
    if (result.oneUnit > kOneUnitMost) {
        result.verdict = QStringLiteral(u"一機制限機は二機までです。");
        result.rule = VerdictRule::OneUnitOverTwo;
        result.remaining = Remaining(result);
        return result;
    }
    if (result.oneUnit == kOneUnitMost) {
        switch (skill) {
            case 0:
                result.verdict =
                    QStringLiteral(u"搭載解除スキルを持っていません。一機制限機は一機までです。");
                result.rule = VerdictRule::TwoOneUnitWithoutSkill;
                result.remaining = Remaining(result);
                return result;
            case 1:
            case 2:
            case 3:
                result.oneUnitPenalty = kOneUnitPenaltyBySkill[skill];
                break;
            default:
                break;
        }
        if (result.oneUnitPenalty != 0)
            result.capacity = Lowered(result.capacity, result.oneUnitPenalty);
    }

    result.remaining = Remaining(result);
    if (result.remaining < 0) {
        result.verdict = QStringLiteral(u"搭載オーバーです。");
        result.rule = VerdictRule::LoadOver;
        result.capacityRed = true;
    } else {
        result.verdict = QStringLiteral(u"残り搭載 ") + num::NumberText(result.remaining);
    }
    if (commander.rank == 0 && result.exclusive > kExclusiveForEnsign) {
        result.verdict = QStringLiteral(u"少尉は制限機を配備することが出来ません。");
        result.rule = VerdictRule::EnsignWithExclusive;
    }
    return result;
}

}  // namespace velmora
