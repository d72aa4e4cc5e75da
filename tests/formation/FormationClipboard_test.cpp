#include "formation/FormationClipboard.h"

#include "support/FormationFixtures.h"
#include "catalogue/clsMsData.h"
#include "formation/FormationRows.h"
#include "formation/FormationRules.h"
#include "formation/FormationText.h"
#include "rules/Reconstruct.h"
#include "support/TestText.h"

#include <gtest/gtest.h>
#include <QDateTime>

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

TEST(PastedFormation, storedLineWithBlanksForTabs_entriesAndKeys) {
    const auto pasted = [](const QString& text) { return ParsePastedFormation(text); };
    const QString line = S(u"計画 A\t02.03 09:05\t001,002\t1,0\t5,0\t2,0\t2,30,5,1");
    for (const QString& blanked :
         QStringList{QString(line).replace(u'\t', u' '), QString(line).replace(u'\t', S(u"    ")),
                     S(u"No3=") + QString(line).replace(u'\t', S(u"  ")),
                     S(u"defaultformation=") + line, S(u"> ") + line}) {
        const std::optional<PastedFormation> got = pasted(blanked);
        ASSERT_TRUE(got) << blanked.toStdString();
        EXPECT_EQ(got->lists.Joined(), S(u"001,002\t1,0\t5,0\t2,0")) << blanked.toStdString();
        EXPECT_EQ(got->commander, (Commander{2, 30, 5, 1})) << blanked.toStdString();
    }
    // Six fields: no commander; text after the lists on the same line is no commander either.
    EXPECT_EQ(pasted(S(u"c 02.03 09:05 001 0 0 1"))->commander, std::nullopt);
    EXPECT_EQ(pasted(S(u"c 02.03 09:05 001 0 0 1 よろしく"))->lists.Joined(), S(u"001\t0\t0\t1"));

    // Lists of unequal length, choices that are not whole numbers, or no stamp: nothing.
    for (const char16_t* refused :
         {u"c 02.03 09:05 001,002 0 0,0 1,1", u"c\t02.03 09:05\t001\t0\tx\t1",
          u"c 02.03 09:05 001 0 1.5 1", u"001 0 0 1", u"1. ヴェルデ　搭載 4"})
        EXPECT_EQ(pasted(S(refused)), std::nullopt) << S(refused).toStdString();
}

// Every shield, modification and weapon-row choice survives copy and paste in every form: the
// rebuilt rows have the same eighteen cells.
TEST(PastedFormation, roundTrip_everyChoice_everyForm_sameCells) {
    test::UnitLine armed = FormationUnit(S(u"10"), S(u"ヴェルデ")).Set(test::Col::Shield, S(u"○"));
    for (int k = 0; k < kWeaponCount; ++k)
        armed.Set(k, test::WeaponCol::Name, S(u"武器") + QString::number(k + 1));
    const clsMsData catalogue = LoadedCatalogue({armed, FormationUnit(S(u"20"), S(u"ザルガ"))});
    const QDateTime when(QDate(2026, 2, 3), QTime(9, 5));
    const Commander commander{3, 12, 4, 1};

    for (int shield = 0; shield <= 1; ++shield) {
        for (int modification = 0; modification < ModificationTexts().size(); ++modification) {
            for (int weapon = 0; weapon <= kWeaponCount; ++weapon) {
                const std::vector<FormationRow> rows = {
                    RebuiltRow(catalogue, S(u"10"), QString::number(shield),
                               QString::number(modification), QString::number(weapon)),
                    RebuiltRow(catalogue, S(u"20"), S(u"0"), S(u"0"), S(u"0"))};
                const QString line =
                    MakeFormationText(S(u"デフォルト編成"), when, ListsOfRows(rows));
                const QString copied = FormationClipboardText(
                    rows, catalogue, commander,
                    CalcFormationRules(commander, S(u"99"), rows, catalogue), line);
                const QStringList lines = copied.split(u'\n');
                for (const QString& form :
                     QStringList{copied, lines.last(), line, QString(line).replace(u'\t', S(u"  ")),
                                 lines.mid(0, 2).join(u'\n')}) {
                    const std::optional<PastedFormation> pasted = ParsePastedFormation(form);
                    ASSERT_TRUE(pasted) << form.toStdString();
                    EXPECT_EQ(RebuildRows(catalogue, pasted->lists).rows, rows)
                        << form.toStdString();
                }
                EXPECT_EQ(ParsePastedFormation(copied)->commander, commander);
            }
        }
    }
}

}  // namespace
}  // namespace velmora
