#include "formation/FormationClipboard.h"

#include "catalogue/NumberText.h"
#include "catalogue/clsMsData.h"
#include "formation/FormationRows.h"
#include "formation/FormationText.h"
#include "formation/ShareCode.h"
#include "rules/Reconstruct.h"

#include <QRegularExpression>
#include <QStringList>

namespace velmora {

namespace {

const QString& Gap() {
    static const QString gap = QStringLiteral(u"　");
    return gap;
}

QString OrDash(const QString& text) { return text.isEmpty() ? QStringLiteral(u"－") : text; }

QString ShieldWords(const QString& cell) {
    return num::Whole(num::Val(cell)) != 0 ? QStringLiteral(u"盾あり") : QStringLiteral(u"盾なし");
}

QString ModificationWords(const QString& cell) {
    const QStringList& texts = ModificationTexts();
    const double code = num::Whole(num::Val(cell));
    for (int i = 0; i < texts.size(); ++i) {
        if (code == i) return texts[i];
    }
    return OrDash(cell);
}

QString WeaponWords(const FormationRow& row, const clsMsData& catalogue) {
    const double equipped = num::Val(row[FormationColumn::Weapon]);
    const typMsData* unit = catalogue.FindMsData(row[FormationColumn::MsNo]);
    for (int t = 1; unit && t <= kWeaponCount; ++t) {
        if (equipped == t) return OrDash(unit->Weapon[std::size_t(t - 1)].Name);
    }
    return QStringLiteral(u"武器なし");
}

QString ChoiceWords(const QString& label, const QString& cell, const QString& words) {
    return label + u' ' + cell + u"（" + words + u"）";
}

QString UnitLine(int number, const FormationRow& row, const clsMsData& catalogue) {
    const QStringList parts = {
        QString::number(number) + u". " + OrDash(row[FormationColumn::Name]),
        u"MS番号 " + OrDash(row[FormationColumn::MsNo]),
        ChoiceWords(QStringLiteral(u"盾"), row[FormationColumn::Shield],
                    ShieldWords(row[FormationColumn::Shield])),
        ChoiceWords(QStringLiteral(u"改造"), row[FormationColumn::Modification],
                    ModificationWords(row[FormationColumn::Modification])),
        ChoiceWords(QStringLiteral(u"武器"), row[FormationColumn::Weapon],
                    WeaponWords(row, catalogue)),
        u"搭載 " + row[FormationColumn::Weight],
        u"ＨＰ " + row[FormationColumn::Hp],
        u"装甲 " + row[FormationColumn::Armor],
        u"回避 " + row[FormationColumn::Away],
        u"先制 " + row[FormationColumn::Preemptive],
        u"移動 " + row[FormationColumn::Move],
        u"制限 " + OrDash(row[FormationColumn::Category]),
    };
    return parts.join(Gap());
}

// Blanks and a carriage return around a line; tabs stay, since empty lists end in them.
QString TrimmedLine(const QString& line) {
    qsizetype begin = 0;
    qsizetype end = line.size();
    const auto blank = [](QChar c) { return c == u' ' || c == u'\r' || c == u'\u3000'; };
    while (begin < end && blank(line[begin])) ++begin;
    while (end > begin && blank(line[end - 1])) --end;
    return line.mid(begin, end - begin);
}

// Whole lists of equal length whose choices are whole numbers.
bool IsWhole(const FormationLists& lists) {
    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]+$"));
    const qsizetype units = lists.msNos.size();
    if (lists.shields.size() != units || lists.modifications.size() != units ||
        lists.weapons.size() != units)
        return false;
    for (const QStringList* list : {&lists.shields, &lists.modifications, &lists.weapons}) {
        for (const QString& entry : *list) {
            if (!whole.match(entry).hasMatch()) return false;
        }
    }
    return true;
}

std::optional<PastedFormation> Accepted(PastedFormation pasted) {
    if (!IsWhole(pasted.lists)) return std::nullopt;
    return pasted;
}

// A stored formation text line, its tabs kept.
std::optional<PastedFormation> TabbedLine(QString line) {
    line = TrimmedLine(line);
    // "No3=..." or "defaultformation=...": the key goes, as the settings reader drops it.
    const qsizetype tab = line.indexOf(u'\t');
    const qsizetype equals = line.indexOf(u'=');
    if (equals >= 0 && (tab < 0 || equals < tab)) line = TrimmedLine(line.mid(equals + 1));
    if (line.count(u'\t') < 5) return std::nullopt;
    return Accepted({ListsOfFormationText(line), CommanderOfFormationText(line)});
}

// A stored formation text line whose tabs became blanks: the stamp, four lists and perhaps the
// commander field after it. An empty list leaves no trace then, so only lists with entries
// are taken.
std::optional<PastedFormation> BlankedLine(const QString& line) {
    static const QRegularExpression fields(QStringLiteral(
        "(?:^|[ \\t\\x{3000}=])[0-9]{2}\\.[0-9]{2}[ \\t\\x{3000}]+[0-9]{2}:[0-9]{2}"
        "[ \\t\\x{3000}]+([^ \\t\\x{3000}]+)[ \\t\\x{3000}]+([^ \\t\\x{3000}]+)"
        "[ \\t\\x{3000}]+([^ \\t\\x{3000}]+)[ \\t\\x{3000}]+([^ \\t\\x{3000}]+)"
        "(?:[ \\t\\x{3000}]+([0-9]+,[0-9]+,[0-9]+,[0-9]+))?(?:[ \\t\\x{3000}\\r].*)?$"));
    const QRegularExpressionMatch match = fields.match(line);
    if (!match.hasMatch()) return std::nullopt;
    PastedFormation pasted{{SplitList(match.captured(1)), SplitList(match.captured(2)),
                            SplitList(match.captured(3)), SplitList(match.captured(4))},
                           std::nullopt};
    if (match.hasCaptured(5)) pasted.commander = ParseCommanderField(match.captured(5));
    return Accepted(pasted);
}

// The last run of readable unit lines "1. ", "2. ", ... with their MS numbers and choices.
std::optional<PastedFormation> ReadableLines(const QStringList& lines) {
    static const QRegularExpression unit(QStringLiteral(
        "^[>＞ \\t\\x{3000}]*([0-9]+)\\. .*?[ \\t\\x{3000}]MS番号 ([^ \\t\\x{3000}]+)"
        "[ \\t\\x{3000}]+盾 ([^ \\t\\x{3000}（]+).*?[ \\t\\x{3000}]改造 ([^ \\t\\x{3000}（]+)"
        ".*?[ \\t\\x{3000}]武器 ([^ \\t\\x{3000}（]+)"));
    std::optional<FormationLists> last;
    std::optional<FormationLists> run;
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = unit.match(line);
        const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
        if (number == 1 || !run || number != run->msNos.size() + 1) {
            // Any other line ends a run.
            if (run && !run->msNos.isEmpty()) last = run;
            run.reset();
            if (number != 1) continue;
            run = FormationLists();
        }
        const QString msNo = match.captured(2);
        run->msNos.append(msNo == u"－" ? QString() : msNo);
        run->shields.append(match.captured(3));
        run->modifications.append(match.captured(4));
        run->weapons.append(match.captured(5));
    }
    if (run && !run->msNos.isEmpty()) last = run;
    if (!last) return std::nullopt;
    return Accepted({*last, std::nullopt});
}

}  // namespace

