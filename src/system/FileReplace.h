#pragma once

#include <QString>

class QFileDevice;

// The two steps of an atomic save that each system does its own way (FileReplace_posix.cpp,
// FileReplace_windows.cpp). Each returns false and gives the system's reason on failure.
namespace velmora {

// Waits until every byte written to the open file, already flushed from Qt's buffer, is on the
// disk.
bool FlushToDisk(QFileDevice& file, QString& reason);

// Puts the closed file at from in place of the file at to, which may exist, in one step that
// happens whole or not at all and reaches the disk before it returns.
bool PutInPlace(const QString& from, const QString& to, QString& reason);

}  // namespace velmora
