#include "formation/SaveSlots.h"

#include "support/FormationFixtures.h"
#include "catalogue/clsMsData.h"
#include "support/TestFolder.h"
#include "support/TestText.h"
#include "system/SettingsFile.h"

#include <gtest/gtest.h>
#include <QDateTime>

namespace velmora {
namespace {

using test::Cp932;
using test::TestFolder;

// A catalogue line whose MS number, name and load weight are the ones given.
QString Unit(const QString& msNo, const QString& name, const QString& weight) {
    return test::FormationUnit(msNo, name).Set(test::Col::Weight, weight);
}

class SaveSlotsTest : public ::testing::Test {
protected:
    SettingsFile Ini(const QString& text) {
        return SettingsFile(folder_.Write(S(u"setting.ini"), Cp932(text)));
    }
    QByteArray Bytes() const { return folder_.Read(S(u"setting.ini")); }

    TestFolder folder_;
    const QDateTime when_{QDate(2026, 2, 3), QTime(9, 5)};
    const FormationLists two_{
        {S(u"A"), S(u"B")}, {S(u"0"), S(u"1")}, {S(u"0"), S(u"2")}, {S(u"1"), S(u"0")}};
};

TEST_F(SaveSlotsTest, Read_splitsEachKeyIntoSixFields_missingEmptyAndExtraDropped) {
    const SaveSlots saved = SaveSlots::Read(Ini(S(
        u"[savedata]\r\nno1=攻撃,部隊\t01.02 03:04\tA,B\t0,1\t3,0\t1,2\r\nNo2=短い\t05.06 07:08\r\n"
        u"No8=a\tb\tc\td\te\tf\tg\r\nNo9=x\tx\tX\r\n")));
    EXPECT_EQ(saved.At(1).comment, S(u"攻撃,部隊"));
    EXPECT_EQ(saved.At(1).stamp, S(u"01.02 03:04"));
    EXPECT_EQ(saved.At(1).Lists().Joined(), S(u"A,B\t0,1\t3,0\t1,2"));
    EXPECT_EQ(saved.At(2).comment, S(u"短い"));
    EXPECT_EQ(saved.At(2).Lists().Joined(), S(u"\t\t\t"));
    EXPECT_EQ(saved.At(8).Lists().Joined(), S(u"c\td\te\tf"));
    EXPECT_TRUE(saved.At(3).comment.isEmpty());
    // Numbers outside 1..8 are free saved, not a crash.
    EXPECT_TRUE(saved.At(0).comment.isEmpty());
    EXPECT_TRUE(saved.At(9).msNos.isEmpty());
}

TEST_F(SaveSlotsTest, Store_thenRead_givesTheSameSlot_andReplacesOnlyThatKey) {
    SettingsFile ini =
        Ini(S(u"[SaveData]\r\nNo3=古い\t01.01 00:00\tX\t0\t0\t0\r\nNo4=残る\t\t\t\t\t\r\n"));
    const Status stored = SaveSlots::Store(ini, 3, S(u"新しい,編成"), when_, two_);
    ASSERT_TRUE(stored.ok()) << stored.message().toStdString();
    EXPECT_EQ(ini.Read(S(u"SaveData"), S(u"No3")),
              S(u"新しい,編成\t02.03 09:05\tA,B\t0,1\t0,2\t1,0"));
    const SaveSlots saved = SaveSlots::Read(ini);
    EXPECT_EQ(saved.At(3).comment, S(u"新しい,編成"));
    EXPECT_EQ(saved.At(3).Lists().Joined(), two_.Joined());
    EXPECT_EQ(saved.At(4).comment, S(u"残る"));
}

TEST_F(SaveSlotsTest, Store_refusedSlotCommentOrCharacter_leavesFileUnchanged) {
    SettingsFile ini = Ini(S(u"[SaveData]\r\nNo1=元\t\t\t\t\t\r\n"));
    const QByteArray before = Bytes();
    EXPECT_FALSE(SaveSlots::Store(ini, 0, S(u"x"), when_, two_).ok());
    EXPECT_FALSE(SaveSlots::Store(ini, 9, S(u"x"), when_, two_).ok());
    EXPECT_FALSE(SaveSlots::Store(ini, 1, S(u"a\tb"), when_, two_).ok());
    // Code page 932 has no emoji: the file's own encoding cannot hold the comment.
    const Status emoji = SaveSlots::Store(ini, 1, S(u"😀"), when_, two_);
    EXPECT_FALSE(emoji.ok());
    EXPECT_TRUE(emoji.message().contains(S(u"文字コード"))) << emoji.message().toStdString();
    EXPECT_EQ(Bytes(), before);
}

TEST(SaveSlots, IsStorableComment_refusesWhatWouldNotReadBackTheSame) {
    EXPECT_TRUE(SaveSlots::IsStorableComment(S(u"a,b")));
    EXPECT_TRUE(SaveSlots::IsStorableComment(S(u" 先頭に空白")));
    EXPECT_TRUE(SaveSlots::IsStorableComment(S(u"　")));  // a full-width blank is kept
    EXPECT_FALSE(SaveSlots::IsStorableComment(QString()));
    // The reader trims blanks and the tab after them: the stamp would become the comment.
    EXPECT_FALSE(SaveSlots::IsStorableComment(S(u"   ")));
    EXPECT_FALSE(SaveSlots::IsStorableComment(S(u"a\tb")));
    EXPECT_FALSE(SaveSlots::IsStorableComment(S(u"a\rb")));
    EXPECT_FALSE(SaveSlots::IsStorableComment(S(u"a\nb")));
}

TEST(SaveSlots, TotalLoad_roundsHalvesToEvenAfterEachUnit_unknownAndEmptyAddNothing) {
    const clsMsData catalogue = test::LoadedCatalogue(
        {Unit(S(u"H1"), S(u"半"), S(u"1.5")), Unit(S(u"H2"), S(u"半二"), S(u"2.5")),
         Unit(S(u"W"), S(u"重"), S(u"12")), Unit(S(u"T"), S(u"文字"), S(u"abc"))});
    EXPECT_EQ(SaveSlots::TotalLoad(QString(), catalogue), 0);
    // 1.5 -> 2, 2 + 1.5 = 3.5 -> 4: a plain sum would give 3.
    EXPECT_EQ(SaveSlots::TotalLoad(S(u"H1,H1"), catalogue), 4);
    // 2.5 -> 2, 2 + 2.5 = 4.5 -> 4: a plain sum would give 5.
    EXPECT_EQ(SaveSlots::TotalLoad(S(u"H2,H2"), catalogue), 4);
    EXPECT_EQ(SaveSlots::TotalLoad(S(u"W,,NOPE,T,W"), catalogue), 24);
}

TEST(SaveSlots, UnitNames_onePerEntry_emptyForUnknownOrEmptyEntries) {
    const clsMsData catalogue = test::LoadedCatalogue(
        {Unit(S(u"A"), S(u"アルファ"), S(u"10")), Unit(S(u"B"), S(u"ベータ"), S(u"5"))});
    EXPECT_TRUE(SaveSlots::UnitNames(QString(), catalogue).isEmpty());
    EXPECT_EQ(SaveSlots::UnitNames(S(u"B,,GONE,A,B"), catalogue),
              QStringList({S(u"ベータ"), QString(), QString(), S(u"アルファ"), S(u"ベータ")}));
    EXPECT_EQ(SaveSlots::UnitNames(S(u","), catalogue), QStringList({QString(), QString()}));
}

}  // namespace
}  // namespace velmora
