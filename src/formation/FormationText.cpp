#include "formation/FormationText.h"

namespace velmora {

namespace {

constexpr int kFields = 6;
constexpr int kCommanderField = 6;

// A whole number in the range, written with digits alone.
std::optional<int> InRange(const QString& text, CommanderRange range) {
    if (text.isEmpty() || text.size() > 9) return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
    }
    const int value = text.toInt();
    if (value < range.lowest || value > range.highest) return std::nullopt;
    return value;
}

}  // namespace

QStringList SplitList(const QString& list) {
    return list.isEmpty() ? QStringList() : list.split(u',');
}

QString FormationLists::Joined() const {
    return msNos.join(u',') + u'\t' + shields.join(u',') + u'\t' + modifications.join(u',') +
           u'\t' + weapons.join(u',');
}

FormationLists FormationLists::Parse(const QString& fourFields) {
    QStringList fields = fourFields.split(u'\t');
    while (fields.size() < 4) fields.append(QString());
    return {SplitList(fields[0]), SplitList(fields[1]), SplitList(fields[2]), SplitList(fields[3])};
}

QString FormatStamp(const QDateTime& when) { return when.toString(QStringLiteral("MM.dd HH:mm")); }

QString MakeFormationText(const QString& comment, const QDateTime& when,
                          const FormationLists& lists, const std::optional<Commander>& commander) {
    QString text = comment + u'\t' + FormatStamp(when) + u'\t' + lists.Joined();
    if (commander && commander->rank) text += u'\t' + CommanderField(*commander);
    return text;
}

QString CommanderField(const Commander& commander) {
    if (!commander.rank) return QString();
    return QStringList{QString::number(*commander.rank), QString::number(commander.level),
                       QString::number(commander.decoration), QString::number(commander.skill)}
        .join(u',');
}

std::optional<Commander> ParseCommanderField(const QString& field) {
    const QStringList parts = field.trimmed().split(u',');
    if (parts.size() != 4) return std::nullopt;
    const std::optional<int> rank = InRange(parts[0], kRankRange);
    const std::optional<int> level = InRange(parts[1], kLevelRange);
    const std::optional<int> decoration = InRange(parts[2], kDecorationRange);
    const std::optional<int> skill = InRange(parts[3], kSkillRange);
    if (!rank || !level || !decoration || !skill) return std::nullopt;
    return Commander{rank, *level, *decoration, *skill};
}

std::optional<Commander> CommanderOfFormationText(const QString& text) {
    const QStringList fields = text.split(u'\t');
    if (fields.size() <= kCommanderField) return std::nullopt;
    return ParseCommanderField(fields[kCommanderField]);
}

QStringList SplitFormationText(const QString& text) {
    QStringList fields = text.split(u'\t');
    while (fields.size() < kFields) fields.append(QString());
    return fields.mid(0, kFields);
}

FormationLists ListsOfFormationText(const QString& text) {
    const QStringList fields = SplitFormationText(text);
    return {SplitList(fields[2]), SplitList(fields[3]), SplitList(fields[4]), SplitList(fields[5])};
}

}  // namespace velmora
