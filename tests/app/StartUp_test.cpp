#include "app/StartUp.h"

#include "catalogue/clsMsData.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFolder.h"
#include "support/TestText.h"
#include "system/SettingsFile.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <limits>

namespace velmora {
namespace {

using test::CatalogueBytes;
using test::ProgramUnit;
using test::ScriptedPlatform;
using test::SettingsBytes;
using test::TestFolder;

const QString kPrompt =
    S(u"QELのインストールフォルダを指定してください。\r\n"
      u"[例]\"C:\\Program Files\\Toveri\\QEL2\"");

// Pure pieces

TEST(StartUpFolderPrompt, isTheInstructionThenTheQuotedExampleOnASecondLine) {
    EXPECT_EQ(StartUp::FolderPrompt(), kPrompt);
    EXPECT_EQ(StartUp::FolderPrompt().split(S(u"\r\n")).size(), 2);
}

TEST(StartUpMissingFileMessage, namesTheFolderWhereTheFileHasToBePutOnASecondLine) {
    const QString message =
        StartUp::MissingFileMessage(S(u"機体データファイルが見つかりません。"),
                                    S(u"/home/player/.local/share/Velmora"), S(u"unitdata.csv"));
    // The folder as the system writes it (backslashes on Windows).
    EXPECT_EQ(message, S(u"機体データファイルが見つかりません。\n"
                         u"次のフォルダに unitdata.csv を置いてください：") +
                           QDir::toNativeSeparators(S(u"/home/player/.local/share/Velmora")));
}

TEST(StartUpFolderTest, onlyAFolderHoldingAnOrdinaryFileCounts) {
    TestFolder folder;
    EXPECT_FALSE(StartUp::HasOrdinaryFile(folder.FilePath(S(u"missing"))));
    folder.MakeFolder(S(u"empty"));
    EXPECT_FALSE(StartUp::HasOrdinaryFile(folder.FilePath(S(u"empty"))));
    folder.MakeFolder(S(u"folders/inner"));
    EXPECT_FALSE(StartUp::HasOrdinaryFile(folder.FilePath(S(u"folders"))));
    folder.Write(S(u"hidden/.picture.img"), "x");
    EXPECT_FALSE(StartUp::HasOrdinaryFile(folder.FilePath(S(u"hidden"))));
    const QString file = folder.Write(S(u"full/a.img"), "x");
    EXPECT_TRUE(StartUp::HasOrdinaryFile(folder.FilePath(S(u"full"))));
    EXPECT_TRUE(StartUp::HasOrdinaryFile(folder.FilePath(S(u"full/"))));
    EXPECT_FALSE(StartUp::HasOrdinaryFile(file));
}

TEST(StartUpPicturePaths, areBuiltUnderTheInstallFolder) {
    EXPECT_EQ(StartUp::StatusPicturePath(S(u"/games/QEL")), S(u"/games/QEL/Image/Ms_status/"));
    EXPECT_EQ(StartUp::FacePicturePath(S(u"/games/QEL")), S(u"/games/QEL/Image/MsLFace/"));
    // An empty setting points at the root, where the pictures are normally missing.
    EXPECT_EQ(StartUp::StatusPicturePath(QString()), S(u"/Image/Ms_status/"));
}

TEST(StartUpPicturePaths, windowsInstallFoldersOnADriveOrAShareStayWhole) {
    for (const QString& folder : {S(u"C:\\Games\\QEL"), S(u"\\\\server\\share\\QEL")}) {
        const QFileInfo picture(StartUp::StatusPicturePath(folder) + S(u"a.img"));
#ifdef Q_OS_WIN
        EXPECT_TRUE(picture.isAbsolute()) << folder.toStdString();
        EXPECT_EQ(QDir::toNativeSeparators(picture.absoluteFilePath()),
                  folder + S(u"\\Image\\Ms_status\\a.img"));
#else
        // Elsewhere a backslash is an ordinary character of a name: the path is relative.
        EXPECT_TRUE(picture.isRelative()) << folder.toStdString();
#endif
    }
}

// The start-up sequence

class StartUpTest : public ::testing::Test {
protected:
    StartUpTest() : platform_(folder_.Path()), settings_(folder_.FilePath(S(u"setting.ini"))) {}

