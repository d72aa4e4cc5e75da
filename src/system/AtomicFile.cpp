#include "system/AtomicFile.h"

#include "system/FileReplace.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryFile>

namespace velmora {

namespace {

// What the temporary copies are called: the file's name, this mark, six letters or digits.
const QString kTemporaryMark = QStringLiteral(u".velmora-");

Status SaveFailure(const QString& path, const QString& reason) {
    return Status::Fail(QStringLiteral(u"ファイルを保存できませんでした。\n") %
                        QDir::toNativeSeparators(path) % u'\n' % reason);
}

bool IsTemporaryName(const QString& name, const QString& prefix) {
    if (name.size() != prefix.size() + 6 || !name.startsWith(prefix)) return false;
    for (const QChar c : QStringView(name).sliced(prefix.size()))
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80)) return false;
    return true;
}

// A write killed before its rename leaves a complete temporary copy; its mark tells it from
// anything the user keeps beside the file.
void RemoveLeftovers(const QFileInfo& target) {
    const QString prefix = target.fileName() + kTemporaryMark;
    const QDir folder = target.absoluteDir();
    const QStringList names =
        folder.entryList({prefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        if (IsTemporaryName(name, prefix)) QFile::remove(folder.filePath(name));
}

// Nobody may write the file: replacing it would undo that choice, even for a user, such as an
// administrator, whom the permissions do not stop.
bool IsReadOnly(const QFileInfo& target) {
    const auto writeBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !target.isWritable() || !(target.permissions() & writeBits);
}

}  // namespace

Status WriteAllBytes(QIODevice& device, const QByteArray& bytes, const QString& path) {
    qsizetype done = 0;
    // A device may take the bytes in several pieces; zero or less means it took no more.
    while (done < bytes.size()) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) return SaveFailure(path, device.errorString());
        done += written;
    }
    // A file holds what it took in a buffer; a full disk shows only when that is flushed.
    if (auto* file = qobject_cast<QFileDevice*>(&device))
        if (!file->flush() || file->error() != QFileDevice::NoError)
            return SaveFailure(path, file->errorString());
    return Status::Ok();
}

Status WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    RemoveLeftovers(target);
    const bool replacing = target.exists();
    if (replacing && IsReadOnly(target))
        return SaveFailure(path, QStringLiteral(u"ファイルが読み取り専用です。"));

    QString temporaryPath;
    QString reason;
    {
        QTemporaryFile temporary(target.absoluteFilePath() + kTemporaryMark + u"XXXXXX");
        if (!temporary.open()) return SaveFailure(path, temporary.errorString());
        // A temporary file starts private to its owner; the file it becomes is not.
        const auto permissions = replacing ? target.permissions()
                                           : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ReadGroup | QFileDevice::ReadOther;
        if (!temporary.setPermissions(permissions))
            return SaveFailure(path, temporary.errorString());
        if (Status written = WriteAllBytes(temporary, bytes, path); !written) return written;
        if (!FlushToDisk(temporary, reason)) return SaveFailure(path, reason);
        temporary.close();
        if (temporary.error() != QFileDevice::NoError)
            return SaveFailure(path, temporary.errorString());
        temporary.setAutoRemove(false);
        temporaryPath = temporary.fileName();
    }
    // Only now, with the temporary file closed and let go of: Windows renames no file that is
    // still open, and a QTemporaryFile holds on to its file even when closed.
    if (!PutInPlace(temporaryPath, target.absoluteFilePath(), reason)) {
        QFile::remove(temporaryPath);
        return SaveFailure(path, reason);
    }
    return Status::Ok();
}

}  // namespace velmora
