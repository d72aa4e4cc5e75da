#pragma once

#include "formation/FormationRules.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

// The one-line text in which a formation is kept: comment, stamp and four comma-joined lists
// (MS numbers, shield positions, modification codes, equipped weapon rows), separated by tabs,
// and in a saved slot a seventh field, the commander it was planned for.
namespace velmora {

// The entries of a comma-joined list; an empty text gives no entries, not one empty entry.
QStringList SplitList(const QString& list);

// The per-unit choices of a formation, one entry per unit in each list.
struct FormationLists {
    QStringList msNos;
    QStringList shields;
    QStringList modifications;
    QStringList weapons;

    // The four lists joined by "," each, then by tabs: fields 2 to 5 of a formation text.
    QString Joined() const;

    // The lists of four tab-separated fields (missing fields count as empty). An empty field
    // gives an empty list, not a list with one empty entry.
    static FormationLists Parse(const QString& fourFields);

    bool operator==(const FormationLists&) const = default;
};

// "MM.DD HH:mm" on a 24-hour clock: 3 February at 9:05 gives "02.03 09:05".
QString FormatStamp(const QDateTime& when);

// comment, tab, stamp, tab, the four lists; then tab and the commander field when a commander
// with a rank is given.
QString MakeFormationText(const QString& comment, const QDateTime& when,
                          const FormationLists& lists,
                          const std::optional<Commander>& commander = std::nullopt);

// The commander as a formation text's seventh field: rank code, level, decoration and skill
// joined by "," ("2,30,5,1"); empty while no rank is chosen.
QString CommanderField(const Commander& commander);
// The commander of a seventh field: four whole numbers, each in its range; none otherwise.
std::optional<Commander> ParseCommanderField(const QString& field);
// The commander of a stored formation text's seventh field; none when it has none.
std::optional<Commander> CommanderOfFormationText(const QString& text);

// The six fields of a stored formation text, missing fields empty, fields after the sixth
// dropped.
QStringList SplitFormationText(const QString& text);

// The lists in fields 2 to 5 of a stored formation text.
FormationLists ListsOfFormationText(const QString& text);

}  // namespace velmora
