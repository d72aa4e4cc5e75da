#include "catalogue/clsFncFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <algorithm>

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
    // A file's bytes and the byte more that finds its end fit the reserve: a piece beyond it
    // would grow the array to twice the file.
    QByteArray bytes;
    if (!device.isSequential())
        bytes.reserve(qsizetype(limit < 0 ? device.size() : qMin(limit, device.size())) + 1);
    for (;;) {
        const qsizetype had = bytes.size();
        const qsizetype room = bytes.capacity() - had;
        qint64 piece = room > 0 ? std::min<qsizetype>(room, kPiece) : kPiece;
        if (limit >= 0) piece = qMin(piece, limit - had);
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
