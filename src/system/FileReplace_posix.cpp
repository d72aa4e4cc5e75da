#include "system/FileReplace.h"

#include <unistd.h>
#include <QFileDevice>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace velmora {

bool FlushToDisk(QFileDevice& file, QString& reason) {
    if (::fsync(file.handle()) == 0) return true;
    reason = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool PutInPlace(const QString& from, const QString& to, QString& reason) {
    // rename() replaces the name in one step, even when the file exists.
    std::error_code error;
    std::filesystem::rename(QFileInfo(from).filesystemAbsoluteFilePath(),
                            QFileInfo(to).filesystemAbsoluteFilePath(), error);
    if (!error) return true;
    reason = QString::fromStdString(error.message());
    return false;
}

}  // namespace velmora