QString FormationClipboardText(const std::vector<FormationRow>& rows, const clsMsData& catalogue,
                               const Commander& commander, const FormationResult& result,
                               const QString& formationLine) {
    QStringList lines;
    for (std::size_t k = 0; k < rows.size(); ++k)
        lines.append(UnitLine(int(k) + 1, rows[k], catalogue));

    const QStringList& ranks = RankTexts();
    const QString rank = commander.rank && *commander.rank >= 0 && *commander.rank < ranks.size()
                             ? ranks[*commander.rank]
                             : QStringLiteral(u"－");
    lines.append(QStringList{u"階級 " + rank, u"レベル " + QString::number(commander.level),
                             u"勲章 " + QString::number(commander.decoration),
                             u"搭載解除 " + QString::number(commander.skill)}
                     .join(Gap()));
    lines.append(QStringList{u"搭載 " + result.load + u" / " + result.capacity,
                             u"修理 " + result.repair,
                             u"一機制限 " + QString::number(result.oneUnit),
                             u"制限機 " + QString::number(result.limited)}
                     .join(Gap()));
    lines.append(result.verdict);
    lines.append(formationLine);
    lines.append(
        EncodeShareCode({SplitFormationText(formationLine)[0], ListsOfRows(rows),
                         commander.rank ? std::optional<Commander>(commander) : std::nullopt}));
    return lines.join(u'\n');
}

std::optional<PastedFormation> ParsePastedFormation(const QString& text) {
    if (std::optional<SharedFormation> shared = FindShareCode(text)) {
        if (std::optional<PastedFormation> pasted = Accepted({shared->lists, shared->commander}))
            return pasted;
    }
    const QStringList lines = text.split(u'\n');
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (std::optional<PastedFormation> pasted = TabbedLine(*line)) return pasted;
        if (std::optional<PastedFormation> pasted = BlankedLine(*line)) return pasted;
    }
    return ReadableLines(lines);
}

std::optional<FormationLists> PastedFormationLists(const QString& text) {
    const std::optional<PastedFormation> pasted = ParsePastedFormation(text);
    return pasted ? std::optional<FormationLists>(pasted->lists) : std::nullopt;
}

}  // namespace velmora
