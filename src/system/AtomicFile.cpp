#include "system/AtomicFile.h"

#include <QDir>
#include <QIODevice>
#include <QSaveFile>

namespace velmora {

namespace {

Status SaveFailure(const QString& path, const QString& reason) {
    return Status::Fail(QStringLiteral(u"ファイルを保存できませんでした。\n") %
                        QDir::toNativeSeparators(path) % u'\n' % reason);
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
    return Status::Ok();
}

Status WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return SaveFailure(path, file.errorString());
    if (Status written = WriteAllBytes(file, bytes, path); !written) return written;
    // Buffered bytes reach the disk only here, so a full disk shows up as a failed commit.
    if (!file.commit()) return SaveFailure(path, file.errorString());
    return Status::Ok();
}

}  // namespace velmora
