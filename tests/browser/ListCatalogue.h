#pragma once

#include "catalogue/clsMsData.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace velmora::test {

// One catalogue line's interesting columns; the rest get plain values.
struct ListUnit {
    QString no;
    QString name;
    QString army = QStringLiteral(u"EFSF");
    QString weight = QStringLiteral(u"3");
    QString move = QStringLiteral(u"地上3");
    QString category = QStringLiteral(u"－");
    QString picture = QStringLiteral(u"ms/gm_01_02.img");
    QString shield = QStringLiteral(u"－");
};

inline QString ListLine(const ListUnit& unit) {
    QStringList fields = {unit.no,
                          unit.army,
                          unit.name,
                          QStringLiteral(u"-"),
                          QStringLiteral(u"0300000"),
                          unit.picture,
                          QStringLiteral(u"2"),
                          unit.weight,
                          QStringLiteral(u"100"),
                          QStringLiteral(u"5"),
                          QStringLiteral(u"20"),
                          QStringLiteral(u"10"),
                          unit.move,
                          QStringLiteral(u"4"),
                          QStringLiteral(u"-"),
                          unit.category,
                          QStringLiteral(u"30")};
    for (int k = 0; k < 7; ++k) {
        fields << QStringLiteral(u"なし") << QStringLiteral(u"－") << QStringLiteral(u"0")
               << QStringLiteral(u"0") << QStringLiteral(u"--") << QStringLiteral(u"--")
               << QStringLiteral(u"--") << QStringLiteral(u"--") << QStringLiteral(u"×")
               << QStringLiteral(u"－");
    }
    fields << unit.shield;
    return fields.join(u',');
}

// A loaded catalogue of these units, in this order (UTF-8 bytes, CR LF).
inline std::unique_ptr<clsMsData> ListCatalogue(const std::vector<ListUnit>& units) {
    QStringList lines = {QStringLiteral(u"header")};
    for (const ListUnit& unit : units) lines << ListLine(unit);
    auto catalogue = std::make_unique<clsMsData>();
    catalogue->LoadFromBytes((lines.join(QStringLiteral(u"\r\n")) + u"\r\n").toUtf8());
    return catalogue;
}

}  // namespace velmora::test
