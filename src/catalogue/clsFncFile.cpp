#include "catalogue/clsFncFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

namespace velmora {

Result<QByteArray> clsFncFile::Read(const QString& path, qint64 limit) {
    QFile file(path);
    // Only an ordinary file counts; a folder of that name is as good as no file.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return Status::Fail(StatusCode::ReadFailed,
                            QStringLiteral(u"%1 が見つかりません。").arg(QDir::toNativeSeparators(path)));
    return ReadAll(file, path, limit);
}

Result<QByteArray> clsFncFile::ReadAll(QIODevice& device, const QString& path, qint64 limit) {
    const auto fail = [&] {
        return Status::Fail(StatusCode::ReadFailed,
                            QStringLiteral(u"%1 を読み込めません。\n%2")
                                .arg(QDir::toNativeSeparators(path), device.errorString()));
    };
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) return fail();
    // Read piece by piece: readAll() cannot tell a failed read from the end of the file.
    constexpr qint64 kPiece = 1 << 20;
    QByteArray bytes;
    if (!device.isSequential())
        bytes.reserve(limit < 0 ? device.size() : qMin(limit, device.size()));
    for (;;) {
        const qsizetype had = bytes.size();
        const qint64 piece = limit < 0 ? kPiece : qMin(kPiece, limit - had);
        if (piece <= 0) break;
        bytes.resize(had + piece);
        const qint64 got = device.read(bytes.data() + had, piece);
        if (got < 0) return fail();
        bytes.resize(had + got);
        if (got == 0) break;
    }
    if (auto* file = qobject_cast<QFileDevice*>(&device);
        file && file->error() != QFileDevice::NoError)
        return fail();
    return bytes;
}

}  // namespace velmora
