#include "formationpanel/FormationModel.h"

#include "support/FormationFixtures.h"
#include "catalogue/clsMsData.h"
#include "formation/Formation.h"

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
    clsMsData catalogue_;
    Formation formation_{catalogue_};
    FormationModel model_{formation_};
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
    formation_.Append(NumberedRow(QStringLiteral("Unit")));
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

TEST_F(FormationModelTest, FollowsTheDocument_rowsCellsMarkersAndTints) {
    QSignalSpy inserted(&model_, &QAbstractItemModel::rowsInserted);
    formation_.Append(NumberedRow(QStringLiteral("first")));
    formation_.Append(NumberedRow(QStringLiteral("second")));
    FormationRow heavy = NumberedRow(QStringLiteral("third"));
    heavy[FormationColumn::Weight] = QStringLiteral("30");
    formation_.Append(heavy);
    EXPECT_EQ(inserted.count(), 3);
    ASSERT_EQ(model_.rowCount(), 3);
    EXPECT_EQ(model_.data(model_.index(1, Col(FormationColumn::Name))).toString(),
              QStringLiteral("second"));
    // The markers are the rules', not the texts the rows came with.
    const auto cell = [&](int row, FormationColumn column) {
        return model_.data(model_.index(row, Col(column))).toString();
    };
    EXPECT_EQ(cell(2, FormationColumn::Strong), QStringLiteral(u"○"));
    EXPECT_EQ(cell(0, FormationColumn::Strong), QString());
    EXPECT_EQ(cell(0, FormationColumn::LowHp), QString());

    // A recompute that moves no marker and no tint repaints nothing.
    QSignalSpy changed(&model_, &QAbstractItemModel::dataChanged);
    formation_.SetCommander(test::Rank(2));
    EXPECT_TRUE(changed.isEmpty());

    formation_.Remove(1);
    ASSERT_EQ(model_.rowCount(), 2);
    EXPECT_EQ(cell(1, FormationColumn::Name), QStringLiteral("third"));

    // Two one-unit units without the skill break a rule: both names are tinted.
    FormationRow oneUnit = NumberedRow(QStringLiteral("one"));
    oneUnit[FormationColumn::Category] = QStringLiteral(u"一機");
    formation_.SetState({{oneUnit, oneUnit, NumberedRow(QStringLiteral("other"))}, test::Rank(2)});
    ASSERT_EQ(model_.rowCount(), 3);
    EXPECT_EQ(model_.data(model_.index(0, Col(FormationColumn::Name)), Qt::BackgroundRole),
              QVariant(FormationModel::TintColour()));
    // The empty catalogue holds none of them: the other rows carry the missing units' tint.
    EXPECT_EQ(model_.data(model_.index(2, Col(FormationColumn::Name)), Qt::BackgroundRole),
              QVariant(FormationModel::MissingColour()));

    // The skill makes the two legal: the rule's tints go, and the views are told.
    changed.clear();
    formation_.SetCommander(test::Rank(2, 1));
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_EQ(model_.data(model_.index(0, Col(FormationColumn::Name)), Qt::BackgroundRole),
              QVariant(FormationModel::MissingColour()));
}

}  // namespace
}  // namespace velmora
