#include "formation/SaveSlots.h"

#include "catalogue/NumberText.h"
#include "catalogue/clsMsData.h"
#include "system/SettingsFile.h"

namespace velmora {

FormationLists SaveSlots::Slot::Lists() const {
    return {SplitList(msNos), SplitList(shields), SplitList(modifications), SplitList(weapons)};
}

bool SaveSlots::Slot::IsFree() const {
    return comment.isEmpty() && stamp.isEmpty() && msNos.isEmpty() && shields.isEmpty() &&
           modifications.isEmpty() && weapons.isEmpty() && !commander;
}

SaveSlots SaveSlots::Read(const SettingsFile& settings) {
    SaveSlots read;
    for (int n = 1; n <= kCount; ++n) {
        const QString value = settings.Read(SectionName(), KeyName(n));
        if (value.isEmpty()) continue;
        const QStringList f = SplitFormationText(value);
        read.slots_[n - 1] =
            Slot{f[0], f[1], f[2], f[3], f[4], f[5], CommanderOfFormationText(value)};
    }
    return read;
}

const SaveSlots::Slot& SaveSlots::At(int slot) const {
    static const Slot kFree;
    return slot >= 1 && slot <= kCount ? slots_[slot - 1] : kFree;
}

Status SaveSlots::Store(SettingsFile& settings, int slot, const QString& comment,
                        const QDateTime& when, const FormationLists& lists,
                        const std::optional<Commander>& commander) {
    if (slot < 1 || slot > kCount)
        return Status::Fail(QStringLiteral(u"登録先の番号が正しくありません。"));
    if (!IsStorableComment(comment))
        return Status::Fail(QStringLiteral(u"このコメントは登録できません。"));
    return settings.Write(MakeFormationText(comment, when, lists, commander), SectionName(),
                          KeyName(slot));
}

bool SaveSlots::IsStorableComment(const QString& comment) {
    if (comment.contains(u'\t') || comment.contains(u'\r') || comment.contains(u'\n')) return false;
    for (const QChar c : comment) {
        if (c != u' ') return true;
    }
    return false;
}

double SaveSlots::TotalLoad(const QString& msNos, const clsMsData& catalogue) {
    double total = 0;
    for (const QString& msNo : SplitList(msNos)) {
        if (msNo.isEmpty()) continue;
        const typMsData* unit = catalogue.FindMsData(msNo);
        total = num::Whole(total + (unit ? num::Val(unit->Weight) : 0.0));
    }
    return total;
}

QStringList SaveSlots::UnitNames(const QString& msNos, const clsMsData& catalogue) {
    QStringList names;
    for (const QString& msNo : SplitList(msNos)) {
        const typMsData* unit = msNo.isEmpty() ? nullptr : catalogue.FindMsData(msNo);
        names.append(unit ? unit->MsName : QString());
    }
    return names;
}

const QString& SaveSlots::SectionName() { return FormationSettings::SlotSection(); }

QString SaveSlots::KeyName(int slot) { return FormationSettings::SlotKey(slot); }

}  // namespace velmora
