#pragma once

#include "catalogue/UnitRecord.h"

#include <QString>
#include <QStringList>
#include <array>

namespace velmora {

// The nine category toggles of the unit list, in their screen order.
enum class ListToggle {
    General,         // 汎用
    Earth,           // 地上
    Space,           // 宇宙
    MassProduction,  // 量産
    Ace,             // 一機
    Private,         // 専用
    Limit,           // 限定
    Nt,              // ＮＴ
    Star,            // ☆
};
constexpr int kListToggleCount = 9;

// What the unit list is filtered by: the faction option, the keyword and the nine toggles, and
// the test a catalogue row must pass to be listed. Terrain toggles are ORed, category toggles are
// ORed, and the groups, the star and every keyword word are ANDed.
class MsListFilter {
public:
    // 0 "連邦", 1 "ジオン", 2 "すべて".
    void SetArmyIndex(int armyIndex) { armyIndex_ = armyIndex; }
    int ArmyIndex() const { return armyIndex_; }

    // The keyword as the box holds it; full-width spaces are read as word separators.
    void SetKeyword(const QString& keyword);
    QStringList Words() const { return words_; }

    void SetToggle(ListToggle toggle, bool on) { toggles_[size_t(toggle)] = on; }
    bool Toggle(ListToggle toggle) const { return toggles_[size_t(toggle)]; }

    // factionMark is the row's get配備名: "連", "ジ" or empty (never listed).
    bool Passes(const typMsData& unit, const QString& factionMark) const;

    // The keyword box's text with every full-width space turned into a half-width one.
    static QString RewriteSpaces(const QString& keyword);

private:
    bool FactionPasses(const QString& factionMark) const;
    bool TerrainPasses(const typMsData& unit) const;
    bool CategoryPasses(const typMsData& unit) const;
    bool KeywordPasses(const typMsData& unit) const;

    int armyIndex_ = 0;
    std::array<bool, kListToggleCount> toggles_{};
    QStringList words_;        // non-empty words of the keyword
    QStringList narrowWords_;  // the same words in half width
};

}  // namespace velmora
