#include "catalogue/clsMsData.h"

#include "catalogue/TextCodec.h"
#include "support/FailingDevice.h"
#include "support/QtPrinters.h"
#include "support/TestFolder.h"
#include "support/UnitLine.h"
#include "support/TestText.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>

namespace velmora::test {
namespace {

QString FixturePath(const char* name) {
    return QString::fromUtf8(VELMORA_TEST_DATA "/catalogue/") + QString::fromLatin1(name);
}

QString FieldFailure(int line, int fields) {
    return S(u"インデックスが有効範囲にありません。\nunitdata.csv の %1 行目の項目が %2 "
             u"個しかありません（88 個必要です）。")
        .arg(line)
        .arg(fields);
}

// --- Reading the file --------------------------------------------------------------------

TEST(CatalogueFile, NotLoadedYetHasCountZeroAndNoRows) {
    clsMsData catalogue;
    EXPECT_EQ(catalogue.Count(), 0);
    EXPECT_EQ(catalogue.UnitCount(), 0);
    EXPECT_TRUE((catalogue.UnitCount() == 0));
}

TEST(CatalogueFile, MissingFileGivesCountMinusOne) {
    TestFolder folder;
    clsMsData catalogue;
    const Status status = catalogue.SetDataSource(folder.FilePath(S(u"unitdata.csv")));
    EXPECT_TRUE(status.ok());
    EXPECT_EQ(catalogue.Count(), -1);
    EXPECT_TRUE((catalogue.UnitCount() == 0));
}

TEST(CatalogueFile, FolderInPlaceOfTheFileCountsAsMissing) {
    TestFolder folder;
    folder.MakeFolder(S(u"unitdata.csv"));
    clsMsData catalogue;
    EXPECT_TRUE(catalogue.SetDataSource(folder.FilePath(S(u"unitdata.csv"))).ok());
    EXPECT_EQ(catalogue.Count(), -1);
}

TEST(CatalogueFile, EmptyFileGivesCountMinusOne) {
    TestFolder folder;
    clsMsData catalogue;
    EXPECT_TRUE(catalogue.SetDataSource(folder.Write(S(u"unitdata.csv"), QByteArray())).ok());
    EXPECT_EQ(catalogue.Count(), -1);
    EXPECT_TRUE((catalogue.UnitCount() == 0));
    EXPECT_TRUE(catalogue.LoadFromBytes(QByteArray("\xEF\xBB\xBF")).ok());
    EXPECT_EQ(catalogue.Count(), -1);
}

TEST(CatalogueFile, UnreadableFileFailsNamingIt) {
    TestFolder folder;
    const QString path = folder.Write(S(u"unitdata.csv"), Cp932(CatalogueText({UnitLine()})));
    clsMsData catalogue;
    ASSERT_TRUE(catalogue.SetDataSource(path).ok());  // a failed read must empty it again
    ASSERT_EQ(catalogue.UnitCount(), 1);

    UnreadableDevice file;
    const Status status = catalogue.SetDataSource(file, path);
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(S(u"unitdata.csv"))) << status.message().toStdString();
    EXPECT_TRUE(status.message().contains(S(u"Input/output error")));
    EXPECT_EQ(catalogue.Count(), -1);
    EXPECT_TRUE((catalogue.UnitCount() == 0));
}

TEST(CatalogueFile, Utf16FileWithEitherMarkLoadsLikeCodePage932) {
    const QString text =
        CatalogueText({UnitLine({{Col::MsNo, S(u"U1")}, {Col::Name, S(u"ヴェルデ")}}), QString(),
                       UnitLine({{Col::MsNo, S(u"U2")}})});
    for (const TextEncoding encoding : {TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
        clsMsData catalogue;
        ASSERT_TRUE(catalogue.LoadFromBytes(*EncodeText(text, encoding)).ok());
        EXPECT_EQ(catalogue.UnitCount(), 2);
        EXPECT_EQ(catalogue.GetMsData(S(u"U1")).MsName, S(u"ヴェルデ"));
        EXPECT_EQ(catalogue.FindMsData(S(u"U2"))->MsNo, S(u"U2"));
    }
}

TEST(CatalogueFile, ReadErrorFailsNamingTheFile) {
    // A file that opens but cannot be read from its start: the process's own memory file.
    const QString path = QStringLiteral(u"/proc/self/mem");
    if (!QFileInfo(path).isFile()) GTEST_SKIP() << "no file that fails while reading";
    clsMsData catalogue;
    const Status status = catalogue.SetDataSource(path);
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(QDir::toNativeSeparators(path)))
        << status.message().toStdString();
    EXPECT_EQ(catalogue.Count(), -1);
}

TEST(CatalogueFile, HeaderOnlyLoadsNoRowAtAll) {
    clsMsData catalogue;
    EXPECT_TRUE(catalogue.LoadFromBytes(Cp932(CatalogueText({}))).ok());
    EXPECT_EQ(catalogue.Count(), 1);
    EXPECT_EQ(catalogue.UnitCount(), 0);
    EXPECT_TRUE((catalogue.UnitCount() == 0));
    EXPECT_EQ(catalogue.GetMsData(QString()), typMsData());
    EXPECT_EQ(catalogue.get配備名(0), QString());
}

TEST(CatalogueFile, FirstLineIsSkippedEvenWhenItHoldsAUnit) {
    const QString first = UnitLine({{Col::MsNo, S(u"FIRST")}});
    const QString second = UnitLine({{Col::MsNo, S(u"SECOND")}});
    clsMsData catalogue;
    EXPECT_TRUE(catalogue.LoadFromBytes(Cp932(first + S(u"\r\n") + second)).ok());
    EXPECT_EQ(catalogue.Count(), 2);
    ASSERT_EQ(catalogue.UnitCount(), 1);
    EXPECT_EQ(catalogue.Record(1).MsNo, S(u"SECOND"));
    EXPECT_EQ(catalogue.FindMsData(S(u"FIRST")), nullptr);
}

TEST(CatalogueFile, EmptyLinesAreCountedButLoadNoRow) {
    const QString text = S(u"header\r\n\r\n") + UnitLine({{Col::MsNo, S(u"A")}}).Text() +
                         S(u"\r\n\r\n\r\n") + UnitLine({{Col::MsNo, S(u"B")}}).Text() +
                         S(u"\r\n\r\n");
    clsMsData catalogue;
    EXPECT_TRUE(catalogue.LoadFromBytes(Cp932(text)).ok());
    EXPECT_EQ(catalogue.Count(), 7);
    ASSERT_EQ(catalogue.UnitCount(), 2);
    EXPECT_EQ(catalogue.Record(0), typMsData());
    EXPECT_EQ(catalogue.Record(1).MsNo, S(u"A"));
    EXPECT_EQ(catalogue.Record(2).MsNo, S(u"B"));
}

// Nothing is set aside per line before the lines are read: 16 MiB of line feeds once asked
// for a unit record per line and ended the program.
TEST(CatalogueFile, SixteenMebibytesOfEmptyLinesLoadNoUnit) {
    clsMsData catalogue;
    EXPECT_TRUE(catalogue.LoadFromBytes(QByteArray(16 * 1024 * 1024, '\n')).ok());
    EXPECT_EQ(catalogue.Count(), 16 * 1024 * 1024);
    EXPECT_EQ(catalogue.UnitCount(), 0);
}

TEST(CatalogueFile, LastLineWithoutLineEndIsRead) {
    clsMsData catalogue;
    EXPECT_TRUE(catalogue.LoadFromBytes(Cp932(S(u"header\n") + UnitLine().Text())).ok());
    EXPECT_EQ(catalogue.Count(), 2);
    EXPECT_EQ(catalogue.UnitCount(), 1);
}

TEST(CatalogueFile, EncodingsAndLineEndsGiveTheSameRecords) {
    const QString text =
        CatalogueText({UnitLine({{Col::Name, S(u"ザルガ～改")}, {Col::Category, S(u"－")}}),
                       UnitLine({{Col::MsNo, S(u"MS-02")}, {Col::Shield, S(u"盾あり")}})});
    QString lf = text;
    lf.replace(S(u"\r\n"), S(u"\n"));
    clsMsData cp932, utf8, utf8Bom, cp932Lf;
    ASSERT_TRUE(cp932.LoadFromBytes(Cp932(text)).ok());
    ASSERT_TRUE(utf8.LoadFromBytes(text.toUtf8()).ok());
    ASSERT_TRUE(utf8Bom.LoadFromBytes(QByteArray("\xEF\xBB\xBF") + text.toUtf8()).ok());
    ASSERT_TRUE(cp932Lf.LoadFromBytes(Cp932(lf)).ok());
    ASSERT_EQ(cp932.UnitCount(), 2);
    EXPECT_EQ(cp932.Record(1).MsName, S(u"ザルガ～改"));
    EXPECT_EQ(cp932.Record(1).Restriction, S(u"量産機"));
    EXPECT_EQ(AllRecords(cp932), AllRecords(utf8));
    EXPECT_EQ(AllRecords(cp932), AllRecords(utf8Bom));
    EXPECT_EQ(AllRecords(cp932), AllRecords(cp932Lf));
    EXPECT_EQ(cp932.Count(), cp932Lf.Count());
}

TEST(CatalogueFile, FixtureFilesOfBothEncodingsLoadAlike) {
    clsMsData cp932, utf8;
    ASSERT_TRUE(cp932.SetDataSource(FixturePath("unitdata_cp932_crlf.csv")).ok());
    ASSERT_TRUE(utf8.SetDataSource(FixturePath("unitdata_utf8_lf.csv")).ok());
    EXPECT_EQ(cp932.Count(), 5);
    EXPECT_EQ(utf8.Count(), 5);
    ASSERT_EQ(cp932.UnitCount(), 3);
    EXPECT_EQ(AllRecords(cp932), AllRecords(utf8));

    const typMsData gm = cp932.GetMsData(S(u"VD-79"));
    EXPECT_EQ(gm.MsName, S(u"ヴェルデ"));
    EXPECT_EQ(gm.Restriction, S(u"量産機"));
    EXPECT_EQ(gm.ImageBase, S(u"vd_79"));
    EXPECT_EQ(gm.Weapon[0].Shots, S(u"2"));
    EXPECT_EQ(gm.Weapon[1].Power, S(u"40"));
    EXPECT_EQ(gm.Weapon[1].AwayLoad, S(u"4"));
    EXPECT_EQ(gm.Weapon[2].Option, S(u"1"));
    EXPECT_EQ(gm.Shield, S(u"○"));
    EXPECT_EQ(gm.Away, S(u"27"));
    EXPECT_EQ(gm.Preemptive, S(u"28"));

    const typMsData zarga = cp932.GetMsData(S(u"ZL-06"));
    EXPECT_EQ(zarga.MsName, S(u"ザルガ～改"));
    EXPECT_EQ(zarga.MoveArea, S(u"宇宙"));
    EXPECT_EQ(zarga.Restriction, S(u"一機・ＮＴ"));
    EXPECT_EQ(zarga.Weight, S(u"99"));
    EXPECT_EQ(zarga.Weapon[0].Name, S(u"マシンガン2"));
    EXPECT_EQ(zarga.Weapon[0].Range4, S(u"--"));

    const typMsData prototype = cp932.Record(3);
    EXPECT_EQ(prototype.MsName, S(u"\"試作\""));
    EXPECT_EQ(prototype.Army, 2);
    EXPECT_EQ(prototype.Restriction, S(u"限定生産"));
    EXPECT_EQ(prototype.Hp, QString());
}

// --- Damaged lines -----------------------------------------------------------------------

TEST(CatalogueDamage, ExactlyEightyEightFieldsLoad) {
    const QString unit = UnitLine();
    EXPECT_EQ(unit.count(u','), 87);
    clsMsData catalogue;
    EXPECT_TRUE(catalogue.LoadFromBytes(Cp932(CatalogueText({unit}))).ok());
    EXPECT_EQ(catalogue.UnitCount(), 1);
}

TEST(CatalogueDamage, EightySevenFieldsStopTheLoadNamingTheLine) {
    const QString good = UnitLine();
    const QString shortLine = good.left(good.lastIndexOf(u','));
    clsMsData catalogue;
    const Status status = catalogue.LoadFromBytes(Cp932(
        S(u"header\r\n") + good + S(u"\r\n\r\n") + shortLine + S(u"\r\n") + good + S(u"\r\n")));
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.message(), FieldFailure(4, 87));
    // Rows loaded before the bad line are not kept.
    EXPECT_TRUE((catalogue.UnitCount() == 0));
    EXPECT_EQ(catalogue.GetMsData(S(u"MS-01")), typMsData());
}

