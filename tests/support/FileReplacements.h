#pragma once

#include <QByteArray>
#include <QString>

namespace velmora::test {

// Counts, as the operating system reports them, the times a file is replaced (a rename onto its
// name) or rewritten in place from the moment this object exists: what a user would see with
// strace. Linux tells every replacement and every rewrite (inotify); Windows every replacement
// (ReadDirectoryChangesW); elsewhere Supported() is false.
class FileReplacements {
public:
    explicit FileReplacements(const QString& path);
    ~FileReplacements();
    FileReplacements(const FileReplacements&) = delete;
    FileReplacements& operator=(const FileReplacements&) = delete;

    bool Supported() const { return watch_ >= 0; }
    int Count();

private:
    int descriptor_ = -1;
    int watch_ = -1;
    struct WindowsWatch;
    WindowsWatch* windows_ = nullptr;
    QByteArray name_;
    int count_ = 0;
};

}  // namespace velmora::test
