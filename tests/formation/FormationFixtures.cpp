#include "FormationFixtures.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace velmora::test {

QString FormationUnitLine(const QString& msNo, const QString& name,
                          const std::map<int, QString>& columns) {
    QStringList fields(88, QStringLiteral("nd"));
    fields[0] = msNo;
    fields[1] = QStringLiteral("EFSF");
    fields[2] = name;
    fields[3] = QString();
    fields[4] = QStringLiteral("00");
    fields[5] = QStringLiteral("ms/aa_bb_cc.img");
    fields[6] = QStringLiteral("1");
    fields[7] = QStringLiteral("20");
    fields[8] = QStringLiteral("100");
    fields[9] = QStringLiteral("10");
    fields[10] = QStringLiteral("30");
    fields[11] = QStringLiteral("20");
    fields[12] = QStringLiteral(u"地上3");
    fields[13] = QStringLiteral("10");
    fields[14] = QString();
    fields[15] = QStringLiteral(u"－");
    fields[16] = QStringLiteral("10");
    fields[87] = QStringLiteral(u"－");
    for (const auto& [column, text] : columns) fields[column] = text;
    return fields.join(u',');
}

void PutWeapon(std::map<int, QString>& columns, int k, const QStringList& tenColumns) {
    for (int o = 0; o < tenColumns.size(); ++o) columns[17 + 10 * k + o] = tenColumns[o];
}

clsMsData FormationCatalogue(const QStringList& unitLines) {
    clsMsData catalogue;
    const QString text = QStringLiteral("header\r\n") + unitLines.join(QStringLiteral("\r\n")) +
                         QStringLiteral("\r\n");
    const Status loaded = catalogue.LoadFromBytes(text.toUtf8());
    EXPECT_TRUE(loaded.ok()) << loaded.message().toStdString();
    return catalogue;
}

FormationRow RuleRow(const QString& msNo, const QString& weight, const QString& hp,
                     const QString& category, const QString& repair) {
    FormationRow row;
    row[FormationColumn::MsNo] = msNo;
    row[FormationColumn::Weight] = weight;
    row[FormationColumn::Hp] = hp;
    row[FormationColumn::Category] = category;
    row[FormationColumn::Repair] = repair;
    return row;
}

}  // namespace velmora::test
