#include "browser/MsListFilter.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

const QString kRen = QStringLiteral(u"連");
const QString kZi = QStringLiteral(u"ジ");

typMsData Unit(const QString& name, const QString& area = QString(),
               const QString& restriction = QString(),
               const QString& weight = QStringLiteral(u"5")) {
    typMsData unit;
    unit.MsName = name;
    unit.MoveArea = area;
    unit.Restriction = restriction;
    unit.Weight = weight;
    return unit;
}

MsListFilter With(std::initializer_list<ListToggle> on, const QString& keyword = QString()) {
    MsListFilter filter;
    filter.SetArmyIndex(2);
    for (ListToggle toggle : on) filter.SetToggle(toggle, true);
    filter.SetKeyword(keyword);
    return filter;
}

TEST(MsListFilter, FactionOptionSelectsByMarkAndAnUnmarkedRowNeverPasses) {
    const typMsData unit = Unit(QStringLiteral(u"ヴェルデ"));
    MsListFilter filter;
    const bool expected[3][3] = {{true, false, false}, {false, true, false}, {true, true, false}};
    for (int army = 0; army < 3; ++army) {
        filter.SetArmyIndex(army);
        EXPECT_EQ(filter.Passes(unit, kRen), expected[army][0]) << army;
        EXPECT_EQ(filter.Passes(unit, kZi), expected[army][1]) << army;
        EXPECT_EQ(filter.Passes(unit, QString()), expected[army][2]) << army;
    }
}

TEST(MsListFilter, TerrainTogglesAreOredAndEmptyAreaDropsOut) {
    const typMsData general = Unit(QStringLiteral(u"a"), QStringLiteral(u"万能汎用"));
    const typMsData earth = Unit(QStringLiteral(u"b"), QStringLiteral(u"地上"));
    const typMsData space = Unit(QStringLiteral(u"c"), QStringLiteral(u"宇宙"));
    const typMsData none = Unit(QStringLiteral(u"d"));

    const MsListFilter onlyGeneral = With({ListToggle::General});
    EXPECT_TRUE(onlyGeneral.Passes(general, kRen));
    EXPECT_FALSE(onlyGeneral.Passes(earth, kRen));
    EXPECT_FALSE(onlyGeneral.Passes(none, kRen));

    const MsListFilter spaceOrEarth = With({ListToggle::Space, ListToggle::Earth});
    EXPECT_TRUE(spaceOrEarth.Passes(earth, kRen));
    EXPECT_TRUE(spaceOrEarth.Passes(space, kRen));
    EXPECT_FALSE(spaceOrEarth.Passes(general, kRen));
    EXPECT_FALSE(spaceOrEarth.Passes(none, kRen));
    EXPECT_TRUE(With({}).Passes(none, kRen));
}

TEST(MsListFilter, CategoryTogglesAreOredAndNeverShowTwoUnitOrEmptyCategory) {
    const QStringList categories = {QStringLiteral(u"量産機"),
                                    QStringLiteral(u"一機制限"),
                                    QStringLiteral(u"一機・ＮＴ"),
                                    QStringLiteral(u"専用機"),
                                    QStringLiteral(u"限定生産"),
                                    QStringLiteral(u"二機制限"),
                                    QString()};
    // Which of the categories above each toggle alone lets through.
    const std::pair<ListToggle, QString> cases[] = {
        {ListToggle::MassProduction, QStringLiteral(u"1000000")},
        {ListToggle::Ace, QStringLiteral(u"0110000")},
        {ListToggle::Nt, QStringLiteral(u"0010000")},
        {ListToggle::Private, QStringLiteral(u"0001000")},
        {ListToggle::Limit, QStringLiteral(u"0000100")},
    };
    for (const auto& [toggle, pattern] : cases) {
        const MsListFilter filter = With({toggle});
        for (qsizetype i = 0; i < categories.size(); ++i) {
            const typMsData unit = Unit(QStringLiteral(u"x"), QString(), categories[i]);
            EXPECT_EQ(filter.Passes(unit, kRen), pattern[i] == u'1')
                << int(toggle) << " " << categories[i].toStdString();
        }
    }
    const MsListFilter massOrLimit = With({ListToggle::MassProduction, ListToggle::Limit});
    EXPECT_TRUE(
        massOrLimit.Passes(Unit(QStringLiteral(u"x"), {}, QStringLiteral(u"量産機")), kRen));
    EXPECT_TRUE(
        massOrLimit.Passes(Unit(QStringLiteral(u"x"), {}, QStringLiteral(u"限定生産")), kRen));
    EXPECT_FALSE(
        massOrLimit.Passes(Unit(QStringLiteral(u"x"), {}, QStringLiteral(u"二機制限")), kRen));
}

