#include "support/FileReplacements.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#include <unistd.h>
#endif

namespace velmora::test {

FileReplacements::FileReplacements(const QString& path)
    : name_(QFile::encodeName(QFileInfo(path).fileName())) {
#ifdef Q_OS_LINUX
    descriptor_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (descriptor_ >= 0)
        watch_ = inotify_add_watch(descriptor_,
                                   QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                                   IN_MOVED_TO | IN_CLOSE_WRITE);
#endif
}

FileReplacements::~FileReplacements() {
#ifdef Q_OS_LINUX
    if (descriptor_ >= 0) close(descriptor_);
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
    return count_;
}

}  // namespace velmora::test
