#include "system/SettingsFile.h"

#include "catalogue/TextCodec.h"

#include "support/RecordingWriter.h"
#include "support/TestFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>

namespace velmora {
namespace {

using test::Cp932;
using test::RecordingWriter;
using test::TestFolder;

const QString kName = QStringLiteral(u"setting.ini");
const QString kSetting = QStringLiteral(u"Setting");
const QString kSaveData = QStringLiteral(u"SaveData");

class SettingsFileTest : public ::testing::Test {
protected:
    SettingsFile Ini(const QByteArray& bytes) { return SettingsFile(folder_.Write(kName, bytes)); }
    QByteArray Bytes() const { return folder_.Read(kName); }

    // Writes and expects success, printing the message otherwise.
    void Store(SettingsFile& ini, const QString& value, const QString& section,
               const QString& key) {
        const Status status = ini.Write(value, section, key);
        ASSERT_TRUE(status.ok()) << status.message().toStdString();
    }

    TestFolder folder_;
};

// Reading

TEST_F(SettingsFileTest, Read_missingFileSectionOrKey_givesEmpty) {
    SettingsFile absent(folder_.FilePath(kName));
    EXPECT_FALSE(absent.Exists());
    EXPECT_EQ(absent.Read(kSetting, S(u"path")), QString());

    folder_.MakeFolder(QStringLiteral(u"folder.ini"));
    SettingsFile folderIni(folder_.FilePath(QStringLiteral(u"folder.ini")));
    EXPECT_FALSE(folderIni.Exists());
    EXPECT_EQ(folderIni.Read(kSetting, S(u"path")), QString());

    SettingsFile ini = Ini("[Setting]\r\nlevel=5\r\n");
    EXPECT_TRUE(ini.Exists());
    EXPECT_EQ(ini.Read(kSaveData, S(u"level")), QString());
    EXPECT_EQ(ini.Read(kSetting, S(u"skill")), QString());
    EXPECT_EQ(Ini(QByteArray()).Read(kSetting, S(u"level")), QString());
}

TEST_F(SettingsFileTest, Read_namesIgnoreCaseAndBlanksAroundKeysAndValuesAreTrimmed) {
    SettingsFile ini =
        Ini(Cp932(S(u"  [ setting ]  \r\n"
                    u"\tPATH  =  C:\\Game Files \t\r\n"
                    u"comment=a=b=c\r\n"
                    u"name=　大佐　\r\n")));
    EXPECT_EQ(ini.Read(kSetting, S(u"path")), S(u"C:\\Game Files"));
    EXPECT_EQ(ini.Read(S(u"SETTING"), S(u"Path")), S(u"C:\\Game Files"));
    // Only the first "=" separates the key.
    EXPECT_EQ(ini.Read(kSetting, S(u"comment")), S(u"a=b=c"));
    // A full-width space is part of the value, not a blank.
    EXPECT_EQ(ini.Read(kSetting, S(u"name")), S(u"　大佐　"));
}

TEST_F(SettingsFileTest, Read_commentsOtherSectionsAndDuplicates_firstSectionAndKeyWin) {
    SettingsFile ini =
        Ini("; level=9\r\n"
            "level=8\r\n"
            "[SaveData]\r\n"
            "level=7\r\n"
            "[Setting]\r\n"
            ";level=6\r\n"
            "not a key line\r\n"
            "level=5\r\n"
            "LEVEL=4\r\n"
            "[setting]\r\n"
            "level=3\r\n"
            "skill=2\r\n");
    EXPECT_EQ(ini.Read(kSetting, S(u"level")), S(u"5"));
    // Only the first of two equal sections is looked at, as Windows does.
    EXPECT_EQ(ini.Read(kSetting, S(u"skill")), QString());
}

TEST_F(SettingsFileTest, Read_eachEncodingAndLineEnd_decodesTheValue) {
    EXPECT_EQ(Ini(Cp932(S(u"[Setting]\r\nclass=大佐\r\n"))).Read(kSetting, S(u"class")),
              S(u"大佐"));
    EXPECT_EQ(Ini(S(u"[Setting]\nclass=大佐\n").toUtf8()).Read(kSetting, S(u"class")), S(u"大佐"));
    EXPECT_EQ(
        Ini("\xEF\xBB\xBF[Setting]\r\nclass=" + S(u"大佐").toUtf8()).Read(kSetting, S(u"class")),
        S(u"大佐"));
}

TEST_F(SettingsFileTest, WriteThenRead_longValues_comeBackWhole) {
    SettingsFile ini = Ini("[Setting]\r\n");
    const QString ascii(1200, u'7');
    const QString japanese = QString(600, u'大');
    Store(ini, ascii, kSetting, S(u"defaultformation"));
    Store(ini, japanese, kSaveData, S(u"No1"));

    EXPECT_EQ(ini.Read(kSetting, S(u"defaultformation")), ascii);
    EXPECT_EQ(ini.Read(kSaveData, S(u"No1")), japanese);
}

// Writing: where the line goes and what stays

TEST_F(SettingsFileTest, Write_existingKey_rewritesOnlyItsLineKeepingItsSpelling) {
    // Comments, unknown lines and even bytes that are not valid code page 932 stay byte for byte.
    const QByteArray head = Cp932(S(u"; 設定ファイル\r\n[Setting]\r\n")) + "junk \xFD\xFE\r\n";
    const QByteArray tail = Cp932(S(u"Level=3\r\n[Other]\r\nlevel = 4\r\n\r\n; 終わり"));
    SettingsFile ini = Ini(head + "  CLASS = 2 \r\n" + tail);

    Store(ini, S(u"5"), kSetting, S(u"class"));

    EXPECT_EQ(Bytes(), head + "CLASS=5\r\n" + tail);
}

TEST_F(SettingsFileTest, Write_newKey_goesAfterTheLastKeyOfItsSection) {
    SettingsFile ini =
        Ini("[Setting]\r\n"
            "class=1\r\n"
            "; about the slots\r\n"
            "\r\n"
            "[SaveData]\r\n"
            "No1=x\r\n"
            "\r\n");

    Store(ini, S(u"3"), S(u"setting"), S(u"level"));
    Store(ini, S(u"y"), kSaveData, S(u"No2"));

    EXPECT_EQ(Bytes(), QByteArray("[Setting]\r\n"
                                  "class=1\r\n"
                                  "level=3\r\n"
                                  "; about the slots\r\n"
                                  "\r\n"
                                  "[SaveData]\r\n"
                                  "No1=x\r\n"
                                  "No2=y\r\n"
                                  "\r\n"));
}

TEST_F(SettingsFileTest, Write_newKeyInSectionWithoutKeys_goesAfterItsLastNonBlankLine) {
    SettingsFile ini = Ini("[SaveData]\r\n; eight slots\r\n\r\n[Setting]\r\nclass=1");

    Store(ini, S(u"x"), kSaveData, S(u"No1"));
    // The last line had no line end; it gets one before the new key.
    Store(ini, S(u"2"), kSetting, S(u"level"));

    EXPECT_EQ(
        Bytes(),
        QByteArray(
            "[SaveData]\r\n; eight slots\r\nNo1=x\r\n\r\n[Setting]\r\nclass=1\r\nlevel=2\r\n"));
}

TEST_F(SettingsFileTest, Write_newSection_isAppendedAtTheEnd) {
    SettingsFile ini = Ini("[Setting]\r\nclass=1");
    Store(ini, S(u"x"), kSaveData, S(u"No3"));
    EXPECT_EQ(Bytes(), QByteArray("[Setting]\r\nclass=1\r\n[SaveData]\r\nNo3=x\r\n"));

    SettingsFile empty = Ini(QByteArray());
    Store(empty, S(u"0"), kSetting, S(u"skill"));
    EXPECT_EQ(Bytes(), QByteArray("[Setting]\r\nskill=0\r\n"));
}

TEST_F(SettingsFileTest, Write_lineEnds_followTheFile) {
    SettingsFile lf = Ini("[Setting]\nclass=1\n");
    Store(lf, S(u"2"), kSetting, S(u"class"));
    Store(lf, S(u"3"), kSetting, S(u"level"));
    Store(lf, S(u"x"), kSaveData, S(u"No1"));
    EXPECT_EQ(Bytes(), QByteArray("[Setting]\nclass=2\nlevel=3\n[SaveData]\nNo1=x\n"));

    // A mixed file goes by its first line end; the other lines keep theirs.
    SettingsFile mixed = Ini("[Setting]\nclass=1\r\n");
    Store(mixed, S(u"3"), kSetting, S(u"level"));
    EXPECT_EQ(Bytes(), QByteArray("[Setting]\nclass=1\r\nlevel=3\n"));
}

// Writing: encodings

TEST_F(SettingsFileTest, Write_cp932File_staysCp932) {
    SettingsFile ini = Ini(Cp932(S(u"; 設定\r\n[Setting]\r\nclass=1\r\n")));
    Store(ini, S(u"大佐－～"), kSetting, S(u"class"));
    EXPECT_EQ(Bytes(), Cp932(S(u"; 設定\r\n[Setting]\r\nclass=大佐－～\r\n")));
}

TEST_F(SettingsFileTest, Write_asciiOnlyFile_countsAsCp932) {
    SettingsFile ini = Ini("[Setting]\r\nclass=1\r\n");
    Store(ini, S(u"大佐"), kSaveData, S(u"No1"));
    EXPECT_EQ(Bytes(), QByteArray("[Setting]\r\nclass=1\r\n[SaveData]\r\nNo1=") +
                           Cp932(S(u"大佐")) + "\r\n");
    // Once it holds Japanese in code page 932 it reads and stays that way.
    Store(ini, S(u"中佐"), kSetting, S(u"class"));
    EXPECT_EQ(ini.Read(kSaveData, S(u"No1")), S(u"大佐"));
    EXPECT_EQ(Bytes(), Cp932(S(u"[Setting]\r\nclass=中佐\r\n[SaveData]\r\nNo1=大佐\r\n")));
}

TEST_F(SettingsFileTest, Write_utf8FileWithOrWithoutMark_staysUtf8) {
    const QByteArray bom("\xEF\xBB\xBF");
    for (const QByteArray& mark : {QByteArray(), bom}) {
        SettingsFile ini = Ini(mark + S(u"; 設定\n[Setting]\nclass=1\n").toUtf8());
        Store(ini, S(u"大佐 😀 한"), kSetting, S(u"class"));
        EXPECT_EQ(Bytes(), mark + S(u"; 設定\n[Setting]\nclass=大佐 😀 한\n").toUtf8());
    }
}

TEST_F(SettingsFileTest, Write_asciiFileGainsHalfWidthKatakana_readsBackAfterARestart) {
    const QString folder = S(u"/home/user/ﾃｽﾄ用");
    Ini("[Setting]\r\npath=\r\nclass=1\r\n");
    {
        SettingsFile first(folder_.FilePath(kName));
        Store(first, folder, kSetting, S(u"path"));
    }
    EXPECT_EQ(Bytes(), "[Setting]\r\npath=" + Cp932(folder) + "\r\nclass=1\r\n");
    SettingsFile next(folder_.FilePath(kName));
    EXPECT_EQ(next.Read(kSetting, S(u"path")), folder);
    // The file stays code page 932 from then on.
    Store(next, S(u"ﾃｽﾄ"), kSaveData, S(u"No1"));
    EXPECT_EQ(Bytes(), Cp932(S(u"[Setting]\r\npath=/home/user/ﾃｽﾄ用\r\nclass=1\r\n"
                               u"[SaveData]\r\nNo1=ﾃｽﾄ\r\n")));
}

TEST_F(SettingsFileTest, Write_utf16FileWithEitherMark_staysUtf16) {
    for (const TextEncoding encoding : {TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
        const auto utf16 = [&](const QString& text) { return *EncodeText(text, encoding); };
        SettingsFile ini =
            Ini(utf16(S(u"; 設定\r\n[Setting]\r\nclass=1\r\n"
                        u"[SaveData]\r\nNo1=編成\r\n")));
        EXPECT_EQ(ini.Read(kSetting, S(u"class")), S(u"1"));
        EXPECT_EQ(ini.Read(kSaveData, S(u"No1")), S(u"編成"));

        Store(ini, S(u"大佐 😀"), kSetting, S(u"class"));
        Store(ini, S(u"2"), kSetting, S(u"level"));
        Store(ini, S(u"x"), S(u"Other"), S(u"key"));
        EXPECT_EQ(Bytes(), utf16(S(u"; 設定\r\n[Setting]\r\nclass=大佐 😀\r\nlevel=2\r\n"
                                   u"[SaveData]\r\nNo1=編成\r\n[Other]\r\nkey=x\r\n")));
    }
}

// Replacing the file

TEST_F(SettingsFileTest, Write_sameValueAgain_leavesTheFileAlone) {
    RecordingWriter writer;
    const QByteArray before("[Setting]\r\nclass = 1\r\npath=\"C:\\Game\"\r\n");
    SettingsFile ini(folder_.Write(kName, before), writer.Writer());
    Store(ini, S(u"1"), kSetting, S(u"class"));
    Store(ini, S(u"C:\\Game"), kSetting, S(u"path"));
    EXPECT_EQ(writer.replacements, 0);
    EXPECT_EQ(Bytes(), before);
    Store(ini, S(u"2"), kSetting, S(u"class"));
    EXPECT_EQ(writer.replacements, 1);
}

TEST_F(SettingsFileTest, WriteKeys_severalKeys_inOneReplacement) {
    RecordingWriter writer;
    SettingsFile ini(folder_.Write(kName, "[Setting]\r\nlevel=1\r\n"), writer.Writer());
    const QList<SettingsEntry> commander = {{S(u"class"), S(u"5")},
                                            {S(u"level"), S(u"45")},
                                            {S(u"decoration"), S(u"0")},
                                            {S(u"skill"), S(u"3")}};
    ASSERT_TRUE(ini.WriteKeys(kSetting, commander).ok());
    EXPECT_EQ(writer.replacements, 1);
    EXPECT_EQ(Bytes(),
              QByteArray("[Setting]\r\nlevel=45\r\nclass=5\r\ndecoration=0\r\nskill=3\r\n"));
    ASSERT_TRUE(ini.WriteKeys(kSetting, commander).ok());
    EXPECT_EQ(writer.replacements, 1);
    // One key the encoding cannot hold refuses them all.
    EXPECT_FALSE(ini.WriteKeys(kSetting, {{S(u"class"), S(u"1")}, {S(u"level"), S(u"😀")}}).ok());
    EXPECT_EQ(ini.Read(kSetting, S(u"class")), S(u"5"));
}

TEST_F(SettingsFileTest, Write_fullDisk_failsAndLeavesTheFileWhole) {
    RecordingWriter writer;
    const QByteArray before = Cp932(S(u"[Setting]\r\npath=C:\\QEL\r\n[SaveData]\r\nNo1=編成\r\n"));
    SettingsFile ini(folder_.Write(kName, before), writer.Writer());
    writer.full = true;
    const Status status = ini.Write(S(u"1"), kSetting, S(u"skill"));
    ASSERT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(S(u"No space left on device")))
        << status.message().toStdString();
    EXPECT_EQ(Bytes(), before);
}

// Writing: refusals leave the file as it was

TEST_F(SettingsFileTest, Write_valueTheEncodingCannotHold_isRefusedAndFileUnchanged) {
    const QByteArray before = Cp932(S(u"[Setting]\r\nclass=大佐\r\n"));
    SettingsFile ini = Ini(before);
    for (const QString& value : {S(u"😀"), S(u"한"), S(u"大佐한")}) {
        const Status status = ini.Write(value, kSetting, S(u"class"));
        EXPECT_FALSE(status.ok());
        EXPECT_TRUE(status.message().contains(S(u"文字コード"))) << status.message().toStdString();
        EXPECT_EQ(Bytes(), before);
    }
    // A new section name is checked as well as the value.
    EXPECT_FALSE(ini.Write(S(u"1"), S(u"한"), S(u"class")).ok());
    EXPECT_EQ(Bytes(), before);
}

TEST_F(SettingsFileTest, Write_lineBreakInValueOrBrokenName_isRefusedAndFileUnchanged) {
    const QByteArray before("[Setting]\r\nclass=1\r\n");
    SettingsFile ini = Ini(before);
    EXPECT_FALSE(ini.Write(S(u"1\r\n[SaveData]"), kSetting, S(u"class")).ok());
    EXPECT_FALSE(ini.Write(S(u"1\n"), kSetting, S(u"class")).ok());
    EXPECT_FALSE(ini.Write(S(u"1"), kSetting, S(u"a=b")).ok());
    EXPECT_FALSE(ini.Write(S(u"1"), kSetting, QString()).ok());
    EXPECT_FALSE(ini.Write(S(u"1"), S(u"a]b"), S(u"class")).ok());
    EXPECT_EQ(Bytes(), before);
}

TEST_F(SettingsFileTest, Write_missingFile_failsNamingItAndCreatesNothing) {
    const QString path = folder_.FilePath(kName);
    SettingsFile ini(path);

    const Status status = ini.Write(S(u"1"), kSetting, S(u"class"));

    ASSERT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(S(u"設定ファイルが見つかりません。")));
    EXPECT_TRUE(status.message().contains(QDir::toNativeSeparators(path)));
    EXPECT_FALSE(QFileInfo::exists(path));
}

}  // namespace
}  // namespace velmora
