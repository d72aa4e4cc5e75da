#include "ProgramFolderFixture.h"

namespace velmora::test {

QString UnitLine(const QString& msNo, const QString& army, const QString& name,
                 const QString& weight) {
    QStringList fields = {msNo,
                          army,
                          name,
                          QStringLiteral(u"-"),
                          QStringLiteral(u"00"),
                          QStringLiteral(u"ms/ts_01_0.img"),
                          QStringLiteral(u"1"),
                          weight,
                          QStringLiteral(u"300"),
                          QStringLiteral(u"10"),
                          QStringLiteral(u"15"),
                          QStringLiteral(u"10"),
                          QStringLiteral(u"地上3"),
                          QStringLiteral(u"40"),
                          QStringLiteral(u"0"),
                          QStringLiteral(u"－"),
                          QStringLiteral(u"150"),
                          QStringLiteral(u"ライフル"),
                          QStringLiteral(u"実弾"),
                          QStringLiteral(u"30"),
                          QStringLiteral(u"×2"),
                          QStringLiteral(u"5"),
                          QStringLiteral(u"10"),
                          QStringLiteral(u"5"),
                          QStringLiteral(u"nd"),
                          QStringLiteral(u"×"),
                          QStringLiteral(u"－")};
    while (fields.size() < 87) fields.append(QStringLiteral(u"nd"));
    fields.append(QStringLiteral(u"－"));
    return fields.join(u',');
}

QByteArray CatalogueBytes(const QStringList& unitLines) {
    return SettingsBytes(QStringList{QStringLiteral(u"No,軍,機体名")} + unitLines);
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