    void WriteCatalogue() {
        folder_.Write(
            S(u"unitdata.csv"),
            CatalogueBytes({ProgramUnit(S(u"001"), S(u"EFSF"), S(u"ヴェルデ"), S(u"4"))}));
    }
    void WriteSettings(const QStringList& lines) {
        folder_.Write(S(u"setting.ini"), SettingsBytes(lines));
    }
    Result<StartUpResult> Run() { return StartUp(platform_, catalogue_, settings_).Run(nullptr); }
    // The message of a missing file, naming this test's program folder.
    QString Missing(const char16_t* notFound, const char16_t* file = u"") const {
        return StartUp::MissingFileMessage(S(notFound), QDir::toNativeSeparators(folder_.Path()),
                                           S(file));
    }
    QString PathSetting() const { return settings_.Read(S(u"Setting"), S(u"path")); }

    TestFolder folder_;
    ScriptedPlatform platform_;
    clsMsData catalogue_;
    SettingsFile settings_;
};

TEST_F(StartUpTest, catalogueMissing_showsOnlyItsMessageAndEnds) {
    // setting.ini is missing too: its message must not follow the first one.
    const auto result = Run();
    EXPECT_FALSE(result);
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].text,
              Missing(u"機体データファイルが見つかりません。", u"unitdata.csv"));
    EXPECT_EQ(platform_.messages[0].title, S(u"エラー"));
    EXPECT_EQ(platform_.messages[0].style, MsgStyle::Information);
    EXPECT_TRUE(platform_.folderPrompts.isEmpty());
    EXPECT_EQ(platform_.endProgramCalls, 0);
}

TEST_F(StartUpTest, catalogueIsAFolder_countsAsMissing) {
    folder_.MakeFolder(S(u"unitdata.csv"));
    WriteSettings({S(u"[Setting]")});
    EXPECT_FALSE(Run());
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].text,
              Missing(u"機体データファイルが見つかりません。", u"unitdata.csv"));
}

TEST_F(StartUpTest, settingsMissing_showsItsMessageAfterLoadingTheCatalogue) {
    WriteCatalogue();
    EXPECT_FALSE(Run());
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].text, Missing(u"設定ファイルが見つかりません。"));
    EXPECT_EQ(platform_.messages[0].title, S(u"エラー"));
    EXPECT_EQ(catalogue_.UnitCount(), 1);
    EXPECT_TRUE(platform_.folderPrompts.isEmpty());
}

TEST_F(StartUpTest, malformedCatalogueLine_showsAMessageNamingTheLineAndEnds) {
    QString shortLine = ProgramUnit(S(u"002"), S(u"ZEON"), S(u"ザルガ"), S(u"4"));
    shortLine.truncate(shortLine.lastIndexOf(u','));  // 87 fields
    folder_.Write(
        S(u"unitdata.csv"),
        CatalogueBytes({ProgramUnit(S(u"001"), S(u"EFSF"), S(u"ヴェルデ"), S(u"4")), shortLine}));
    WriteSettings({S(u"[Setting]")});
    EXPECT_FALSE(Run());
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_TRUE(platform_.messages[0].text.contains(S(u"unitdata.csv")));
    EXPECT_TRUE(platform_.messages[0].text.contains(S(u"3 行目")));
    EXPECT_EQ(platform_.messages[0].title, S(u"エラー"));
    EXPECT_TRUE(platform_.folderPrompts.isEmpty());
}

TEST_F(StartUpTest, picturesFound_noPromptAndThePathsComeFromTheSetting) {
    WriteCatalogue();
    const QString game = test::MakeInstallFolder(folder_);
    WriteSettings({S(u"[Setting]"), S(u"path=") + game});
    const auto result = Run();
    ASSERT_TRUE(result);
    EXPECT_TRUE(platform_.messages.empty());
    EXPECT_TRUE(platform_.folderPrompts.isEmpty());
    EXPECT_EQ(result->msStatusPath, game + S(u"/Image/Ms_status/"));
}

TEST_F(StartUpTest, installFolderInTheSystemsNotationWithAFinalSeparator_findsThePictures) {
    // Players' setting.ini files hold the folder as Windows writes it: C:\Games\QEL or C:\QEL\.
    WriteCatalogue();
    const QString game = QDir::toNativeSeparators(test::MakeInstallFolder(folder_));
    WriteSettings({S(u"[Setting]"), S(u"path=") + game + QDir::separator()});
    const auto result = Run();
    ASSERT_TRUE(result);
    EXPECT_TRUE(platform_.folderPrompts.isEmpty());
    EXPECT_TRUE(QFileInfo(result->msStatusPath + S(u"ts_01_0.img")).isFile());
}

