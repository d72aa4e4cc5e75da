#include "catalogue/clsFncFile.h"

#include "catalogue/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        return Status::Fail(StatusCode::ReadFailed,
                            QStringLiteral(u"%1 を読み込めません。\n%2")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    return Status::Ok();
}

QStringList clsFncFile::LinesOf(const QByteArray& bytes) {
    return SplitLines(DecodeText(bytes).text);
}

}  // namespace velmora
