#pragma once

#include "support/FailingDevice.h"
#include "system/AtomicFile.h"

namespace velmora::test {

// A FileWriter that counts the files it replaced and, while the disk is full, fails the way a
// full disk does: the bytes go to a device that takes half of them, and the file stays as it was.
class RecordingWriter {
public:
    FileWriter Writer() {
        return [this](const QString& path, const QByteArray& bytes) {
            if (full) {
                FailingDevice device(bytes.size() / 2);
                return WriteAllBytes(device, bytes, path);
            }
            const Status status = WriteFileAtomically(path, bytes);
            if (status) ++replacements;
            return status;
        };
    }

    bool full = false;
    int replacements = 0;
};

}  // namespace velmora::test