TEST(CatalogueDamage, BlankOnlyLineIsNotEmptyAndFails) {
    clsMsData catalogue;
    const Status status = catalogue.LoadFromBytes(Cp932(CatalogueText({UnitLine(), S(u"  ")})));
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.message(), FieldFailure(3, 1));
}

TEST(CatalogueDamage, FailedFileLoadNamesTheFile) {
    TestFolder folder;
    const QString path = folder.Write(S(u"catalogue.csv"), Cp932(CatalogueText({S(u"a,b,c")})));
    clsMsData catalogue;
    const Status status = catalogue.SetDataSource(path);
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(S(u"catalogue.csv の 2 行目の項目が 3 個しかありません")))
        << status.message().toStdString();
}

TEST(CatalogueDamage, FailedReloadEmptiesAnEarlierCatalogue) {
    clsMsData catalogue;
    ASSERT_TRUE(catalogue.LoadFromBytes(Cp932(CatalogueText({UnitLine()}))).ok());
    ASSERT_EQ(catalogue.UnitCount(), 1);
    EXPECT_FALSE(catalogue.LoadFromBytes(Cp932(CatalogueText({S(u"x")}))).ok());
    EXPECT_TRUE((catalogue.UnitCount() == 0));
    EXPECT_EQ(catalogue.FindMsData(S(u"MS-01")), nullptr);
}

