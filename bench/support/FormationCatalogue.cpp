#include "support/FormationCatalogue.h"

#include "catalogue/CatalogueLine.h"

#include <QStringList>

namespace velmora::bench {

QByteArray FormationCatalogue(int units) {
    QStringList lines = {QStringLiteral("header")};
    for (int unit = 0; unit < units; ++unit) {
        QStringList fields(int(CatalogueColumn::Count), QStringLiteral("nd"));
        const auto set = [&fields](CatalogueColumn column, const QString& text) {
            fields[int(column)] = text;
        };
        set(CatalogueColumn::MsNo, QString::number(unit));
        set(CatalogueColumn::Army, QStringLiteral("EFSF"));
        set(CatalogueColumn::Name, QStringLiteral(u"ヴェルデ") + QString::number(unit));
        set(CatalogueColumn::EquipCode, QStringLiteral("0300000"));
        set(CatalogueColumn::Weight, QString::number(1 + unit % 30));
        set(CatalogueColumn::Hp, QString::number(100 + unit % 50 * 10));
        set(CatalogueColumn::Move, QStringLiteral(u"地上3"));
        set(CatalogueColumn::Category,
            unit % 9 == 0 ? QStringLiteral(u"一機") : QStringLiteral(u"－"));
        set(CatalogueColumn::Repair, QStringLiteral("30"));
        set(CatalogueColumn::Shield, unit % 2 ? QStringLiteral(u"○") : QStringLiteral(u"－"));
        lines << fields.join(u',');
    }
    return "\xEF\xBB\xBF" + lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

}  // namespace velmora::bench
