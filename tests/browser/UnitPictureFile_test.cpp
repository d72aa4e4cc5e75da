#include "browser/UnitPictureFile.h"
#include "support/TestFolder.h"

#include <QSet>
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

const QString kFolder = u"/game/Image/Ms_status/"_s;

typMsData Unit(const QString& imageName, const QString& imageBase = u"gm_01"_s) {
    typMsData unit;
    unit.ImageName = imageName;
    unit.ImageBase = imageBase;
    return unit;
}

QString Choose(const typMsData& unit, int shield, const QStringList& equipped = {},
               const QSet<QString>& existing = {}) {
    return UnitPictureFile::Choose(kFolder, unit, shield, equipped,
                                   [&](const QString& path) { return existing.contains(path); });
}

TEST(UnitPictureFile, TrailingLowerCaseSIsTheShieldedPicture) {
    EXPECT_EQ(Choose(Unit(u"gm_01_02s"_s), 0), kFolder + u"gm_01_02.img");
    EXPECT_EQ(Choose(Unit(u"gm_01_02s"_s), 1), kFolder + u"gm_01_02s.img");
    EXPECT_EQ(Choose(Unit(u"gm_01_02S"_s), 0), kFolder + u"gm_01_02S.img");
    EXPECT_EQ(Choose(Unit(u"gm_01_02S"_s), 1), kFolder + u"gm_01_02S.img");
    EXPECT_EQ(Choose(Unit(u"gm_01_02"_s), 1), kFolder + u"gm_01_02.img");
}

TEST(UnitPictureFile, EquipmentPictureWinsOnlyWhenItExists) {
    const QStringList row3 = {u"0"_s, u"0"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s};
    const typMsData unit = Unit(u"gm_01_02s"_s);
    EXPECT_EQ(Choose(unit, 0, row3, {kFolder + u"gm_01_3.img"}), kFolder + u"gm_01_3.img");
    EXPECT_EQ(Choose(unit, 1, row3, {kFolder + u"gm_01_3s.img"}), kFolder + u"gm_01_3s.img");
    // The shielded equipment picture does not stand in for the plain one, nor the reverse.
    EXPECT_EQ(Choose(unit, 0, row3, {kFolder + u"gm_01_3s.img"}), kFolder + u"gm_01_02.img");
    EXPECT_EQ(Choose(unit, 1, row3, {kFolder + u"gm_01_3.img"}), kFolder + u"gm_01_02s.img");
}

TEST(UnitPictureFile, LastEquippedRowWithAnExistingPictureWins) {
    const QStringList rows2and5 = {u"0"_s, u"1"_s, u"0"_s, u"0"_s, u"1"_s, u"0"_s, u"0"_s};
    const typMsData unit = Unit(u"gm_01_02"_s);
    const QString two = kFolder + u"gm_01_2.img";
    const QString five = kFolder + u"gm_01_5.img";
    EXPECT_EQ(Choose(unit, 0, rows2and5, {two, five}), five);
    EXPECT_EQ(Choose(unit, 0, rows2and5, {two}), two);
    // A picture for a row that is not equipped is not used.
    EXPECT_EQ(Choose(unit, 0, {u"0"_s, u"0"_s, u"0"_s}, {kFolder + u"gm_01_1.img"}),
              kFolder + u"gm_01_02.img");
}

TEST(UnitPictureFile, NoPictureFolderChoosesNothing) {
    EXPECT_TRUE(UnitPictureFile::Choose(QString(), Unit(u"gm_01_02"_s), 0, {}, [](const QString&) {
                    return true;
                }).isEmpty());
}

TEST(UnitPictureFile, LocateFindsTheExactNameOrOneDifferingOnlyInCase) {
    test::TestFolder folder;
    const QString exact = folder.Write(u"gm_01_02.img"_s, QByteArray("x"));
    const QString upper = folder.Write(u"ZARGA_01_02S.IMG"_s, QByteArray("y"));
    folder.MakeFolder(u"dir.img"_s);
    EXPECT_EQ(UnitPictureFile::Locate(exact), exact);
#ifdef Q_OS_WIN
    // Windows' file system ignores case itself: the name as asked is already the file's.
    EXPECT_EQ(UnitPictureFile::Locate(folder.FilePath(u"zarga_01_02s.img"_s))
                  .compare(upper, Qt::CaseInsensitive),
              0);
#else
    EXPECT_EQ(UnitPictureFile::Locate(folder.FilePath(u"zarga_01_02s.img"_s)), upper);
#endif
    EXPECT_TRUE(UnitPictureFile::Locate(folder.FilePath(u"zarga_01_02.img"_s)).isEmpty());
    EXPECT_TRUE(UnitPictureFile::Locate(folder.FilePath(u"dir.img"_s)).isEmpty());
    EXPECT_TRUE(UnitPictureFile::Locate(folder.FilePath(u"none/x.img"_s)).isEmpty());
    EXPECT_TRUE(UnitPictureFile::Locate(QString()).isEmpty());
}

}  // namespace
}  // namespace velmora
