#include "formation/ShareCode.h"

#include "formation/FormationText.h"
#include "support/TestText.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QRegularExpression>

namespace velmora {
namespace {

const SharedFormation kPlan{
    S(u"遠征 用"),
    {{S(u"001"), S(u"A-7")}, {S(u"1"), S(u"0")}, {S(u"5"), S(u"0")}, {S(u"2"), S(u"0")}},
    Commander{5, 60, 0, 2}};

TEST(ShareCode, roundTrip_onlyUrlSafeCharacters_foundInsideChatText) {
    const QString code = EncodeShareCode(kPlan);
    EXPECT_TRUE(code.startsWith(S(u"VELMORA1-")));
    EXPECT_TRUE(QRegularExpression(S(u"^[A-Za-z0-9_-]+$")).match(code).hasMatch())
        << code.toStdString();
    EXPECT_EQ(FindShareCode(code), kPlan);
    EXPECT_EQ(FindShareCode(S(u"> これ使って\r\n> ") + code + S(u"。よろしく\n次の話")), kPlan);

    SharedFormation empty{S(u"x"), {}, std::nullopt};
    EXPECT_EQ(FindShareCode(S(u"前 ") + EncodeShareCode(empty) + S(u" 後")), empty);
    // Of two codes the last one counts.
    EXPECT_EQ(FindShareCode(EncodeShareCode(empty) + u'\n' + code), kPlan);
}

TEST(ShareCode, cutOrAlteredCode_failsItsCheck) {
    const QString code = EncodeShareCode(kPlan);
    for (int cut : {1, 2, 5, 12}) EXPECT_EQ(FindShareCode(code.chopped(cut)), std::nullopt) << cut;
    for (qsizetype at : {qsizetype(9), code.size() / 2, code.size() - 1}) {
        QString altered = code;
        altered[at] = altered[at] == u'A' ? u'B' : u'A';
        EXPECT_EQ(FindShareCode(altered), std::nullopt) << at;
    }
    EXPECT_EQ(FindShareCode(S(u"VELMORA1-")), std::nullopt);
    EXPECT_EQ(FindShareCode(S(u"VELMORA2-") + code.mid(9)), std::nullopt);
}

TEST(ShareCode, commanderField_fourWholeNumbersInTheirRanges) {
    EXPECT_EQ(CommanderField({2, 30, 5, 1}), S(u"2,30,5,1"));
    EXPECT_EQ(CommanderField({std::nullopt, 30, 5, 1}), QString());
    EXPECT_EQ(ParseCommanderField(S(u"2,30,5,1")), (Commander{2, 30, 5, 1}));
    for (const char16_t* bad : {u"", u"2,30,5", u"2,30,5,1,0", u"6,30,5,1", u"2,0,5,1",
                                u"2,30,100,1", u"2,30,5,4", u"2,30,5,x", u"-1,30,5,1"})
        EXPECT_EQ(ParseCommanderField(S(bad)), std::nullopt) << S(bad).toStdString();
    // A slot text keeps the six fields a reader of the first six expects.
    const QString text = MakeFormationText(S(u"c"), QDateTime(QDate(2026, 2, 3), QTime(9, 5)),
                                           kPlan.lists, kPlan.commander);
    EXPECT_EQ(text, S(u"c\t02.03 09:05\t001,A-7\t1,0\t5,0\t2,0\t5,60,0,2"));
    EXPECT_EQ(ListsOfFormationText(text), kPlan.lists);
    EXPECT_EQ(CommanderOfFormationText(text), kPlan.commander);
    EXPECT_EQ(CommanderOfFormationText(SplitFormationText(text).join(u'\t')), std::nullopt);
}

}  // namespace
}  // namespace velmora
