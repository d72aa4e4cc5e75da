#pragma once

#include "catalogue/Status.h"
#include "formation/FormationSettings.h"
#include "formation/FormationText.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace velmora {

class clsMsData;
class SettingsFile;

// The eight saved formations of setting.ini: keys No1 to No8 of section SaveData, each holding
// one formation text; an empty or missing key is a free slot. Read afresh whenever asked.
class SaveSlots {
public:
    static constexpr int kCount = FormationSettings::kSlotCount;

    // One slot: the six fields of its text as stored, the lists still joined by ",".
    struct Slot {
        QString comment;
        QString stamp;
        QString msNos;
        QString shields;
        QString modifications;
        QString weapons;
        // The seventh field: the commander the formation was stored with; none in a slot stored
        // without one.
        std::optional<Commander> commander;

        // A missing or empty key.
        bool IsFree() const;

        // The four lists: what loading the slot hands over.
        FormationLists Lists() const;
    };

    // The eight slots as the file holds them now; a missing file or section gives free slots.
    static SaveSlots Read(const SettingsFile& settings);

    // Slot 1 to 8; any other number gives a free slot.
    const Slot& At(int slot) const;

    // Writes the formation text (comment, stamp of when, the four lists, the commander when
    // given) into slot 1 to 8,
    // replacing what the slot held. Fails, writing nothing, for another slot number, for a
    // comment that IsStorableComment refuses, and whenever the settings file refuses the value.
    static Status Store(SettingsFile& settings, int slot, const QString& comment,
                        const QDateTime& when, const FormationLists& lists,
                        const std::optional<Commander>& commander = std::nullopt);

    // True when the comment reads back as the same slot: not empty, not blanks alone (the
    // reader trims blanks at the start of a value, which would shift the fields), and free of
    // tabs and line breaks.
    static bool IsStorableComment(const QString& comment);

    // The slot's total load: starting from 0, for every non-empty MS number of the
    // comma-joined list, total := Whole(total + Val(Weight)) of that unit; a unit the catalogue
    // does not hold adds 0.
    static double TotalLoad(const QString& msNos, const clsMsData& catalogue);

    // One name per entry of the comma-joined list, empty for an empty entry or a unit the
    // catalogue does not hold. An empty list has no entry.
    static QStringList UnitNames(const QString& msNos, const clsMsData& catalogue);

    static const QString& SectionName();  // as FormationSettings names it
    static QString KeyName(int slot);     // "No1" to "No8"

private:
    std::array<Slot, kCount> slots_;
};

}  // namespace velmora