TEST(MsListFilter, GroupsStarAndKeywordAreAnded) {
    const MsListFilter filter =
        With({ListToggle::Earth, ListToggle::MassProduction, ListToggle::Star});
    const QString earth = QStringLiteral(u"地上");
    const QString mass = QStringLiteral(u"量産機");
    EXPECT_TRUE(filter.Passes(Unit(QStringLiteral(u"ザルガ☆"), earth, mass), kZi));
    EXPECT_FALSE(filter.Passes(Unit(QStringLiteral(u"ザルガ"), earth, mass), kZi));
    EXPECT_FALSE(
        filter.Passes(Unit(QStringLiteral(u"ザルガ☆"), QStringLiteral(u"宇宙"), mass), kZi));
    EXPECT_FALSE(
        filter.Passes(Unit(QStringLiteral(u"ザルガ☆"), earth, QStringLiteral(u"専用機")), kZi));
    EXPECT_FALSE(filter.Passes(Unit(QStringLiteral(u"ザルガ☆"), earth, mass), QString()));
}

TEST(MsListFilter, KeywordWordsAreAndedOverNameOrExactWeight) {
    const MsListFilter filter = With({}, QStringLiteral(u"  ザルガ 3 "));
    EXPECT_EQ(filter.Words(), QStringList({QStringLiteral(u"ザルガ"), QStringLiteral(u"3")}));
    EXPECT_TRUE(
        filter.Passes(Unit(QStringLiteral(u"ザルガII"), {}, {}, QStringLiteral(u"3")), kZi));
    EXPECT_TRUE(
        filter.Passes(Unit(QStringLiteral(u"ザルガ3型"), {}, {}, QStringLiteral(u"7")), kZi));
    EXPECT_FALSE(
        filter.Passes(Unit(QStringLiteral(u"ザルガII"), {}, {}, QStringLiteral(u"13")), kZi));
    EXPECT_FALSE(
        filter.Passes(Unit(QStringLiteral(u"グリフォン3"), {}, {}, QStringLiteral(u"3")), kZi));
}

TEST(MsListFilter, FullWidthDigitAndLettersAlsoMatchTheirHalfWidthForms) {
    const MsListFilter digit = With({}, QStringLiteral(u"３"));
    EXPECT_TRUE(
        digit.Passes(Unit(QStringLiteral(u"ヴェルデ"), {}, {}, QStringLiteral(u"3")), kRen));
    EXPECT_TRUE(
        digit.Passes(Unit(QStringLiteral(u"ヴェルデ3号機"), {}, {}, QStringLiteral(u"9")), kRen));
    EXPECT_TRUE(
        digit.Passes(Unit(QStringLiteral(u"ヴェルデ３号機"), {}, {}, QStringLiteral(u"9")), kRen));
    EXPECT_FALSE(
        digit.Passes(Unit(QStringLiteral(u"ヴェルデ"), {}, {}, QStringLiteral(u"13")), kRen));

    const MsListFilter letters = With({}, QStringLiteral(u"ＧＭ"));
    EXPECT_TRUE(letters.Passes(Unit(QStringLiteral(u"GM改"), {}, {}), kRen));
    // Comparisons are exact: case is not folded.
    EXPECT_FALSE(With({}, QStringLiteral(u"gm")).Passes(Unit(QStringLiteral(u"GM改")), kRen));
}

TEST(MsListFilter, FullWidthSpacesSeparateWordsAndAloneFilterNothing) {
    EXPECT_EQ(MsListFilter::RewriteSpaces(QStringLiteral(u"ザルガ\u3000改\u3000")),
              QStringLiteral(u"ザルガ 改 "));
    const MsListFilter spaces = With({}, QStringLiteral(u"\u3000\u3000"));
    EXPECT_TRUE(spaces.Words().isEmpty());
    EXPECT_TRUE(spaces.Passes(Unit(QStringLiteral(u"ヴェルデ")), kRen));
    const MsListFilter twoWords = With({}, QStringLiteral(u"ザルガ\u3000改"));
    EXPECT_TRUE(twoWords.Passes(Unit(QStringLiteral(u"ザルガ改")), kZi));
    EXPECT_FALSE(twoWords.Passes(Unit(QStringLiteral(u"ザルガ")), kZi));
}

}  // namespace
}  // namespace velmora
