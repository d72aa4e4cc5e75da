#include "system/AtomicFile.h"

#include "support/FailingDevice.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <QDir>

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

}  // namespace
}  // namespace velmora
