#pragma once

#include "catalogue/Status.h"

#include <QByteArray>
#include <QString>
#include <vector>

class QIODevice;

namespace velmora {

// The one way the program reads a file: its bytes whole, or up to a limit, as a value or a
// failure that names the file.
class clsFncFile {
public:
    // The bytes of the file at path, at most limit of them (all when limit is negative). A path
    // that names no ordinary file, or a file that cannot be read, gives a ReadFailed failure.
    static Result<QByteArray> Read(const QString& path, qint64 limit = -1);

    // The same from a device, opened here unless it is open already (tests pass one that fails).
    static Result<QByteArray> ReadAll(QIODevice& device, const QString& path, qint64 limit = -1);

    // The same bytes whole, in parts of about a mebibyte that each end just after a line feed
    // (the last where the file ends), so that a reader of lines can drop each part once it is
    // done with it instead of holding the whole file until the end.
    static Result<std::vector<QByteArray>> ReadInParts(const QString& path);
    static Result<std::vector<QByteArray>> ReadAllInParts(QIODevice& device, const QString& path);
};

}  // namespace velmora
