#include "catalogue/clsFncFile.h"

#include "catalogue/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <algorithm>

namespace velmora {

Status clsFncFile::fncOpenFile(const QString& path, QStringList& lines, int& result) {
    lines.clear();
    result = -1;
    QByteArray bytes;
    const Status read = ReadBytes(path, bytes);
    if (!read) return read;
    lines = LinesOf(bytes);
    if (!lines.isEmpty()) result = int(lines.size());
    return Status::Ok();
}

Status clsFncFile::ReadBytes(const QString& path, QByteArray& bytes) {
    bytes.clear();
    // Only an ordinary file counts; a folder of that name is as good as no file.
    if (!QFileInfo(path).isFile()) return Status::Ok();
    QFile file(path);
    return ReadAll(file, path, bytes);
}

Status clsFncFile::ReadAll(QIODevice& device, const QString& path, QByteArray& bytes) {
    bytes.clear();
    const auto fail = [&] {
        bytes.clear();
        return Status::Fail(StatusCode::ReadFailed,
                            QStringLiteral(u"%1 を読み込めません。\n%2")
                                .arg(QDir::toNativeSeparators(path), device.errorString()));
    };
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) return fail();
    // Read piece by piece: readAll() cannot tell a failed read from the end of the file.
    constexpr qint64 kPiece = 1 << 20;
    // A file's bytes and the byte more that finds its end fit the reserve: a piece beyond it
    // would grow the array to twice the file.
    if (!device.isSequential()) bytes.reserve(qsizetype(device.size()) + 1);
    for (;;) {
        const qsizetype had = bytes.size();
        const qsizetype room = bytes.capacity() - had;
        const qsizetype piece = room > 0 ? std::min<qsizetype>(room, kPiece) : kPiece;
        bytes.resize(had + piece);
        const qint64 got = device.read(bytes.data() + had, piece);
        if (got < 0) return fail();
        bytes.resize(had + got);
        if (got == 0) break;
    }
    if (auto* file = qobject_cast<QFileDevice*>(&device);
        file && file->error() != QFileDevice::NoError)
        return fail();
    return Status::Ok();
}

QStringList clsFncFile::LinesOf(const QByteArray& bytes) {
    return SplitLines(DecodeText(bytes).text);
}

}  // namespace velmora
