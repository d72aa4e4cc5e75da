#include "detail/WeaponTableModel.h"
#include "widgets/Twips.h"

#include <gtest/gtest.h>
#include <QAbstractItemModelTester>

namespace velmora {
namespace {

using Model = WeaponTableModel;

typWeapon Weapon(const QString& power, const QString& shots) {
    typWeapon weapon;
    weapon.Power = power;
    weapon.Shots = shots;
    weapon.Range1 = QStringLiteral(u"5");
    weapon.Range2 = QStringLiteral(u"--");
    weapon.Range3 = QStringLiteral(u"-1");
    weapon.Range4 = QStringLiteral(u"0");
    return weapon;
}

TEST(WeaponTableModel, CellTextsShowPowerShotsTotalAndSignedRanges) {
    const typWeapon rifle = Weapon(QStringLiteral(u"120"), QStringLiteral(u"2"));
    EXPECT_EQ(Model::CellText(rifle, Model::Column::Power), u"120x2");
    EXPECT_EQ(Model::CellText(rifle, Model::Column::Total), u"240");
    EXPECT_EQ(Model::CellText(rifle, Model::Column::Range1), u"+5");
    EXPECT_EQ(Model::CellText(rifle, Model::Column::Range2), u"--");
    EXPECT_EQ(Model::CellText(rifle, Model::Column::Range3), u"+-1");
    EXPECT_EQ(Model::CellText(rifle, Model::Column::Range4), u"+0");

    const typWeapon none = Weapon(QStringLiteral(u"0"), QStringLiteral(u"3"));
    EXPECT_EQ(Model::CellText(none, Model::Column::Power), u"0x3");
    EXPECT_EQ(Model::CellText(none, Model::Column::Total), u"--");
    EXPECT_EQ(
        Model::CellText(Weapon(QStringLiteral(u"1.5"), QStringLiteral(u"3")), Model::Column::Total),
        u"4.5");
}

TEST(WeaponTableModel, LayoutHeadersLabelsAndTintsAsDesigned) {
    Model model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(model.rowCount(), 7);
    ASSERT_EQ(model.columnCount(), 14);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), u"");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), u"武器名");
    EXPECT_EQ(model.headerData(13, Qt::Horizontal).toString(), u"属性");
    EXPECT_EQ(model.headerData(10, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignVCenter | Qt::AlignRight));
    EXPECT_EQ(model.headerData(3, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignVCenter | Qt::AlignHCenter));
    EXPECT_EQ(model.data(model.index(0, 1), Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignVCenter | Qt::AlignLeft));
    EXPECT_EQ(TwipsToPixels(Model::ColumnWidthTwips(1)), 156);
    EXPECT_EQ(Model::ColumnWidthTwips(11), 0);
    EXPECT_EQ(model.data(model.index(6, 0)).toString(), u"武器Ｇ");

    std::array<typWeapon, kWeaponCount> weapons;
    weapons[1] = Weapon(QStringLiteral(u"80"), QStringLiteral(u"1"));
    weapons[1].Equipped = QStringLiteral(u"1");
    model.SetWeapons(weapons);
    EXPECT_EQ(model.Text(1, Col(Model::Column::Equipped)), u"1");
    model.SetTints({false, true});
    EXPECT_EQ(model.data(model.index(1, 13), Qt::BackgroundRole).value<QColor>(),
              QColor(196, 220, 253));
    EXPECT_EQ(model.data(model.index(2, 1), Qt::BackgroundRole).value<QColor>(),
              QColor(255, 255, 255));
    EXPECT_FALSE(model.data(model.index(1, 0), Qt::BackgroundRole).isValid());

    model.ClearData();
    EXPECT_EQ(model.Text(1, Col(Model::Column::Label)), u"武器Ｂ");
    EXPECT_EQ(model.Text(1, Col(Model::Column::Power)), u"");
}

}  // namespace
}  // namespace velmora
