#pragma once

#include "catalogue/UnitRecord.h"

#include <QString>
#include <QStringList>

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
    // What a row offers the toggles and the faction option: its faction mark and the toggles it
    // matches. It never depends on the filter, so a list can work it out once per row.
    using RowTraits = quint16;

    // 0 "連邦", 1 "ジオン", 2 "すべて".
    void SetArmyIndex(int armyIndex) { armyIndex_ = armyIndex; }
    int ArmyIndex() const { return armyIndex_; }

    // The keyword as the box holds it; full-width spaces are read as word separators.
    void SetKeyword(const QString& keyword);
    QStringList Words() const { return words_; }

    void SetToggle(ListToggle toggle, bool on);
    bool Toggle(ListToggle toggle) const { return toggles_ & Bit(toggle); }

    // factionMark is the row's get配備名: "連", "ジ" or empty (never listed).
    bool Passes(const typMsData& unit, const QString& factionMark) const {
        return PassesTraits(TraitsOf(unit, factionMark)) && KeywordPasses(unit.MsName, unit.Weight);
    }

    static RowTraits TraitsOf(const typMsData& unit, const QString& factionMark) {
        return TraitsOf(unit.MoveArea, unit.Restriction, unit.MsName, factionMark);
    }
    // The same from the unit's terrain class, category and name: the four parts' traits
    // together. A list works the first two out once per shared text.
    static RowTraits TraitsOf(QStringView area, QStringView category, QStringView name,
                              QStringView factionMark) {
        return AreaTraits(area) | CategoryTraits(category) | NameTraits(name) |
               FactionTraits(factionMark);
    }
    static RowTraits AreaTraits(QStringView area);
    static RowTraits CategoryTraits(QStringView category);
    static RowTraits NameTraits(QStringView name);
    static RowTraits FactionTraits(QStringView factionMark);
    // The faction, star, terrain and category tests.
    bool PassesTraits(RowTraits traits) const;
    // Every keyword word is in the name or is the weight, as typed or in half width.
    bool KeywordPasses(QStringView name, QStringView weight) const;

    // The keyword box's text with every full-width space turned into a half-width one.
    static QString RewriteSpaces(const QString& keyword);

private:
    static constexpr RowTraits Bit(ListToggle toggle) { return RowTraits(1u << int(toggle)); }

    int armyIndex_ = 0;
    RowTraits toggles_ = 0;    // one bit per toggle that is on
    QStringList words_;        // non-empty words of the keyword
    QStringList narrowWords_;  // the same words in half width
};

}  // namespace velmora
