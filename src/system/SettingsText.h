#pragma once

#include "catalogue/Status.h"
#include "catalogue/TextCodec.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

namespace velmora {

// One key of a section and the value to write under it.
struct SettingsEntry {
    QString key;
    QString value;
};

// The bytes of a settings file, read the way the Windows private-profile functions read one:
// section and key names compare without regard to case, blanks around keys and values are
// trimmed, and one pair of quotes around a whole value is dropped. Each line is decoded on its
// own, in the file's encoding (code page 932, UTF-8 with or without a mark, UTF-16 with its
// mark), with CR LF, LF or CR as its end, so a line reads the same whatever follows it.
class SettingsText {
public:
    explicit SettingsText(const QByteArray& bytes);

    // The value, or empty when the section or the key is missing. With duplicates the first
    // section and the first key in it count.
    QString Value(const QString& section, const QString& key) const;

    // The bytes with every entry set in section, or the failure saying why that cannot be done.
    // Only the entries' lines change or are added (a new key after the last key of its
    // section, a new section at the end), in the file's encoding and line end; a file of plain
    // ASCII takes code page 932, and a code page 932 file whose new bytes would read as UTF-8
    // goes into UTF-8 whole. Refused when the bytes would read back as anything else.
    Result<QByteArray> With(const QString& section, const QList<SettingsEntry>& entries) const;

private:
    struct Line {
        QByteArray content;  // the line's bytes without its end
        QByteArray end;      // "\r\n", "\n", "\r" in the file's encoding, or none at the end
        QString text;        // content decoded
    };

    // With, for a checked section name, writing new lines in encoding after mark.
    Result<QByteArray> WithEncoding(const QString& sectionName, const QList<SettingsEntry>& entries,
                                    TextEncoding encoding, const QByteArray& mark) const;

    // The lines of a code page 932 file in UTF-8 without a mark; none when a line's bytes are
    // not the file's encoding of its text.
    std::optional<SettingsText> InUtf8() const;

    // Fills in the lines' texts from the file's body, the bytes after its mark.
    void DecodeLines(QByteArrayView body);

    TextEncoding encoding_;
    QByteArray mark_;
    bool damaged_ = false;  // a UTF-16 file with half a character at its end
    std::vector<Line> lines_;
};

}  // namespace velmora
