#include "catalogue/clsFncFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <algorithm>
#include <optional>

namespace velmora {

namespace {

// Bytes asked of the device at a time: readAll() cannot tell a failed read from the end of the
// file.
constexpr qint64 kPiece = 1 << 20;

// Only an ordinary file counts; a folder of that name is as good as no file.
std::optional<Status> Missing(const QString& path) {
    if (!path.isEmpty() && QFileInfo(path).isFile()) return std::nullopt;
    return Status::Fail(StatusCode::ReadFailed,
                        QStringLiteral(u"%1 が見つかりません。").arg(QDir::toNativeSeparators(path)));
}

Status ReadFailure(const QIODevice& device, const QString& path) {
    return Status::Fail(StatusCode::ReadFailed,
                        QStringLiteral(u"%1 を読み込めません。\n%2")
                            .arg(QDir::toNativeSeparators(path), device.errorString()));
}

bool OpenForReading(QIODevice& device) {
    return device.isOpen() || device.open(QIODevice::ReadOnly);
}

bool FailedAtTheEnd(QIODevice& device) {
    const auto* file = qobject_cast<QFileDevice*>(&device);
    return file && file->error() != QFileDevice::NoError;
}

}  // namespace

Result<QByteArray> clsFncFile::Read(const QString& path, qint64 limit) {
    if (auto missing = Missing(path)) return *std::move(missing);
    QFile file(path);
    return ReadAll(file, path, limit);
}

Result<QByteArray> clsFncFile::ReadAll(QIODevice& device, const QString& path, qint64 limit) {
    const auto fail = [&] { return ReadFailure(device, path); };
    if (!OpenForReading(device)) return fail();
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
    if (FailedAtTheEnd(device)) return fail();
    return bytes;
}

Result<std::vector<QByteArray>> clsFncFile::ReadInParts(const QString& path) {
    if (auto missing = Missing(path)) return *std::move(missing);
    QFile file(path);
    return ReadAllInParts(file, path);
}

Result<std::vector<QByteArray>> clsFncFile::ReadAllInParts(QIODevice& device,
                                                            const QString& path) {
    if (!OpenForReading(device)) return ReadFailure(device, path);
    std::vector<QByteArray> parts;
    QByteArray part;  // the bytes of the next part read so far
    // A small file takes no more memory than its bytes and the byte more that finds its end.
    qint64 expected = device.isSequential() ? kPiece : device.size();
    for (;;) {
        const qsizetype had = part.size();
        const qint64 ask = std::clamp<qint64>(expected + 1, kPiece / 16, kPiece);
        part.resize(had + ask);
        const qint64 got = device.read(part.data() + had, ask);
        if (got < 0) return ReadFailure(device, path);
        part.resize(had + got);
        expected -= got;
        if (got == 0) break;
        // A line longer than a piece makes the part grow until its line feed comes.
        const qsizetype feed = QByteArrayView(part).sliced(had).lastIndexOf('\n');
        if (feed < 0) continue;
        const qsizetype end = had + feed + 1;
        QByteArray next = part.sliced(end);
        part.truncate(end);
        parts.push_back(std::move(part));
        part = std::move(next);
    }
    if (FailedAtTheEnd(device)) return ReadFailure(device, path);
    if (!part.isEmpty()) parts.push_back(std::move(part));
    return parts;
}

}  // namespace velmora
