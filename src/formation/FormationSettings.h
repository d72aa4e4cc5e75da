#pragma once

#include "catalogue/Status.h"
#include "formation/FormationRules.h"
#include "formation/FormationText.h"

#include <QDateTime>
#include <QString>

// The formation's part of setting.ini, every name in one table: the commander and the default
// formation in section Setting, the saved formations No1 to No8 in section SaveData. Nothing is
// cached; each call reads or writes the file, and a write leaves a file whose bytes would not
// change alone.
namespace velmora {

class SettingsFile;

enum class FormationKey { Rank, Level, Decoration, Skill, DefaultFormation };

// The commander settings as the file holds them, each as a whole number (a failure beyond 32
// bits); CommanderFromStored applies the ranges.
struct StoredCommander {
    Result<int> rank = 0;
    Result<int> level = 0;
    Result<int> decoration = 0;
    Result<int> skill = 0;
};

// The commander the stored numbers give: a value outside its range, or one that could not be
// read, gives the range's default (rank 少尉, level 1, no decoration, no skill).
Commander CommanderFromStored(const StoredCommander& stored);

class FormationSettings {
public:
    static constexpr int kSlotCount = 8;

    explicit FormationSettings(SettingsFile& settings) : settings_(settings) {}

    static const QString& Section();  // "Setting"
    static const QString& KeyName(FormationKey key);
    static const QString& SlotSection();  // "SaveData"
    static QString SlotKey(int slot);     // "No1" to "No8"

    // A setting read as a whole number: the leading number (0 when none), rounded with halves
    // to even; an OutOfRange failure beyond the 32-bit range.
    static Result<int> WholeNumber(const QString& text);

    StoredCommander ReadCommander() const;
    // The four commander keys in one replacement of the file. Writes nothing, successfully,
    // while no rank is chosen or when the file is missing.
    Status WriteCommander(const Commander& commander);

    // The lists of the default formation; none when the key is missing or empty.
    std::optional<FormationLists> ReadDefaultFormation() const;
    // The default formation's text, stamped with when. Writes nothing, successfully, when the
    // file is missing.
    Status WriteDefaultFormation(const FormationLists& lists, const QDateTime& when);

private:
    SettingsFile& settings_;
};

}  // namespace velmora
