#pragma once

#include "catalogue/CatalogueLine.h"
#include "catalogue/UnitRecord.h"
#include "catalogue/clsMsData.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>
#include <vector>

// Catalogue text for tests: one builder of unit lines, addressed by the parser's own column
// names, and the catalogue files and catalogues made of such lines.
namespace velmora::test {

using Col = CatalogueColumn;
using WeaponCol = WeaponColumn;

// One unit line of exactly 88 fields. It starts as an ordinary unit: MS-01, EFSF, 試験機,
// equipment code 0000000, picture ms/ts_01_a.img, TEC Ａ, load 12, HP 300, armour 20, evasion
// 30, pre-emption 40, 地上3, supply 5, mass production ("－"), repair 100, every weapon column
// "nd" and no shield ("－"). Tests replace the columns they are about.
class UnitLine {
public:
    UnitLine(std::initializer_list<std::pair<Col, QString>> columns = {});

    UnitLine& Set(Col column, const QString& text);
    UnitLine& Set(int k, WeaponCol column, const QString& text);
    // Replaces the first columns of weapon k (0 to 6) in column order, name first.
    UnitLine& Weapon(int k, const QStringList& columns);

    QString Text() const { return fields_.join(u','); }
    operator QString() const { return Text(); }

private:
    QStringList fields_;
};

// A whole catalogue text: a header line, then the given lines, each ended by CR LF.
QString CatalogueText(const QStringList& unitLines);

// The same as unitdata.csv bytes, in code page 932 as the game writes them.
QByteArray CatalogueBytes(const QStringList& unitLines);

// A catalogue of the given lines, loaded as the program loads unitdata.csv; fails the calling
// test when it does not load.
clsMsData LoadedCatalogue(const QStringList& unitLines);

// The record that one unit line loads to; fails the calling test when it does not load.
typMsData LoadOne(const QString& unitLine);

// The full records of rows 1 to n, in row order.
std::vector<typMsData> AllRecords(const clsMsData& catalogue);

}  // namespace velmora::test
