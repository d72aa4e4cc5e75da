#pragma once

#include "catalogue/Status.h"

#include <QString>

namespace velmora {

// setting.ini, read and written key by key the way the Windows private-profile functions do:
// section and key names compare without regard to case, blanks around keys and values are
// trimmed, every other line is kept as it is, a new key goes at the end of its section and a new
// section at the end of the file. The file keeps its encoding (code page 932 when it holds only
// ASCII) and its line ends. Nothing is cached: each call reads or replaces the whole file.
class SettingsFile {
public:
    explicit SettingsFile(QString path);

    const QString& Path() const { return path_; }

    // True when an ordinary file is at the path.
    bool Exists() const;

    // fncReadIni: the value, read whole; empty when the file, the section or the key is missing.
    QString Read(const QString& section, const QString& key) const;

    // fncWriteIni: replaces the file atomically. Fails, leaving the file as it was, when the file
    // is missing, cannot be read or replaced, or its encoding cannot hold the value.
    Status Write(const QString& value, const QString& section, const QString& key);

private:
    QString path_;
};

}  // namespace velmora
