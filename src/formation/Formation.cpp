#include "formation/Formation.h"

#include "formation/FormationRows.h"
#include "formation/VerdictExplanation.h"

#include <utility>

namespace velmora {

namespace {

// The entries without markers: the marker columns 11 to 14 emptied.
std::vector<FormationRow> Unmarked(std::vector<FormationRow> rows) {
    for (FormationRow& row : rows) {
        for (const FormationColumn column : {FormationColumn::LowHp, FormationColumn::HighHp,
                                             FormationColumn::Strong, FormationColumn::Support})
            row[column].clear();
    }
    return rows;
}

}  // namespace

FormationOutcome Evaluate(const FormationState& state, const QString& previousCapacity,
                          const clsMsData& catalogue) {
    const QString base = CapacityText(state.commander, previousCapacity);
    FormationOutcome outcome;
    outcome.result = CalcFormationRules(state.commander, base, state.rows, catalogue);
    outcome.againstRule = RowsAgainstRule(outcome.result, state.rows);
    outcome.capacityFormula = CapacityFormula(state.commander, outcome.result);
    outcome.explanation = ExplainVerdict(state.commander, outcome.result);
    int missing = 0;
    for (const FormationRow& row : state.rows) {
        outcome.missing.push_back(IsMissingUnit(row, catalogue));
        missing += outcome.missing.back() ? 1 : 0;
    }
    if (missing > 0)
        outcome.explanation =
            u"カタログにない機体 " + QString::number(missing) + u"機　" + outcome.explanation;
    return outcome;
}

Formation::Formation(const clsMsData& catalogue, QObject* parent)
    : QObject(parent), catalogue_(catalogue) {
    outcome_ = Evaluate(state_, baseCapacity_, catalogue_);
}

FormationLists Formation::Lists() const { return ListsOfRows(state_.rows); }

QString Formation::Cell(int entry, int column) const {
    if (entry < 0 || entry >= Count() || column < 0 || column >= kFormationColumnCount)
        return QString();
    const std::size_t k = std::size_t(entry);
    if (k < outcome_.result.marks.size()) {
        const FormationMarks& marks = outcome_.result.marks[k];
        switch (FormationColumn(column)) {
            case FormationColumn::LowHp:
                return marks.lowHp;
            case FormationColumn::HighHp:
                return marks.highHp;
            case FormationColumn::Strong:
                return marks.strong;
            case FormationColumn::Support:
                return marks.support;
            default:
                break;
        }
    }
    return state_.rows[k][std::size_t(column)];
}

bool Formation::Append(const FormationRow& row) {
    if (Count() >= kMaxFormationUnits) return false;
    state_.rows.push_back(Unmarked({row}).front());
    Settle(Change::Appended, Count() - 1);
    return true;
}

void Formation::UpdateFigures(int entry, const FormationRow& row) {
    if (entry < 0 || entry >= Count()) return;
    FormationRow& target = state_.rows[std::size_t(entry)];
    for (const FormationColumn column :
         {FormationColumn::Hp, FormationColumn::Armor, FormationColumn::Away,
          FormationColumn::Preemptive, FormationColumn::Move, FormationColumn::Shield,
          FormationColumn::Modification, FormationColumn::Weapon})
        target[column] = row[column];
    Settle(Change::Entry, entry);
}

void Formation::Remove(int entry) {
    if (entry < 0 || entry >= Count()) return;
    state_.rows.erase(state_.rows.begin() + entry);
    Settle(Change::Reset);
}

void Formation::SetCommander(const Commander& commander) {
    state_.commander = commander;
    Settle(Change::Figures);
}

void Formation::SetState(FormationState state) {
    state.rows = Unmarked(std::move(state.rows));
    const bool entriesChange = state.rows != state_.rows;
    state_ = std::move(state);
    Settle(entriesChange ? Change::Reset : Change::Figures);
}

QString Formation::Load(const FormationLists& lists) {
    RebuiltFormation rebuilt = RebuildRows(catalogue_, lists);
    state_.rows = std::move(rebuilt.rows);
    Settle(Change::Reset);
    return rebuilt.failure;
}

void Formation::Recompute() { Settle(Change::Figures); }

void Formation::Settle(Change change, int entry) {
    baseCapacity_ = CapacityText(state_.commander, baseCapacity_);
    FormationOutcome outcome = Evaluate(state_, baseCapacity_, catalogue_);
    marksMoved_ = outcome.result.marks != outcome_.result.marks ||
                  outcome.againstRule != outcome_.againstRule;
    outcome_ = std::move(outcome);
    Q_EMIT changed(change, change == Change::Entry ? entry : -1);
}

}  // namespace velmora
