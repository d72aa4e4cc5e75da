#pragma once

#include "formation/Formation.h"
#include "formation/FormationText.h"

#include <QString>
#include <array>
#include <optional>

// The formation on screen side by side with a saved one: what the window would show for each,
// computed by the formation's own rules. Needs QtCore only; the saved-formations dialog shows it.
namespace velmora {

class clsMsData;

// The rows of the comparison, in the order shown.
enum class CompareRow { Commander, Load, Left, Repair, OneUnit, Limited, Verdict, Missing };
inline constexpr int kCompareRowCount = 8;

// The three compared sides, the comparison's columns 1 to 3.
enum class CompareSide { Current, SlotUnderCurrent, SlotUnderStored };
inline constexpr int kCompareSideCount = 3;

// A saved formation: its lists and the commander stored with it, if any.
struct SavedFormation {
    FormationLists lists;
    std::optional<Commander> commander;
};

struct FormationComparison {
    // cells[row][side]; empty for the slot's sides of a free slot, and for every row but the
    // first of the stored commander's side when the slot has no commander.
    std::array<std::array<QString, kCompareSideCount>, kCompareRowCount> cells;
    // A slot side's non-empty cell that differs from the formation on screen (never the
    // commander row).
    std::array<std::array<bool, kCompareSideCount>, kCompareRowCount> differs{};
    // "現在のみ: 名前, 名前　スロットのみ: 名前"; empty when both hold the same units.
    QString unitsOnOneSide;
};

// "大尉 Lv30 勲章5 搭載解除1" ("－" for the rank while none is chosen).
QString CommanderText(const Commander& commander);

// The formation on screen (with the capacity standing while no rank is chosen) against a slot;
// none for a free slot.
FormationComparison CompareFormations(const FormationState& current, const QString& baseCapacity,
                                      const std::optional<SavedFormation>& slot,
                                      const clsMsData& catalogue);

}  // namespace velmora
