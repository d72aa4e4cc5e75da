#include "support/ProgramFolder.h"

namespace velmora::test {

UnitLine ProgramUnit(const QString& msNo, const QString& army, const QString& name,
                     const QString& weight) {
    return UnitLine({{Col::MsNo, msNo},
                     {Col::Army, army},
                     {Col::Name, name},
                     {Col::EquipCode, QStringLiteral(u"00")},
                     {Col::Picture, QStringLiteral(u"ms/ts_01_0.img")},
                     {Col::Tec, QStringLiteral(u"1")},
                     {Col::Weight, weight},
                     {Col::Armor, QStringLiteral(u"10")},
                     {Col::Away, QStringLiteral(u"15")},
                     {Col::Preemptive, QStringLiteral(u"10")},
                     {Col::Supply, QStringLiteral(u"40")},
                     {Col::Repair, QStringLiteral(u"150")}})
        .Weapon(0, {QStringLiteral(u"ライフル"), QStringLiteral(u"実弾"), QStringLiteral(u"30"),
                    QStringLiteral(u"×2"), QStringLiteral(u"5"), QStringLiteral(u"10"),
                    QStringLiteral(u"5"), QStringLiteral(u"nd"), QStringLiteral(u"×"),
                    QStringLiteral(u"－")});
}

QByteArray SettingsBytes(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) text += line + u"\r\n";
    return Cp932(text);
}

QString MakeInstallFolder(const TestFolder& folder) {
    folder.Write(QStringLiteral(u"game/Image/Ms_status/ts_01_0.img"), QByteArray(152, '\0'));
    folder.Write(QStringLiteral(u"game/Image/MsLFace/face.img"), QByteArray(152, '\0'));
    return folder.FilePath(QStringLiteral(u"game"));
}

}  // namespace velmora::test
