#pragma once

#include "catalogue/Status.h"

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace velmora {

// Replaces the file at path with bytes: they go to a temporary file beside it, which replaces
// the file only when every byte reached the disk, so a crash or a full disk never leaves half a
// file. The new file keeps the old one's permissions; a read-only file is not replaced.
// Temporary files that a killed write left behind are removed. A failure's message names the
// file and the reason.
Status WriteFileAtomically(const QString& path, const QByteArray& bytes);

// The write step of the above on any open device: fails unless every byte went out and, for a
// file, was flushed from its buffer. path only names the file in the message.
Status WriteAllBytes(QIODevice& device, const QByteArray& bytes, const QString& path);

// Something that writes bytes in place of the file at path, as WriteFileAtomically does; tests
// pass one that fails or counts.
using FileWriter = std::function<Status(const QString& path, const QByteArray& bytes)>;

}  // namespace velmora
