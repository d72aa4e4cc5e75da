#include "support/UnitLine.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace velmora::test {

UnitLine::UnitLine(std::initializer_list<std::pair<Col, QString>> columns)
    : fields_(int(Col::Count), QStringLiteral(u"nd")) {
    const std::pair<Col, QString> ordinary[] = {
        {Col::MsNo, QStringLiteral(u"MS-01")},
        {Col::Army, QStringLiteral(u"EFSF")},
        {Col::Name, QStringLiteral(u"試験機")},
        {Col::Unread3, QStringLiteral(u"x")},
        {Col::EquipCode, QStringLiteral(u"0000000")},
        {Col::Picture, QStringLiteral(u"ms/ts_01_a.img")},
        {Col::Tec, QStringLiteral(u"Ａ")},
        {Col::Weight, QStringLiteral(u"12")},
        {Col::Hp, QStringLiteral(u"300")},
        {Col::Armor, QStringLiteral(u"20")},
        {Col::Away, QStringLiteral(u"30")},
        {Col::Preemptive, QStringLiteral(u"40")},
        {Col::Move, QStringLiteral(u"地上3")},
        {Col::Supply, QStringLiteral(u"5")},
        {Col::Unread14, QString()},
        {Col::Category, QStringLiteral(u"－")},
        {Col::Repair, QStringLiteral(u"100")},
        {Col::Shield, QStringLiteral(u"－")},
    };
    for (const auto& [column, text] : ordinary) Set(column, text);
    for (const auto& [column, text] : columns) Set(column, text);
}

UnitLine& UnitLine::Set(Col column, const QString& text) {
    fields_[int(column)] = text;
    return *this;
}

UnitLine& UnitLine::Set(int k, WeaponCol column, const QString& text) {
    fields_[WeaponColumnIndex(k, column)] = text;
    return *this;
}

UnitLine& UnitLine::Weapon(int k, const QStringList& columns) {
    for (int o = 0; o < columns.size(); ++o) Set(k, WeaponCol(o), columns[o]);
    return *this;
}

QString CatalogueText(const QStringList& unitLines) {
    QString text = QStringLiteral(u"MS番号,軍,名前\r\n");
    for (const QString& line : unitLines) text += line + QStringLiteral(u"\r\n");
    return text;
}

QByteArray CatalogueBytes(const QStringList& unitLines) { return Cp932(CatalogueText(unitLines)); }

clsMsData LoadedCatalogue(const QStringList& unitLines) {
    clsMsData catalogue;
    const Status loaded = catalogue.LoadFromBytes(CatalogueBytes(unitLines));
    EXPECT_TRUE(loaded.ok()) << loaded.message().toStdString();
    return catalogue;
}

typMsData LoadOne(const QString& unitLine) {
    const clsMsData catalogue = LoadedCatalogue({unitLine});
    EXPECT_EQ(catalogue.UnitCount(), 1);
    return catalogue.UnitCount() == 1 ? catalogue.Record(1) : typMsData();
}

std::vector<typMsData> AllRecords(const clsMsData& catalogue) {
    std::vector<typMsData> records;
    for (int row = 1; row <= catalogue.UnitCount(); ++row) records.push_back(catalogue.Record(row));
    return records;
}

}  // namespace velmora::test
