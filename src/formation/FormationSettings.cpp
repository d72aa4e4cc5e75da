#include "formation/FormationSettings.h"

#include "catalogue/NumberText.h"
#include "system/SettingsFile.h"

#include <array>

namespace velmora {

namespace {

// The one table of the formation's setting names, in FormationKey order.
const std::array<QString, 5>& KeyNames() {
    static const std::array<QString, 5> names{
        QStringLiteral("class"), QStringLiteral("level"), QStringLiteral("decoration"),
        QStringLiteral("skill"), QStringLiteral("defaultformation")};
    return names;
}

int InRange(const Result<int>& value, CommanderRange range) {
    return value && *value >= range.lowest && *value <= range.highest ? *value : range.lowest;
}

}  // namespace

Commander CommanderFromStored(const StoredCommander& stored) {
    Commander commander;
    commander.rank = InRange(stored.rank, kRankRange);
    commander.level = InRange(stored.level, kLevelRange);
    commander.decoration = InRange(stored.decoration, kDecorationRange);
    commander.skill = InRange(stored.skill, kSkillRange);
    return commander;
}

const QString& FormationSettings::Section() {
    static const QString section = QStringLiteral("Setting");
    return section;
}

const QString& FormationSettings::KeyName(FormationKey key) {
    return KeyNames()[std::size_t(key)];
}

const QString& FormationSettings::SlotSection() {
    static const QString section = QStringLiteral("SaveData");
    return section;
}

QString FormationSettings::SlotKey(int slot) {
    return QStringLiteral("No") + QString::number(slot);
}

Result<int> FormationSettings::WholeNumber(const QString& text) {
    return num::CheckedWholeInt(num::Val(text));
}

StoredCommander FormationSettings::ReadCommander() const {
    const auto read = [this](FormationKey key) {
        return WholeNumber(settings_.Read(Section(), KeyName(key)));
    };
    return {read(FormationKey::Rank), read(FormationKey::Level), read(FormationKey::Decoration),
            read(FormationKey::Skill)};
}

Status FormationSettings::WriteCommander(const Commander& commander) {
    if (!commander.rank || !settings_.Exists()) return Status::Ok();
    return settings_.WriteKeys(
        Section(), {
                       {KeyName(FormationKey::Rank), QString::number(*commander.rank)},
                       {KeyName(FormationKey::Level), QString::number(commander.level)},
                       {KeyName(FormationKey::Decoration), QString::number(commander.decoration)},
                       {KeyName(FormationKey::Skill), QString::number(commander.skill)},
                   });
}

std::optional<FormationLists> FormationSettings::ReadDefaultFormation() const {
    const QString text = settings_.Read(Section(), KeyName(FormationKey::DefaultFormation));
    if (text.isEmpty()) return std::nullopt;
    return ListsOfFormationText(text);
}

Status FormationSettings::WriteDefaultFormation(const FormationLists& lists,
                                                const QDateTime& when) {
    if (!settings_.Exists()) return Status::Ok();
    return settings_.Write(MakeFormationText(QStringLiteral(u"デフォルト編成"), when, lists),
                           Section(), KeyName(FormationKey::DefaultFormation));
}

}  // namespace velmora
