#pragma once

#include "catalogue/Status.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace velmora {

// Replaces the file at path with bytes through QSaveFile: the old file stays as it was unless
// every byte was written and the commit succeeded, so a crash or a full disk never leaves half a
// file. A failure's message names the file and the reason.
Status WriteFileAtomically(const QString& path, const QByteArray& bytes);

// The write step of the above on any open device: fails unless every byte went out. path only
// names the file in the message.
Status WriteAllBytes(QIODevice& device, const QByteArray& bytes, const QString& path);

}  // namespace velmora
