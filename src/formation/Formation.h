#pragma once

#include "formation/FormationColumns.h"
#include "formation/FormationRules.h"
#include "formation/FormationText.h"

#include <QObject>
#include <QString>
#include <vector>

// The formation as a value (FormationState) and as a document: the value, what the rules make
// of it, and one signal when either changed. Needs QtCore only; the grid, the undo steps, the
// clipboard and setting.ini all go through it.
namespace velmora {

class clsMsData;

// A formation as a value, what the document holds and an undo step brings back: one entry per
// unit (the grid's row texts; the marker columns stay empty, since the rules make the markers)
// and the commander.
struct FormationState {
    std::vector<FormationRow> rows;
    Commander commander;

    bool operator==(const FormationState&) const = default;
};

// What the window shows for a formation state: the rules' result, the rows the broken rule
// counts, the numbers behind the verdict and the capacity's formula.
struct FormationOutcome {
    FormationResult result;
    std::vector<bool> againstRule;  // one per entry
    std::vector<bool> missing;      // one per entry: a unit the catalogue does not hold
    QString explanation;            // the status bar's second panel, the missing units counted
    QString capacityFormula;        // the capacity's tooltip
};

// The outcome of a state. previousCapacity stands while no rank is chosen.
FormationOutcome Evaluate(const FormationState& state, const QString& previousCapacity,
                          const clsMsData& catalogue);

class Formation : public QObject {
    Q_OBJECT
public:
    // How the entries changed, so that a view can follow: one entry added at the end, the
    // entries replaced, one entry's texts, or nothing but the figures (commander, recompute).
    enum class Change { Appended, Reset, Entry, Figures };
    Q_ENUM(Change)

    // The catalogue must outlive the document; its units give the markers.
    explicit Formation(const clsMsData& catalogue, QObject* parent = nullptr);

    const FormationState& State() const { return state_; }
    const std::vector<FormationRow>& Entries() const { return state_.rows; }
    const Commander& Leader() const { return state_.commander; }
    int Count() const { return int(state_.rows.size()); }
    FormationLists Lists() const;
    const FormationOutcome& Outcome() const { return outcome_; }
    // The capacity before any penalty: what stands while no rank is chosen ("99" at first).
    const QString& BaseCapacity() const { return baseCapacity_; }
    // Whether the last change moved a marker or a tint, so that a view repaints only then.
    bool MarksMoved() const { return marksMoved_; }

    // A cell of the formation grid: an entry's text, or for columns 11 to 14 the rules' marker;
    // empty outside the entries.
    QString Cell(int entry, int column) const;

    // Adds an entry (its marker columns are the rules'); false, changing nothing, with seven.
    bool Append(const FormationRow& row);
    // Takes the figures and choices of row (columns 3 to 7 and 15 to 17) into the entry.
    void UpdateFigures(int entry, const FormationRow& row);
    void Remove(int entry);
    void SetCommander(const Commander& commander);
    // An undo step, a loaded or pasted formation: every entry and the commander at once.
    void SetState(FormationState state);
    // Rebuilds the entries from the catalogue. A short list keeps the entries made before it and
    // returns the failure's message; empty on success.
    QString Load(const FormationLists& lists);
    // The rules again over what stands (the catalogue may have changed since).
    void Recompute();

Q_SIGNALS:
    // After every change and recompute; entry is the entry of Change::Entry, else -1.
    void changed(velmora::Formation::Change change, int entry);

private:
    void Settle(Change change, int entry = -1);

    const clsMsData& catalogue_;
    FormationState state_;
    FormationOutcome outcome_;
    QString baseCapacity_ = QStringLiteral("99");
    bool marksMoved_ = false;
};

}  // namespace velmora
