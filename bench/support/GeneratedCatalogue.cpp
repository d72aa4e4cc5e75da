#include "support/GeneratedCatalogue.h"

#include "catalogue/TextCodec.h"
#include "catalogue/UnitRecord.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <stdexcept>

namespace velmora::bench {

namespace {

QString S(const char16_t* text) { return QString::fromUtf16(text); }

// The ten columns of one weapon slot.
QStringList WeaponColumns(int unit, int slot) {
    static const QStringList names = {S(u"ビームライフル"), S(u"ハイパーバズーカ"),
                                      S(u"ヒートホーク"),   S(u"マシンガン×2"),
                                      S(u"ビームサーベル"), S(u"装備を外す")};
    static const QStringList attributes = {S(u"ビーム"),   S(u"実弾"), S(u"格闘"),
                                           S(u"ミサイル"), S(u"拡散"), S(u"特殊")};
    if (slot >= 4 + unit % 3) return QStringList(10, S(u"nd"));
    const QString& base = names[(unit + slot) % names.size()];
    if (base == S(u"装備を外す")) {
        QStringList columns(9, S(u"nd"));
        columns.append(S(u"－"));
        columns[0] = base;
        return columns;
    }
    // As in a game's catalogue, a few hundred weapon names recur across the units: variants of
    // the common weapons, shared by units of one family.
    const int variant = (unit / 5 + slot * 13) % 40;
    const QString name = variant ? QStringLiteral(u"%1(%2型)").arg(base).arg(variant) : base;
    const QString detach = slot == 1 ? S(u"○") : slot == 2 ? S(u"×") : S(u"－");
    return {name,
            attributes[(unit / 3 + slot) % attributes.size()],
            QString::number(10 + (unit * 7 + slot * 3) % 90).rightJustified(2, u'0'),
            slot == 0 ? S(u"×2") : QString::number(1 + slot % 3),
            QString::number(-(slot % 3) * 5),
            S(u"0"),
            slot == 3 ? S(u"－") : QString::number(-5 - slot),
            S(u"nd"),
            unit % 4 ? S(u"×") : S(u"○"),
            detach};
}

QString UnitLine(int unit) {
    static const QStringList moves = {S(u"地上3"), S(u"宇宙4"), S(u"汎用2"), S(u"水陸3"),
                                      S(u"飛行5")};
    static const QStringList categories = {S(u"－"),   S(u"限定"), S(u"専用"),
                                           S(u"一機"), S(u"一N"),  S(u"nd")};
    QStringList fields = {QStringLiteral(u"MS-%1").arg(unit, 5, 10, QChar(u'0')),
                          unit % 3 == 0   ? S(u"EFSF")
                          : unit % 3 == 1 ? S(u"ZEON")
                                          : S(u"OTHER"),
                          QStringLiteral(u"ヴェルデ試作%1号機～改").arg(unit),
                          QStringLiteral(u"べるでしさく%1").arg(unit),
                          QStringLiteral(u"0%1%2%3000").arg(unit % 5).arg(unit % 4).arg(unit % 3),
                          QStringLiteral(u"ms/ms_%1_a.img").arg(unit),
                          S(u"Ａ"),
                          unit % 17 ? QString::number(5 + unit % 20) : S(u"nd"),
                          QString::number(200 + unit % 500),
                          QString::number(10 + unit % 30),
                          QString::number(15 + unit % 25),
                          QString::number(20 + unit % 35),
                          moves[unit % moves.size()],
                          QString::number(unit % 12),
                          S(u"nd"),
                          categories[unit % categories.size()],
                          QString::number(300 + unit % 900)};
    for (int slot = 0; slot < velmora::kWeaponCount; ++slot) fields += WeaponColumns(unit, slot);
    fields.append(unit % 2 ? S(u"盾あり") : S(u"－"));
    return fields.join(u',');
}

}  // namespace

QByteArray Catalogue(int units) {
    QString text = S(
        u"MS番号,軍,機体名,読み,装備,画像,TEC,搭載,HP,装甲,回避,先制,移動,補給,備考,区分,修理\r\n");
    for (int unit = 1; unit <= units; ++unit) text += UnitLine(unit) + S(u"\r\n");
    const auto bytes = velmora::EncodeText(text, velmora::TextEncoding::Cp932);
    if (!bytes) throw std::runtime_error("generated catalogue is not code page 932");
    return *bytes;
}

bool WriteProgramFolder(const QString& folder, int units) {
    QDir().mkpath(folder);
    QFile catalogue(folder + u"/unitdata.csv");
    QFile settings(folder + u"/setting.ini");
    const QByteArray bytes = Catalogue(units);
    const QByteArray ini("[Setting]\r\npath=\r\nclass=2\r\nlevel=30\r\ndecoration=5\r\nskill=1\r\n");
    return catalogue.open(QIODevice::WriteOnly) && catalogue.write(bytes) == bytes.size() &&
           settings.open(QIODevice::WriteOnly) && settings.write(ini) == ini.size();
}

}  // namespace velmora::bench
