#include "support/FileReplacements.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#include <QDir>
#endif

namespace velmora::test {

#ifdef Q_OS_WIN
// A folder watched for names added or renamed onto; the system queues what happens between reads.
struct FileReplacements::WindowsWatch {
    HANDLE folder = INVALID_HANDLE_VALUE;
    OVERLAPPED overlapped{};
    alignas(DWORD) char buffer[16384];

    bool Request() {
        return ReadDirectoryChangesW(folder, buffer, sizeof buffer, FALSE,
                                     FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE,
                                     nullptr, &overlapped, nullptr);
    }
    ~WindowsWatch() {
        if (folder != INVALID_HANDLE_VALUE) {
            CancelIo(folder);
            CloseHandle(folder);
        }
        if (overlapped.hEvent) CloseHandle(overlapped.hEvent);
    }
};
#endif

FileReplacements::FileReplacements(const QString& path)
    : name_(QFile::encodeName(QFileInfo(path).fileName())) {
#ifdef Q_OS_LINUX
    descriptor_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (descriptor_ >= 0)
        watch_ = inotify_add_watch(descriptor_,
                                   QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                                   IN_MOVED_TO | IN_CLOSE_WRITE);
#endif
#ifdef Q_OS_WIN
    windows_ = new WindowsWatch;
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    windows_->folder =
        CreateFileW(reinterpret_cast<const wchar_t*>(folder.utf16()), FILE_LIST_DIRECTORY,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    windows_->overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (windows_->folder != INVALID_HANDLE_VALUE && windows_->Request()) watch_ = 0;
#endif
}

FileReplacements::~FileReplacements() {
#ifdef Q_OS_LINUX
    if (descriptor_ >= 0) close(descriptor_);
#endif
#ifdef Q_OS_WIN
    delete windows_;
#endif
}

int FileReplacements::Count() {
#ifdef Q_OS_LINUX
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t size = read(descriptor_, buffer, sizeof buffer);
        if (size <= 0) break;
        for (ssize_t at = 0; at < size;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0 && name_ == event->name) ++count_;
            at += ssize_t(sizeof(inotify_event)) + event->len;
        }
    }
#endif
#ifdef Q_OS_WIN
    // Wine hands the changes on a moment later than they happen: a short quiet ends the count.
    const QString name = QFile::decodeName(name_);
    while (watch_ >= 0 && WaitForSingleObject(windows_->overlapped.hEvent, 300) == WAIT_OBJECT_0) {
        DWORD size = 0;
        if (!GetOverlappedResult(windows_->folder, &windows_->overlapped, &size, FALSE)) break;
        for (DWORD at = 0; size > 0;) {
            const auto* info =
                reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(windows_->buffer + at);
            const QString changed =
                QString::fromWCharArray(info->FileName, int(info->FileNameLength / sizeof(WCHAR)));
            if (changed == name &&
                (info->Action == FILE_ACTION_RENAMED_NEW_NAME || info->Action == FILE_ACTION_ADDED))
                ++count_;
            if (info->NextEntryOffset == 0) break;
            at += info->NextEntryOffset;
        }
        ResetEvent(windows_->overlapped.hEvent);
        if (!windows_->Request()) watch_ = -1;
    }
#endif
    return count_;
}

}  // namespace velmora::test