TEST_F(StartUpTest, pathEmpty_promptsAndAnAnswerIsWrittenUnderPath) {
    WriteCatalogue();
    WriteSettings({S(u"[Setting]"), S(u"path="), S(u"class=3")});
    platform_.folderAnswers.push_back(S(u"/games/QEL2"));
    const auto result = Run();
    ASSERT_TRUE(result);
    ASSERT_EQ(platform_.folderPrompts.size(), 1);
    EXPECT_EQ(platform_.folderPrompts[0], kPrompt);
    EXPECT_EQ(PathSetting(), S(u"/games/QEL2"));
    EXPECT_EQ(result->msStatusPath, S(u"/games/QEL2/Image/Ms_status/"));
    EXPECT_EQ(settings_.Read(S(u"Setting"), S(u"class")), S(u"3"));
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(StartUpTest, promptCancelled_leavesPathAsItWasAndStartUpCompletes) {
    WriteCatalogue();
    const QByteArray before = SettingsBytes({S(u"[Setting]"), S(u"path=/nowhere/QEL")});
    folder_.Write(S(u"setting.ini"), before);
    const auto result = Run();
    ASSERT_TRUE(result);
    EXPECT_EQ(platform_.folderPrompts.size(), 1);
    EXPECT_EQ(folder_.Read(S(u"setting.ini")), before);
    EXPECT_EQ(result->msStatusPath, S(u"/nowhere/QEL/Image/Ms_status/"));
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(StartUpTest, emptyPictureFolders_countAsMissing) {
    WriteCatalogue();
    folder_.MakeFolder(S(u"game/Image/Ms_status"));
    folder_.Write(S(u"game/Image/MsLFace/face.img"), "x");
    WriteSettings({S(u"[Setting]"), S(u"path=") + folder_.FilePath(S(u"game"))});
    ASSERT_TRUE(Run());
    EXPECT_EQ(platform_.folderPrompts.size(), 1);

    // The face folder alone empty asks as well.
    TestFolder other;
    other.Write(S(u"Image/Ms_status/a.img"), "x");
    other.MakeFolder(S(u"Image/MsLFace"));
    WriteSettings({S(u"[Setting]"), S(u"path=") + other.Path()});
    ASSERT_TRUE(Run());
    EXPECT_EQ(platform_.folderPrompts.size(), 2);
}

TEST_F(StartUpTest, answerTheSettingsFileCannotHold_isReportedAndStillUsed) {
    WriteCatalogue();
    const QByteArray before = SettingsBytes({S(u"[Setting]"), S(u"path=")});
    folder_.Write(S(u"setting.ini"), before);
    const QString korean = S(u"/게임/QEL");  // Hangul has no code page 932 form
    platform_.folderAnswers.push_back(korean);
    const auto result = Run();
    ASSERT_TRUE(result);
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].title, S(u"エラー"));
    EXPECT_FALSE(platform_.messages[0].text.isEmpty());
    EXPECT_EQ(folder_.Read(S(u"setting.ini")), before);
    EXPECT_EQ(result->msStatusPath, korean + S(u"/Image/Ms_status/"));
}

TEST_F(StartUpTest, commanderSettings_areHandedOnAsWholeNumbers) {
    WriteCatalogue();
    WriteSettings({S(u"[Setting]"), S(u"path=") + test::MakeInstallFolder(folder_), S(u"class=6"),
                   S(u"level=7.5"), S(u"decoration=-1"), S(u"skill=99999999999")});
    const auto result = Run();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->rank, 6);
    EXPECT_EQ(result->level, 8);
    EXPECT_EQ(result->decoration, -1);
    EXPECT_FALSE(result->skill.ok());
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(StartUpTest, commanderSettingsMissing_readAsZero) {
    WriteCatalogue();
    WriteSettings({S(u"[Setting]"), S(u"path=") + test::MakeInstallFolder(folder_)});
    const auto result = Run();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->rank, 0);
    EXPECT_EQ(result->level, 0);
    EXPECT_EQ(result->decoration, 0);
    EXPECT_EQ(result->skill, 0);
}

}  // namespace
}  // namespace velmora
