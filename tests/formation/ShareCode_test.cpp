#include "formation/ShareCode.h"

#include "FormationFixtures.h"
#include "catalogue/clsMsData.h"
#include "formation/FormationClipboard.h"
#include "formation/FormationRows.h"
#include "rules/Reconstruct.h"
#include "support/TestText.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QRegularExpression>

namespace velmora {
namespace {

using test::FormationUnit;
using test::LoadedCatalogue;

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
