#include "formation/FormationText.h"

namespace velmora {

namespace {

constexpr int kFields = 6;

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
                          const FormationLists& lists) {
    return comment + u'\t' + FormatStamp(when) + u'\t' + lists.Joined();
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
