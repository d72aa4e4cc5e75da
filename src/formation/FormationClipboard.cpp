#include "formation/FormationClipboard.h"

#include "catalogue/NumberText.h"
#include "catalogue/clsMsData.h"
#include "formation/FormationText.h"
#include "rules/Reconstruct.h"

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

QString UnitLine(int number, const FormationRow& row, const clsMsData& catalogue) {
    const QStringList parts = {
        QString::number(number) + u". " + OrDash(row[FormationColumn::Name]),
        u"搭載 " + row[FormationColumn::Weight],
        u"ＨＰ " + row[FormationColumn::Hp],
        u"装甲 " + row[FormationColumn::Armor],
        u"回避 " + row[FormationColumn::Away],
        u"先制 " + row[FormationColumn::Preemptive],
        u"移動 " + row[FormationColumn::Move],
        u"制限 " + OrDash(row[FormationColumn::Category]),
        ShieldWords(row[FormationColumn::Shield]),
        ModificationWords(row[FormationColumn::Modification]),
        WeaponWords(row, catalogue),
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

std::optional<FormationLists> ListsOfLine(QString line) {
    line = TrimmedLine(line);
    // "No3=..." or "defaultformation=...": the key goes, as the settings reader drops it.
    const qsizetype tab = line.indexOf(u'\t');
    const qsizetype equals = line.indexOf(u'=');
    if (equals >= 0 && (tab < 0 || equals < tab)) line = TrimmedLine(line.mid(equals + 1));
    if (line.count(u'\t') < 5) return std::nullopt;

    FormationLists lists = ListsOfFormationText(line);
    const qsizetype units = lists.msNos.size();
    if (lists.shields.size() != units || lists.modifications.size() != units ||
        lists.weapons.size() != units)
        return std::nullopt;
    return lists;
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
    return lines.join(u'\n');
}

std::optional<FormationLists> PastedFormationLists(const QString& text) {
    const QStringList lines = text.split(u'\n');
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (std::optional<FormationLists> lists = ListsOfLine(*line)) return lists;
    }
    return std::nullopt;
}

}  // namespace velmora
