#include "system/AtomicFile.h"

#include "support/FailingDevice.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

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
#ifdef Q_OS_WIN
    // Windows has no permission bits, only the read-only attribute: the file stays writable.
    EXPECT_EQ(kept, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther);
#else
    EXPECT_EQ(kept, permissions);
#endif
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

// Another program holds the file open the way editors do: reading, sharing reads only.
class HeldOpen {
public:
    explicit HeldOpen(const QString& path) {
#ifdef Q_OS_WIN
        handle_ = CreateFileW(
            reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()), GENERIC_READ,
            FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        held_ = handle_ != INVALID_HANDLE_VALUE;
#else
        file_.setFileName(path);
        held_ = file_.open(QIODevice::ReadOnly);
#endif
    }
    ~HeldOpen() {
#ifdef Q_OS_WIN
        if (held_) CloseHandle(handle_);
#endif
    }
    bool Held() const { return held_; }

private:
    bool held_ = false;
#ifdef Q_OS_WIN
    HANDLE handle_ = INVALID_HANDLE_VALUE;
#else
    QFile file_;
#endif
};

TEST(AtomicFile, WriteFileAtomically_fileHeldOpenElsewhere_failsOnWindowsAndReplacesElsewhere) {
    TestFolder folder;
    const QString path = folder.Write(QStringLiteral(u"setting.ini"), QByteArray("old"));
    HeldOpen other(path);
    ASSERT_TRUE(other.Held());

    const Status status = WriteFileAtomically(path, QByteArray("new"));

#ifdef Q_OS_WIN
    // Windows replaces no file that another program holds without sharing its deletion.
    ASSERT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(QDir::toNativeSeparators(path)))
        << status.message().toStdString();
    EXPECT_EQ(folder.Read(QStringLiteral(u"setting.ini")), QByteArray("old"));
#else
    // Elsewhere the name moves to the new file; the other program keeps reading the old one.
    EXPECT_TRUE(status.ok()) << status.message().toStdString();
    EXPECT_EQ(folder.Read(QStringLiteral(u"setting.ini")), QByteArray("new"));
#endif
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files),
              QStringList{QStringLiteral(u"setting.ini")});
}

TEST(AtomicFile, WriteFileAtomically_folderRemoved_failsNamingFileAndMakesNothing) {
    TestFolder folder;
    const QString path = folder.Write(QStringLiteral(u"game/setting.ini"), QByteArray("old"));
    ASSERT_TRUE(QDir(folder.FilePath(QStringLiteral(u"game"))).removeRecursively());

    const Status status = WriteFileAtomically(path, QByteArray("new"));

    ASSERT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(QDir::toNativeSeparators(path)));
    EXPECT_FALSE(QFileInfo::exists(folder.FilePath(QStringLiteral(u"game"))));
}

}  // namespace
}  // namespace velmora
