#pragma once

#include "catalogue/Status.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

namespace velmora {

// Reads a text file whole into its lines: UTF-8, code page 932 or UTF-16 with its mark, CR LF or
// LF line ends.
class clsFncFile {
public:
    // Replaces lines by the lines of the file at path and sets result to their number, or to
    // -1 when the file is missing or empty. A file that exists but cannot be read gives a
    // failure that names it (lines then empty, result -1).
    static Status fncOpenFile(const QString& path, QStringList& lines, int& result);

    // Replaces bytes by the bytes of the file at path; they stay empty when the file is
    // missing, and a file that exists but cannot be read gives a failure that names it.
    static Status ReadBytes(const QString& path, QByteArray& bytes);

    // The same from a device, opened here unless it is open already (tests pass one that fails):
    // a failed read gives a failure that names path, with bytes left empty.
    static Status ReadAll(QIODevice& device, const QString& path, QByteArray& bytes);

    // The lines of a file's bytes, without their line ends.
    static QStringList LinesOf(const QByteArray& bytes);
};

}  // namespace velmora
