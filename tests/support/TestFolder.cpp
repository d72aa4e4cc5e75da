#include "support/TestFolder.h"

#include "catalogue/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace velmora::test {

TestFolder::TestFolder() {
    if (!dir_.isValid()) throw std::runtime_error("cannot make a temporary folder");
}

QString TestFolder::FilePath(const QString& name) const { return dir_.filePath(name); }

QString TestFolder::Write(const QString& name, const QByteArray& bytes) const {
    const QString path = FilePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
    return path;
}

QByteArray TestFolder::Read(const QString& name) const {
    QFile file(FilePath(name));
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

void TestFolder::MakeFolder(const QString& name) const { QDir().mkpath(FilePath(name)); }

QByteArray Cp932(const QString& text) {
    auto bytes = EncodeText(text, TextEncoding::Cp932);
    if (!bytes) throw std::runtime_error("text not representable in code page 932");
    return *bytes;
}

}  // namespace velmora::test