TEST(CatalogueDamage, ReloadReplacesTheWholeCatalogue) {
    clsMsData catalogue;
    ASSERT_TRUE(catalogue
                    .LoadFromBytes(Cp932(CatalogueText(
                        {UnitLine({{Col::MsNo, S(u"A")}}), UnitLine({{Col::MsNo, S(u"B")}})})))
                    .ok());
    ASSERT_TRUE(
        catalogue.LoadFromBytes(Cp932(CatalogueText({UnitLine({{Col::MsNo, S(u"C")}})}))).ok());
    EXPECT_EQ(catalogue.UnitCount(), 1);
    EXPECT_EQ(catalogue.FindMsData(S(u"A")), nullptr);
    EXPECT_EQ(catalogue.FindMsData(S(u"B")), nullptr);
    EXPECT_NE(catalogue.FindMsData(S(u"C")), nullptr);
}

// --- Queries -----------------------------------------------------------------------------

class CatalogueQueries : public ::testing::Test {
protected:
    void SetUp() override {
        const Status status = catalogue.LoadFromBytes(Cp932(CatalogueText({
            UnitLine({{Col::MsNo, S(u"Z-1")}, {Col::Army, S(u"ZEON")}, {Col::Name, S(u"first")}}),
            UnitLine({{Col::MsNo, S(u"E-1")}, {Col::Army, S(u"EFSF")}}),
            UnitLine({{Col::MsNo, S(u"z-1")}, {Col::Army, S(u"zeon")}}),
            UnitLine({{Col::MsNo, S(u"Z-1")}, {Col::Army, S(u"EFSF")}, {Col::Name, S(u"second")}}),
            UnitLine(
                {{Col::MsNo, QString()}, {Col::Army, QString()}, {Col::Name, S(u"no number")}}),
            UnitLine({{Col::MsNo, S(u"X-1")}, {Col::EquipCode, S(u"0034")}}),
        })));
        ASSERT_TRUE(status.ok()) << status.message().toStdString();
    }
    clsMsData catalogue;
};

