#include "app/frmMain.h"

#include "catalogue/TextCodec.h"
#include "support/FileReplacements.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFolder.h"
#include "support/TestText.h"
#include "support/WindowDriver.h"
#include "system/SettingsFile.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFocusEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <memory>
#include <optional>

namespace velmora {
namespace {

using test::CatalogueBytes;
using test::ProgramUnit;
using test::SettingsBytes;

// The window's writes of setting.ini as a user sees them: what the file holds after a restart,
// and how often the file is replaced.
class SettingsWritesTest : public ::testing::Test, protected test::WindowDriver {
protected:
    SettingsWritesTest() {
        folder_.Write(
            S(u"unitdata.csv"),
            CatalogueBytes({ProgramUnit(S(u"001"), S(u"EFSF"), S(u"ヴェルデ"), S(u"4")),
                            ProgramUnit(S(u"002"), S(u"EFSF"), S(u"ストラトス"), S(u"6"))}));
        game_ = test::MakeInstallFolder(folder_);
    }

    QString IniPath() const { return folder_.FilePath(S(u"setting.ini")); }
    QByteArray IniBytes() const { return folder_.Read(S(u"setting.ini")); }
    QString Setting(const QString& section, const QString& key) const {
        return SettingsFile(IniPath()).Read(section, key);
    }

    // Starts the program afresh, as the next run would.
    frmMain& Start() {
        window_.reset();
        platform_ = std::make_unique<test::ScriptedPlatform>(folder_.Path());
        window_ = std::make_unique<frmMain>(*platform_);
        EXPECT_TRUE(window_->Load());
        return *window_;
    }
    QObject& Root() override { return *window_; }
    void FocusFormation() {
        QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(Control<QTableView>(u"grdFormation"), &focus);
    }
    int FormationRows() { return Rows(u"grdFormation"); }

    test::TestFolder folder_;
    QString game_;
    std::unique_ptr<test::ScriptedPlatform> platform_;
    std::unique_ptr<frmMain> window_;
};

TEST_F(SettingsWritesTest, startUpAndSelectingRows_replaceNothingThatDidNotChange) {
    folder_.Write(
        S(u"setting.ini"),
        SettingsBytes(
            {S(u"[Setting]"), S(u"path=") + game_, S(u"class=2"), S(u"level=30"),
             S(u"decoration=5"), S(u"skill=1"),
             S(u"defaultformation=デフォルト編成\t12.01 20:15\t001,002\t0,0\t0,0\t0,0")}));
    const QByteArray before = IniBytes();
    test::FileReplacements replacements(IniPath());
    if (!replacements.Supported()) GTEST_SKIP() << "the system does not report file changes";

    Start();
    ASSERT_EQ(FormationRows(), 2);
    EXPECT_EQ(replacements.Count(), 0);
    ChooseRow(u"grdFormation", 2);
    ChooseRow(u"grdFormation", 1);
    FocusFormation();
    EXPECT_EQ(replacements.Count(), 0);
    EXPECT_EQ(IniBytes(), before);

    // Each action replaces the file once for each thing it changes.
    Control<QSpinBox>(u"upLevel")->stepUp();
    EXPECT_EQ(replacements.Count(), 1);
    EXPECT_EQ(Setting(S(u"Setting"), S(u"level")), S(u"31"));
    ChooseRow(u"grdMsList", 1);
    QTest::mouseClick(Control<QPushButton>(u"cmdAdd"), Qt::LeftButton);
    ASSERT_EQ(FormationRows(), 3);
    EXPECT_EQ(replacements.Count(), 2);
    EXPECT_TRUE(platform_->messages.empty());
}

TEST_F(SettingsWritesTest, installFolderOfHalfWidthKatakana_isReadBackAtTheNextStart) {
    const QString chosen = folder_.FilePath(S(u"ﾃｽﾄ用"));
    folder_.Write(S(u"ﾃｽﾄ用/Image/Ms_status/ts_01_0.img"), QByteArray(152, '\0'));
    folder_.Write(S(u"ﾃｽﾄ用/Image/MsLFace/face.img"), QByteArray(152, '\0'));
    folder_.Write(S(u"setting.ini"), SettingsBytes({S(u"[Setting]"), S(u"path=")}));
    platform_ = std::make_unique<test::ScriptedPlatform>(folder_.Path());

    window_ = std::make_unique<frmMain>(*platform_);
    platform_->folderAnswers.push_back(chosen);
    ASSERT_TRUE(window_->Load());
    EXPECT_TRUE(IniBytes().contains(test::Cp932(chosen)));

    Start();
    EXPECT_TRUE(platform_->folderPrompts.isEmpty());
    EXPECT_EQ(Setting(S(u"Setting"), S(u"path")), chosen);
}

TEST_F(SettingsWritesTest, utf16FileFromNotepad_keepsEveryFormationAndItsEncoding) {
    for (const TextEncoding encoding : {TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
        const QString text = S(u"[Setting]\r\npath=") + game_ +
                             S(u"\r\nclass=1\r\nlevel=20\r\ndecoration=0\r\nskill=0\r\n"
                               u"defaultformation=デフォルト編成\t12.01 20:15\t002\t0\t0\t0\r\n"
                               u"[SaveData]\r\nNo1=大佐の編成\t11.30 08:00\t001\t0\t0\t0\r\n");
        folder_.Write(S(u"setting.ini"), *EncodeText(text, encoding));

        Start();
        EXPECT_TRUE(platform_->folderPrompts.isEmpty());
        EXPECT_EQ(Control<QSpinBox>(u"upLevel")->value(), 20);
        ASSERT_EQ(FormationRows(), 1);
        Control<QSpinBox>(u"upLevel")->stepUp();
        ChooseRow(u"grdMsList", 1);
        QTest::mouseClick(Control<QPushButton>(u"cmdAdd"), Qt::LeftButton);

        EXPECT_TRUE(IniBytes().startsWith(ByteOrderMark(encoding)));
        EXPECT_EQ(DecodeText(IniBytes()).encoding, encoding);
        EXPECT_EQ(Setting(S(u"Setting"), S(u"level")), S(u"21"));
        EXPECT_EQ(Setting(S(u"SaveData"), S(u"No1")), S(u"大佐の編成\t11.30 08:00\t001\t0\t0\t0"));
        EXPECT_EQ(Setting(S(u"Setting"), S(u"defaultformation")).section(u'\t', 2, 2),
                  S(u"002,001"));
        EXPECT_TRUE(platform_->messages.empty());
    }
}

TEST_F(SettingsWritesTest, quotedValuesAndCrOnlyLineEnds_readAsWritten) {
    folder_.Write(S(u"setting.ini"), QByteArray("[Setting]\rpath=\"") + game_.toUtf8() +
                                         "\"\rclass='3'\rlevel=\"45\"\r");
    Start();
    EXPECT_TRUE(platform_->folderPrompts.isEmpty());
    EXPECT_EQ(Control<QSpinBox>(u"upLevel")->value(), 45);
    Control<QSpinBox>(u"upLevel")->stepUp();
    EXPECT_FALSE(IniBytes().contains('\n'));
    EXPECT_EQ(Setting(S(u"Setting"), S(u"level")), S(u"46"));
    EXPECT_EQ(Setting(S(u"Setting"), S(u"class")), S(u"3"));
}

}  // namespace
}  // namespace velmora
