#include "formation/FormationCompare.h"

#include "catalogue/NumberText.h"
#include "formation/FormationRows.h"

#include <QHash>
#include <QStringList>
#include <vector>

namespace velmora {

namespace {

using Column = std::array<QString, kCompareRowCount>;

QString& At(Column& column, CompareRow row) { return column[std::size_t(row)]; }

QString MissingText(const std::vector<FormationRow>& rows, const clsMsData& catalogue) {
    QStringList positions;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (IsMissingUnit(rows[k], catalogue)) positions.append(u"No." + QString::number(k + 1));
    }
    if (positions.isEmpty()) return QStringLiteral("0");
    return QString::number(positions.size()) + u"（" + positions.join(u", ") + u"）";
}

// What the window shows for the state.
Column Describe(const FormationState& state, const QString& baseCapacity,
                const clsMsData& catalogue) {
    const FormationResult result = Evaluate(state, baseCapacity, catalogue).result;
    Column column;
    At(column, CompareRow::Commander) = CommanderText(state.commander);
    At(column, CompareRow::Load) = result.load + u" / " + result.capacity;
    At(column, CompareRow::Left) =
        num::NumberText(num::Val(result.capacity) - num::Val(result.load));
    At(column, CompareRow::Repair) = result.repair;
    At(column, CompareRow::OneUnit) = QString::number(result.oneUnit);
    At(column, CompareRow::Limited) = QString::number(result.limited);
    At(column, CompareRow::Verdict) = result.verdict;
    At(column, CompareRow::Missing) = MissingText(state.rows, catalogue);
    return column;
}

// The units one side holds more often than the other, in that side's order, each once with
// "×n" when it is more than one more.
QStringList Surplus(const std::vector<FormationRow>& side, const std::vector<FormationRow>& other) {
    QHash<QString, int> count;
    for (const FormationRow& row : side) ++count[row[FormationColumn::MsNo]];
    for (const FormationRow& row : other) --count[row[FormationColumn::MsNo]];
    QStringList names;
    for (const FormationRow& row : side) {
        int& more = count[row[FormationColumn::MsNo]];
        if (more <= 0) continue;
        const QString& name = row[FormationColumn::Name];
        const QString& msNo = row[FormationColumn::MsNo];
        QString text = !name.isEmpty() ? name : !msNo.isEmpty() ? msNo : QStringLiteral(u"－");
        if (more > 1) text += u" ×" + QString::number(more);
        names.append(text);
        more = 0;  // named once
    }
    return names;
}

}  // namespace

QString CommanderText(const Commander& commander) {
    const QStringList& ranks = RankTexts();
    const QString rank = commander.rank && *commander.rank >= 0 && *commander.rank < ranks.size()
                             ? ranks[*commander.rank]
                             : QStringLiteral(u"－");
    return rank + u" Lv" + QString::number(commander.level) + u" 勲章" +
           QString::number(commander.decoration) + u" 搭載解除" + QString::number(commander.skill);
}

FormationComparison CompareFormations(const FormationState& current, const QString& baseCapacity,
                                      const std::optional<SavedFormation>& slot,
                                      const clsMsData& catalogue) {
    FormationComparison comparison;
    std::array<Column, kCompareSideCount> sides;
    sides[0] = Describe(current, baseCapacity, catalogue);
    if (slot) {
        // The slot's rows as loading it would make them.
        const std::vector<FormationRow> rows = RebuildRows(catalogue, slot->lists).rows;
        sides[1] = Describe({rows, current.commander}, baseCapacity, catalogue);
        if (slot->commander)
            sides[2] = Describe({rows, *slot->commander}, baseCapacity, catalogue);
        else
            At(sides[2], CompareRow::Commander) = QStringLiteral(u"指揮官の記録なし");

        QStringList parts;
        const QStringList currentOnly = Surplus(current.rows, rows);
        const QStringList slotOnly = Surplus(rows, current.rows);
        if (!currentOnly.isEmpty()) parts.append(u"現在のみ: " + currentOnly.join(u", "));
        if (!slotOnly.isEmpty()) parts.append(u"スロットのみ: " + slotOnly.join(u", "));
        comparison.unitsOnOneSide = parts.join(u"　");
    }
    for (int r = 0; r < kCompareRowCount; ++r) {
        for (int s = 0; s < kCompareSideCount; ++s) {
            const QString& cell = sides[std::size_t(s)][std::size_t(r)];
            comparison.cells[std::size_t(r)][std::size_t(s)] = cell;
            comparison.differs[std::size_t(r)][std::size_t(s)] =
                s > 0 && r != int(CompareRow::Commander) && !cell.isEmpty() &&
                cell != sides[0][std::size_t(r)];
        }
    }
    return comparison;
}

}  // namespace velmora
