#include "formation/FormationModel.h"

#include "FormationFixtures.h"

#include <gtest/gtest.h>
#include <QAbstractItemModelTester>
#include <QSignalSpy>

namespace velmora {
namespace {

FormationRow NumberedRow(const QString& name) {
    FormationRow row;
    for (int c = 0; c < kFormationColumnCount; ++c) row[c] = QString::number(c);
    row[FormationColumn::Name] = name;
    return row;
}

Qt::Alignment AlignmentOf(const QVariant& value) { return Qt::Alignment(value.toInt()); }

class FormationModelTest : public ::testing::Test {
protected:
    FormationModel model_;
    QAbstractItemModelTester tester_{&model_,
                                     QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(FormationModelTest, Layout_headersWidthsAndHiddenColumns) {
    EXPECT_EQ(model_.columnCount(), 18);
    EXPECT_EQ(model_.rowCount(), 0);
    const QStringList headers{QString(),
                              QStringLiteral(u"機体名称"),
                              QStringLiteral(u"搭載"),
                              QStringLiteral(u"ＨＰ"),
                              QStringLiteral(u"装甲"),
                              QStringLiteral(u"回避"),
                              QStringLiteral(u"先制"),
                              QStringLiteral(u"移動"),
                              QString(),
                              QStringLiteral(u"制限"),
                              QString(),
                              QStringLiteral(u"低HP"),
                              QStringLiteral(u"高HP"),
                              QStringLiteral(u"強MS"),
                              QStringLiteral(u"支援"),
                              QStringLiteral(u"盾"),
                              QStringLiteral(u"改造"),
                              QStringLiteral(u"武器")};
    for (int c = 0; c < 18; ++c)
        EXPECT_EQ(model_.headerData(c, Qt::Horizontal).toString(), headers[c]) << c;

    QList<int> hidden;
    for (int c = 0; c < 18; ++c)
        if (FormationModel::ColumnWidthTwips(c) == 0) hidden.append(c);
    EXPECT_EQ(hidden, (QList<int>{0, 8, 10, 15, 16, 17}));
    EXPECT_EQ(FormationModel::ColumnWidthTwips(Col(FormationColumn::Name)), 2715);
    EXPECT_EQ(FormationModel::ColumnWidthTwips(Col(FormationColumn::Support)), 540);
}

TEST_F(FormationModelTest, Alignments_nameLeft_moveCategoryAndMarksCentred_numbersRight) {
    model_.AppendRow(NumberedRow(QStringLiteral("Unit")));
    const auto cell = [&](int c) {
        return AlignmentOf(model_.data(model_.index(0, c), Qt::TextAlignmentRole));
    };
    EXPECT_EQ(cell(Col(FormationColumn::Name)), Qt::AlignLeft | Qt::AlignVCenter);
    for (const FormationColumn c :
         {FormationColumn::Move, FormationColumn::Category, FormationColumn::LowHp,
          FormationColumn::HighHp, FormationColumn::Strong, FormationColumn::Support})
        EXPECT_EQ(cell(Col(c)), Qt::AlignHCenter | Qt::AlignVCenter) << Col(c);
    EXPECT_EQ(cell(Col(FormationColumn::Hp)), Qt::AlignRight | Qt::AlignVCenter);

    const auto header = [&](int c) {
        return AlignmentOf(model_.headerData(c, Qt::Horizontal, Qt::TextAlignmentRole));
    };
    for (int c = Col(FormationColumn::Weight); c <= Col(FormationColumn::Move); ++c)
        EXPECT_EQ(header(c), Qt::AlignHCenter | Qt::AlignVCenter) << c;
    EXPECT_EQ(header(Col(FormationColumn::Category)), Qt::AlignLeft | Qt::AlignVCenter);
}

TEST_F(FormationModelTest, AppendSetRemoveClear_keepRowsInOrder) {
    model_.AppendRow(NumberedRow(QStringLiteral("first")));
    model_.AppendRow(NumberedRow(QStringLiteral("second")));
    model_.AppendRow(NumberedRow(QStringLiteral("third")));
    EXPECT_EQ(model_.data(model_.index(1, Col(FormationColumn::Name))).toString(),
              QStringLiteral("second"));

    QSignalSpy changed(&model_, &QAbstractItemModel::dataChanged);
    model_.SetCell(2, Col(FormationColumn::LowHp), QStringLiteral(u"○"));
    model_.SetCell(2, Col(FormationColumn::LowHp), QStringLiteral(u"○"));  // unchanged: no signal
    model_.SetCell(5, Col(FormationColumn::LowHp), QStringLiteral("x"));   // outside: ignored
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(model_.Cell(2, Col(FormationColumn::LowHp)), QStringLiteral(u"○"));

    model_.RemoveRow(1);
    model_.RemoveRow(7);
    ASSERT_EQ(model_.rowCount(), 2);
    EXPECT_EQ(model_.Cell(1, Col(FormationColumn::Name)), QStringLiteral("third"));
    EXPECT_EQ(model_.Cell(9, Col(FormationColumn::Name)), QString());

    model_.Clear();
    EXPECT_EQ(model_.rowCount(), 0);
    EXPECT_TRUE(model_.Rows().empty());
}

}  // namespace
}  // namespace velmora
