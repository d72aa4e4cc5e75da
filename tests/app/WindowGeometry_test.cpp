#include "app/WindowGeometry.h"

#include "support/TestFolder.h"
#include "system/SettingsFile.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

struct WindowGeometryTest : ::testing::Test {
    test::TestFolder folder;
    SettingsFile settings{folder.Write(u"setting.ini"_s, "[Setting]\r\npath=\r\n")};
};

TEST_F(WindowGeometryTest, WrittenSectionReadsBack_andAnUnchangedWriteLeavesTheFileAlone) {
    WindowGeometry geometry;
    geometry.normal = QRect(-40, 25, 900, 700);
    geometry.maximized = true;
    geometry.columnWidths = {0, 24, 32, 151};
    ASSERT_TRUE(geometry.Write(settings).ok());
    const WindowGeometry read = WindowGeometry::Read(settings);
    EXPECT_EQ(read.normal, geometry.normal);
    EXPECT_TRUE(read.maximized);
    EXPECT_EQ(read.columnWidths, geometry.columnWidths);
    EXPECT_EQ(settings.Read(u"Setting"_s, u"path"_s), QString());

    const QByteArray before = folder.Read(u"setting.ini"_s);
    ASSERT_TRUE(geometry.Write(settings).ok());
    EXPECT_EQ(folder.Read(u"setting.ini"_s), before);
}

TEST_F(WindowGeometryTest, DamagedOrMissingValuesAreIgnoredKeyByKey) {
    EXPECT_FALSE(WindowGeometry::Read(settings).normal);
    folder.Write(u"setting.ini"_s,
                 "[Window]\r\nleft=10\r\ntop=x\r\nwidth=900\r\nheight=700\r\nmaximized=yes\r\n"
                 "columns=0,24,-5\r\n");
    WindowGeometry read = WindowGeometry::Read(settings);
    EXPECT_FALSE(read.normal);
    EXPECT_FALSE(read.maximized);
    EXPECT_TRUE(read.columnWidths.isEmpty());
    folder.Write(u"setting.ini"_s, "[Window]\r\nleft=10\r\ntop=20\r\nwidth=0\r\nheight=700\r\n");
    EXPECT_FALSE(WindowGeometry::Read(settings).normal);
    // A missing file is no failure and gets nothing.
    SettingsFile missing(folder.FilePath(u"none.ini"_s));
    EXPECT_TRUE(WindowGeometry{}.Write(missing).ok());
    EXPECT_FALSE(missing.Exists());
}

TEST(WindowGeometryScreens, OnlyAWindowWhoseTitleCanBeGrabbedIsOnScreen) {
    const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    EXPECT_TRUE(WindowGeometry::IsOnScreen(QRect(100, 100, 805, 622), screens));
    EXPECT_TRUE(WindowGeometry::IsOnScreen(QRect(2500, 900, 805, 622), screens));
    EXPECT_TRUE(WindowGeometry::IsOnScreen(QRect(-700, 10, 805, 622), screens));
    EXPECT_FALSE(WindowGeometry::IsOnScreen(QRect(-790, 10, 805, 622), screens));
    EXPECT_FALSE(WindowGeometry::IsOnScreen(QRect(3300, 10, 805, 622), screens));
    EXPECT_FALSE(WindowGeometry::IsOnScreen(QRect(100, 1100, 805, 622), screens));
    EXPECT_FALSE(WindowGeometry::IsOnScreen(QRect(100, -300, 805, 622), screens));
    EXPECT_FALSE(WindowGeometry::IsOnScreen(QRect(100, 100, 805, 622), {}));
}

}  // namespace
}  // namespace velmora
