#pragma once

#include "catalogue/Status.h"

#include <QByteArray>
#include <QString>

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
};

}  // namespace velmora
