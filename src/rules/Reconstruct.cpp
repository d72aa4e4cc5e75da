#include "rules/Reconstruct.h"

#include "catalogue/NumberText.h"

#include <array>

namespace velmora {

namespace {

struct Bonus {
    int hp;
    int armor;
    int move;
    int away;
};

// Indexed by modification code.
constexpr std::array<Bonus, 9> kBonuses{{
    {0, 0, 0, 0},
    {-24, 0, 0, 8},
    {0, -3, 0, 8},
    {-24, 0, 1, 0},
    {0, -3, 1, 0},
    {24, 0, 0, -8},
    {24, 0, -1, 0},
    {0, 3, 0, -8},
    {0, 3, -1, 0},
}};

}  // namespace

const QStringList& ModificationTexts() {
    static const QStringList texts{
        QStringLiteral(u"デフォルト"),  QStringLiteral(u"回避↑ ＨＰ↓"),
        QStringLiteral(u"回避↑ 装甲↓"), QStringLiteral(u"移動↑ ＨＰ↓"),
        QStringLiteral(u"移動↑ 装甲↓"), QStringLiteral(u"ＨＰ↑ 回避↓"),
        QStringLiteral(u"ＨＰ↑ 移動↓"), QStringLiteral(u"装甲↑ 回避↓"),
        QStringLiteral(u"装甲↑ 移動↓"),
    };
    return texts;
}

int ModificationCodeOf(const QString& entryText) {
    return static_cast<int>(ModificationTexts().indexOf(entryText));
}

bool HasShield(const typMsData& record) { return record.Shield == u"○"; }

UnitChoices ListedChoices(const typMsData& record) { return {HasShield(record) ? 1 : 0, 0}; }

bool CalcReconstruct(typMsData& record, int shieldChoice, int code) {
    record.HpPlus = 0;
    record.ArmorPlus = 0;
    record.MovePlus = 0;
    record.AwayPlus = 0;
    record.PreemptivePlus = 0;

    const bool known = code >= 0 && code < static_cast<int>(kBonuses.size());
    if (known) {
        const Bonus& bonus = kBonuses[static_cast<std::size_t>(code)];
        record.HpPlus = bonus.hp;
        record.ArmorPlus = bonus.armor;
        record.MovePlus = bonus.move;
        record.AwayPlus = bonus.away;
    }

    record.ShieldLoadNow = shieldChoice != 0 ? record.ShieldLoad : QStringLiteral("0");

    // Each equipped option carries its load off the evasion; only the last one's half load
    // counts against pre-emption.
    for (const typWeapon& weapon : record.Weapon) {
        if (weapon.Equipped != FlagOn()) continue;
        const double load = num::Val(weapon.AwayLoad);
        record.AwayPlus = num::WholeInt(record.AwayPlus - load);
        record.EquipPreemptive =
            static_cast<std::int32_t>(num::Half(static_cast<long long>(num::Whole(-load))));
    }
    return known;
}

double AwayShown(const typMsData& record) {
    return num::Val(record.Away) + record.AwayPlus - num::Val(record.ShieldLoadNow);
}

double PreemptiveShown(const typMsData& record) {
    const long long shieldHalf =
        num::Half(static_cast<long long>(num::Whole(num::Val(record.ShieldLoadNow))));
    return num::Val(record.Preemptive) +
           (record.PreemptivePlus - shieldHalf + record.EquipPreemptive);
}

}  // namespace velmora
