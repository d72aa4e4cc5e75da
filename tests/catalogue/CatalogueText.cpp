#include "CatalogueText.h"

#include "catalogue/clsMsData.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace velmora::test {

QString UnitLine(const Overrides& overrides) {
    QStringList fields = {
        QStringLiteral(u"MS-01"), QStringLiteral(u"EFSF"),    QStringLiteral(u"試験機"),
        QStringLiteral(u"x"),     QStringLiteral(u"0000000"), QStringLiteral(u"ms/ts_01_a.img"),
        QStringLiteral(u"Ａ"),    QStringLiteral(u"12"),      QStringLiteral(u"300"),
        QStringLiteral(u"20"),    QStringLiteral(u"30"),      QStringLiteral(u"40"),
        QStringLiteral(u"地上3"), QStringLiteral(u"5"),       QString(),
        QStringLiteral(u"－"),    QStringLiteral(u"100")};
    while (fields.size() < 87) fields.append(QStringLiteral(u"nd"));
    fields.append(QStringLiteral(u"－"));
    for (const auto& [column, text] : overrides) fields[column] = text;
    return fields.join(u',');
}

Overrides Weapon(int k, const QStringList& tenColumns) {
    Overrides out;
    for (int o = 0; o < tenColumns.size(); ++o) out.emplace_back(17 + 10 * k + o, tenColumns[o]);
    return out;
}

QString CatalogueText(const QStringList& unitLines) {
    QString text = QStringLiteral(u"MS番号,軍,名前\r\n");
    for (const QString& line : unitLines) text += line + QStringLiteral(u"\r\n");
    return text;
}

typMsData LoadOne(const QString& unitLine) {
    clsMsData catalogue;
    const Status status = catalogue.LoadFromBytes(Cp932(CatalogueText({unitLine})));
    EXPECT_TRUE(status.ok()) << status.message().toStdString();
    EXPECT_EQ(catalogue.UnitCount(), 1);
    return catalogue.UnitCount() == 1 ? catalogue.MsDataList()[1] : typMsData();
}

}  // namespace velmora::test
