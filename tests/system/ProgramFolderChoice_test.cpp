#include "system/ProgramFolderChoice.h"

#include "support/TestFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>

namespace velmora {
namespace {

using test::TestFolder;

class ProgramFolderChoiceTest : public ::testing::Test {
protected:
    QString Executable() const { return folder_.FilePath(S(u"bin")); }
    QString PerUser() const { return folder_.FilePath(S(u"share/Velmora")); }
    QString Choose() const { return ChooseProgramFolder(Executable(), PerUser()); }

    TestFolder folder_;
};

TEST_F(ProgramFolderChoiceTest, eitherFileBesideTheExecutable_keepsThePortableFolder) {
    folder_.Write(S(u"bin/setting.ini"), "[Setting]\r\n");
    EXPECT_EQ(Choose(), Executable());

    TestFolder other;
    other.Write(S(u"unitdata.csv"), "No\r\n");
    EXPECT_EQ(ChooseProgramFolder(other.Path(), PerUser()), other.Path());
}

TEST_F(ProgramFolderChoiceTest, neitherFileBesideTheExecutable_usesTheUsersDataFolder) {
    folder_.Write(S(u"bin/velmora"), "program");
    EXPECT_EQ(Choose(), PerUser());
    // A folder under one of the names is not the file.
    folder_.MakeFolder(S(u"bin/setting.ini"));
    folder_.MakeFolder(S(u"bin/unitdata.csv"));
    EXPECT_EQ(Choose(), PerUser());
}

TEST_F(ProgramFolderChoiceTest, noUsersDataFolder_fallsBackToTheExecutablesFolder) {
    EXPECT_EQ(ChooseProgramFolder(Executable(), QString()), Executable());
}

TEST_F(ProgramFolderChoiceTest, prepare_firstStart_makesTheFolderAndAnEmptySettingSection) {
    const Status prepared = PreparePerUserFolder(PerUser());

    ASSERT_TRUE(prepared.ok()) << prepared.message().toStdString();
    EXPECT_EQ(folder_.Read(S(u"share/Velmora/setting.ini")), QByteArray("[Setting]\r\n"));
    EXPECT_FALSE(QFileInfo::exists(PerUser() + u"/unitdata.csv"));
}

TEST_F(ProgramFolderChoiceTest, prepare_existingSettings_areLeftAsTheyAre) {
    const QByteArray settings("[Setting]\r\npath=/games/QEL\r\n[SaveData]\r\n");
    folder_.Write(S(u"share/Velmora/setting.ini"), settings);

    EXPECT_TRUE(PreparePerUserFolder(PerUser()).ok());
    EXPECT_EQ(folder_.Read(S(u"share/Velmora/setting.ini")), settings);
}

TEST_F(ProgramFolderChoiceTest, prepare_folderCannotBeMade_failsNamingIt) {
    // The parent is an ordinary file, which stops even root from making the folder.
    folder_.Write(S(u"share"), "blocker");

    const Status prepared = PreparePerUserFolder(PerUser());

    ASSERT_FALSE(prepared.ok());
    EXPECT_TRUE(prepared.message().contains(QDir::toNativeSeparators(PerUser())))
        << prepared.message().toStdString();
}

}  // namespace
}  // namespace velmora
