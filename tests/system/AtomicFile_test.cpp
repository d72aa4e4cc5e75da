#include "system/AtomicFile.h"

#include "support/FailingDevice.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velmora {
namespace {

using test::FailingDevice;
using test::TestFolder;

TEST(AtomicFile, WriteFileAtomically_existingFile_isReplacedWhole) {
    TestFolder folder;
    const QString path = folder.Write(QStringLiteral(u"setting.ini"), QByteArray(5000, 'x'));
    const QByteArray bytes("[Setting]\r\npath=C:\\Game\r\n");

    const Status status = WriteFileAtomically(path, bytes);

    EXPECT_TRUE(status.ok()) << status.message().toStdString();
    EXPECT_EQ(folder.Read(QStringLiteral(u"setting.ini")), bytes);
    // Nothing of the temporary file is left beside it.
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files),
              QStringList{QStringLiteral(u"setting.ini")});
}

TEST(AtomicFile, WriteFileAtomically_folderCannotBeWritten_failsNamingFileAndLeavesNothing) {
    TestFolder folder;
    // The parent is an ordinary file, which stops even root from making the file.
    folder.Write(QStringLiteral(u"blocker"), QByteArray("keep"));
    const QString path = folder.FilePath(QStringLiteral(u"blocker/setting.ini"));

    const Status status = WriteFileAtomically(path, QByteArray("data"));

    ASSERT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(QDir::toNativeSeparators(path)))
        << status.message().toStdString();
    EXPECT_EQ(folder.Read(QStringLiteral(u"blocker")), QByteArray("keep"));
}

TEST(AtomicFile, WriteAllBytes_deviceFillsUp_failsWithReason) {
    FailingDevice device(10);

    const Status status =
        WriteAllBytes(device, QByteArray(25, 'a'), QStringLiteral(u"/tmp/setting.ini"));

    ASSERT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(QStringLiteral(u"setting.ini")));
    EXPECT_TRUE(status.message().contains(QStringLiteral(u"No space left on device")));
    EXPECT_EQ(device.Written().size(), 10);
}

TEST(AtomicFile, WriteAllBytes_fileWhoseFlushFails_failsWithReason) {
    // A file takes bytes into its buffer and fails only when it flushes them, as on a full disk.
    QFile full(QStringLiteral(u"/dev/full"));
    if (!full.open(QIODevice::WriteOnly)) GTEST_SKIP() << "no /dev/full on this system";

    const Status status = WriteAllBytes(full, QByteArray(265, 'a'), QStringLiteral(u"setting.ini"));

    ASSERT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(QStringLiteral(u"setting.ini")));
}

TEST(AtomicFile, WriteFileAtomically_keepsThePermissionsOfTheFileItReplaces) {
    TestFolder folder;
    const QString path = folder.Write(QStringLiteral(u"setting.ini"), QByteArray("old"));
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ReadGroup | QFileDevice::WriteGroup;
    ASSERT_TRUE(QFile::setPermissions(path, permissions));

    ASSERT_TRUE(WriteFileAtomically(path, QByteArray("new")).ok());

    EXPECT_EQ(folder.Read(QStringLiteral(u"setting.ini")), QByteArray("new"));
    const auto kept = QFileInfo(path).permissions() &
                      (QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                       QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                       QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
    EXPECT_EQ(kept, permissions);
}

TEST(AtomicFile, WriteFileAtomically_readOnlyFile_isRefusedForEveryUser) {
    TestFolder folder;
    const QString path = folder.Write(QStringLiteral(u"setting.ini"), QByteArray("old"));
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(path, readOnly));

    const Status status = WriteFileAtomically(path, QByteArray("new"));

    ASSERT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(folder.Read(QStringLiteral(u"setting.ini")), QByteArray("old"));
    EXPECT_EQ(QFileInfo(path).permissions() & QFileDevice::WriteOwner, 0);
}

TEST(AtomicFile, WriteFileAtomically_removesTheCopiesOfKilledWritesOnly) {
    TestFolder folder;
    const QString path = folder.Write(QStringLiteral(u"setting.ini"), QByteArray("old"));
    folder.Write(QStringLiteral(u"setting.ini.velmora-aB3xYz"), QByteArray("killed"));
    folder.Write(QStringLiteral(u"setting.ini.backup"), QByteArray("mine"));
    folder.Write(QStringLiteral(u"setting.ini.velmora-notes"), QByteArray("mine too"));
    folder.Write(QStringLiteral(u"other.ini.velmora-aB3xYz"), QByteArray("not ours"));

    ASSERT_TRUE(WriteFileAtomically(path, QByteArray("new")).ok());

    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files, QDir::Name),
              QStringList({QStringLiteral(u"other.ini.velmora-aB3xYz"),
                           QStringLiteral(u"setting.ini"), QStringLiteral(u"setting.ini.backup"),
                           QStringLiteral(u"setting.ini.velmora-notes")}));
}

}  // namespace
}  // namespace velmora
