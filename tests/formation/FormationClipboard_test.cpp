#include "formation/FormationClipboard.h"

#include "FormationFixtures.h"
#include "catalogue/clsMsData.h"
#include "formation/FormationRows.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// The pasted lists as the four list fields of a formation text, to compare at a glance.
std::optional<QString> Pasted(const QString& text) {
    const std::optional<FormationLists> lists = PastedFormationLists(text);
    return lists ? std::optional<QString>(lists->Joined()) : std::nullopt;
}

using test::FormationUnit;
using test::LoadedCatalogue;

const QString kLine = S(u"デフォルト編成\t02.03 09:05\tA,B\t1,0\t5,0\t2,0");

TEST(FormationClipboard, Text_readableLinesThenTheStoredLine) {
    const clsMsData catalogue = LoadedCatalogue(
        {FormationUnit(S(u"A"), S(u"ヴェルデ"))
             .Set(test::Col::Shield, S(u"○"))
             .Set(1, test::WeaponCol::Name, S(u"ビームライフル")),
         FormationUnit(S(u"B"), S(u"ザルガ")).Set(test::Col::Category, S(u"一機"))});
    const std::vector<FormationRow> rows = {
        RebuiltRow(catalogue, S(u"A"), S(u"1"), S(u"5"), S(u"2")),
        RebuiltRow(catalogue, S(u"B"), S(u"0"), S(u"0"), S(u"0"))};
    const Commander commander{2, 30, 5, 1};
    const FormationResult result = CalcFormationRules(commander, S(u"99"), rows, catalogue);

    const QStringList lines =
        FormationClipboardText(rows, catalogue, commander, result, kLine).split(u'\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], S(u"1. ヴェルデ　MS番号 A　盾 1（盾あり）　改造 5（ＨＰ↑ 回避↓）　"
                          u"武器 2（ビームライフル）　搭載 20　ＨＰ 124　装甲 10　回避 22　先制 20　"
                          u"移動 地3　制限 量産"));
    EXPECT_EQ(lines[1], S(u"2. ザルガ　MS番号 B　盾 0（盾なし）　改造 0（デフォルト）　"
                          u"武器 0（武器なし）　搭載 20　ＨＰ 100　装甲 10　回避 30　先制 20　"
                          u"移動 地3　制限 一機"));
    EXPECT_EQ(lines[2], S(u"階級 大尉　レベル 30　勲章 5　搭載解除 1"));
    EXPECT_EQ(lines[3], S(u"搭載 40 / 84　修理 320　一機制限 1　制限機 0"));
    EXPECT_EQ(lines[4], S(u"残り搭載 44"));
    EXPECT_EQ(lines[5], kLine);
    EXPECT_TRUE(lines[6].startsWith(S(u"VELMORA1-"))) << lines[6].toStdString();
    EXPECT_FALSE(lines.mid(0, 5).join(QString()).contains(u'\t'));

    // Text taken back gives the lists of the code, with the commander.
    EXPECT_EQ(Pasted(lines.join(u'\n')), S(u"A,B\t1,0\t5,0\t2,0"));
    EXPECT_EQ(ParsePastedFormation(lines.join(u'\n'))->commander, commander);
}

TEST(FormationClipboard, Paste_takesABareLineASavedEntryOrTheLastFormationLine) {
    EXPECT_EQ(Pasted(kLine), S(u"A,B\t1,0\t5,0\t2,0"));
    EXPECT_EQ(Pasted(S(u"No3=旧編成\t01.15 20:30\tC\t0\t0\t1\r\n")),
              S(u"C\t0\t0\t1"));
    EXPECT_EQ(Pasted(S(u"  defaultformation = ") + kLine + S(u"  ")),
              S(u"A,B\t1,0\t5,0\t2,0"));
    // A comment with "=" in a bare line: only the lists count.
    EXPECT_EQ(Pasted(S(u"a=b\tx\tD\t0\t0\t0")), S(u"D\t0\t0\t0"));
    // An empty formation keeps its empty lists.
    EXPECT_EQ(Pasted(S(u"デフォルト編成\t02.03 09:05\t\t\t\t\r\n")), S(u"\t\t\t"));
    // Fields after the sixth are not used; the last formation line of several wins.
    EXPECT_EQ(Pasted(kLine + S(u"\r\nx\ty\tE\t1\t2\t3\textra\r\nおわり")),
              S(u"E\t1\t2\t3"));
}

TEST(FormationClipboard, Paste_rubbishOrListsOfUnequalLength_isNoFormation) {
    for (const QString& text : {QString(), S(u"こんにちは"), S(u"a\tb\tc\td\te"), S(u"No1="),
                                S(u"c\ts\tA,B\t0\t0,0\t0,0"), S(u"c\ts\tA\t0\t0\t\t")}) {
        EXPECT_EQ(Pasted(text), std::nullopt) << text.toStdString();
    }
}

}  // namespace
}  // namespace velmora
