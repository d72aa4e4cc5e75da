#pragma once

#include "catalogue/Status.h"
#include "system/AtomicFile.h"
#include "system/SettingsText.h"

#include <QList>
#include <QString>

namespace velmora {

// setting.ini, read and written key by key the way the Windows private-profile functions do
// (see SettingsText): every other line is kept as it is, and the file keeps its encoding (code
// page 932 when it holds only ASCII) and its line ends. Nothing is cached: each call reads the
// whole file, and a write replaces it only when its bytes change.
class SettingsFile {
public:
    // writer replaces the file; tests pass one that fails or counts.
    explicit SettingsFile(QString path, FileWriter writer = WriteFileAtomically);

    const QString& Path() const { return path_; }

    // True when an ordinary file is at the path.
    bool Exists() const;

    // fncReadIni: the value, read whole; empty when the file, the section or the key is missing.
    QString Read(const QString& section, const QString& key) const;

    // fncWriteIni: replaces the file atomically. Fails, leaving the file as it was, when the file
    // is missing, cannot be read or replaced, or its encoding cannot hold the value.
    Status Write(const QString& value, const QString& section, const QString& key);

    // False when the file's encoding cannot hold the value (writing it would fail for its
    // characters); true otherwise, also when the file cannot be read (a write says why).
    bool CanHold(const QString& value, const QString& section, const QString& key) const;

    // Several keys of one section in one replacement of the file: all of them or none.
    Status WriteKeys(const QString& section, const QList<SettingsEntry>& entries);

private:
    QString path_;
    FileWriter writer_;
};

}  // namespace velmora