TEST_F(CatalogueQueries, FactionMarks) {
    EXPECT_EQ(catalogue.get配備名(1), S(u"ジ"));
    EXPECT_EQ(catalogue.get配備名(2), S(u"連"));
    EXPECT_EQ(catalogue.get配備名(3), QString());
    EXPECT_EQ(catalogue.get配備名(5), QString());
    EXPECT_EQ(catalogue.get配備名(-1), QString());
    EXPECT_EQ(catalogue.get配備名(7), QString());
}

TEST_F(CatalogueQueries, DuplicateNumbersGiveTheFirstLine) {
    EXPECT_EQ(catalogue.GetMsData(S(u"Z-1")).MsName, S(u"first"));
    ASSERT_NE(catalogue.FindMsData(S(u"Z-1")), nullptr);
    EXPECT_EQ(*catalogue.FindMsData(S(u"Z-1")), catalogue.Record(1));
    // The record found stays where it is until the next load.
    EXPECT_EQ(catalogue.FindMsData(S(u"Z-1")), catalogue.FindMsData(S(u"Z-1")));
}

TEST_F(CatalogueQueries, NumbersCompareExactly) {
    EXPECT_EQ(catalogue.GetMsData(S(u"z-1")).Army, 2);
    EXPECT_EQ(catalogue.FindMsData(S(u"Z-1 ")), nullptr);
    EXPECT_EQ(catalogue.FindMsData(S(u"Ｚ-1")), nullptr);
}

TEST_F(CatalogueQueries, UnknownOrEmptyNumberGivesTheEmptyRecord) {
    for (const QString& msNo : {S(u"NOPE"), QString()}) {
        const typMsData unit = catalogue.GetMsData(msNo);
        EXPECT_EQ(unit, typMsData());
        EXPECT_EQ(unit.Weapon[0].Name, QString());
        EXPECT_EQ(unit.Weapon[0].Range1, QString());
        EXPECT_EQ(catalogue.FindMsData(msNo), nullptr);
    }
}

TEST_F(CatalogueQueries, CopiesAreIndependentOfTheCatalogue) {
    typMsData copy = catalogue.GetMsData(S(u"X-1"));
    ASSERT_EQ(copy.Weapon[0].Equipped, S(u"0"));
    copy.Weapon[0].Equipped = S(u"1");
    copy.Away = S(u"99");
    copy.HpPlus = 5;
    const typMsData again = catalogue.GetMsData(S(u"X-1"));
    EXPECT_EQ(again.Weapon[0].Equipped, S(u"0"));
    EXPECT_EQ(again.Away, S(u"30"));
    EXPECT_EQ(again.HpPlus, 0);
    EXPECT_EQ(again, catalogue.Record(6));
}

}  // namespace
}  // namespace velmora::test
