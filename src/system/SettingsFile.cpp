#include "system/SettingsFile.h"

#include "system/AtomicFile.h"
#include "catalogue/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <variant>
#include <vector>

namespace velmora {

namespace {

bool IsBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r'; }

// Only ASCII blanks: a full-width space belongs to the value.
QString TrimBlanks(QStringView text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && IsBlank(text[start])) ++start;
    while (end > start && IsBlank(text[end - 1])) --end;
    return text.sliced(start, end - start).toString();
}

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The name of a "[Section]" line, or nullopt for any other line.
std::optional<QString> SectionName(const QString& line) {
    const QString trimmed = TrimBlanks(line);
    if (!trimmed.startsWith(u'[')) return std::nullopt;
    const qsizetype close = trimmed.lastIndexOf(u']');
    if (close < 0) return std::nullopt;
    return TrimBlanks(QStringView(trimmed).sliced(1, close - 1));
}

struct KeyLine {
    QString key;
    QString value;
};

// The key and value of a "key=value" line; comments and lines without "=" have none.
std::optional<KeyLine> ParseKeyLine(const QString& line) {
    const QString trimmed = TrimBlanks(line);
    if (trimmed.startsWith(u';') || trimmed.startsWith(u'[')) return std::nullopt;
    const qsizetype equals = trimmed.indexOf(u'=');
    if (equals <= 0) return std::nullopt;
    KeyLine parsed{TrimBlanks(QStringView(trimmed).first(equals)),
                   TrimBlanks(QStringView(trimmed).sliced(equals + 1))};
    if (parsed.key.isEmpty()) return std::nullopt;
    return parsed;
}

// Where a section and a key are in the file's lines. With duplicates the first section and the
// first key in it count, as with the Windows profile functions.
struct Location {
    qsizetype section = -1;        // the section's header line
    qsizetype key = -1;            // the key's line within that section
    qsizetype lastInSection = -1;  // the line a new key goes after
    QString keySpelling;           // the key as the file spells it
    QString value;
};

Location Find(const QStringList& lines, const QString& section, const QString& key) {
    Location found;
    qsizetype i = 0;
    for (; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i]);
        if (name && SameName(*name, section)) break;
    }
    if (i == lines.size()) return found;
    found.section = i;
    // A new key follows the section's last key line; comments and blank lines after it belong to
    // whatever follows. A section without keys takes it after its last non-blank line.
    qsizetype lastKey = -1;
    qsizetype lastNonBlank = i;
    for (++i; i < lines.size() && !SectionName(lines[i]); ++i) {
        if (!TrimBlanks(lines[i]).isEmpty()) lastNonBlank = i;
        const auto parsed = ParseKeyLine(lines[i]);
        if (!parsed) continue;
        lastKey = i;
        if (found.key < 0 && SameName(parsed->key, key)) {
            found.key = i;
            found.keySpelling = parsed->key;
            found.value = parsed->value;
        }
    }
    found.lastInSection = lastKey >= 0 ? lastKey : lastNonBlank;
    return found;
}

// One line of the file as bytes: its content and its line end ("\r\n", "\n" or none at the end).
struct RawLine {
    QByteArray content;
    QByteArray end;
};

std::vector<RawLine> SplitRawLines(const QByteArray& bytes) {
    std::vector<RawLine> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        if (newline < 0) {
            lines.push_back({bytes.mid(start), QByteArray()});
            break;
        }
        const bool crlf = newline > start && bytes[newline - 1] == '\r';
        const qsizetype contentEnd = crlf ? newline - 1 : newline;
        lines.push_back(
            {bytes.mid(start, contentEnd - start), crlf ? QByteArray("\r\n") : QByteArray("\n")});
        start = newline + 1;
    }
    return lines;
}

const QByteArray& Utf8Bom() {
    static const QByteArray bom("\xEF\xBB\xBF");
    return bom;
}

QString UnencodableMessage() {
    return QStringLiteral(u"設定ファイルの文字コードでは保存できない文字が含まれています。");
}

bool HasLineEnd(const QString& text) { return text.contains(u'\n') || text.contains(u'\r'); }

// Why the entry cannot go into an INI file as given: a line break would split its line, and
// names like these would read back as something else.
std::optional<QString> EntryProblem(const QString& value, const QString& section,
                                    const QString& key) {
    if (HasLineEnd(value)) return QStringLiteral(u"改行を含む値は設定ファイルに保存できません。");
    if (section.isEmpty() || HasLineEnd(section) || section.contains(u']') || key.isEmpty() ||
        HasLineEnd(key) || key.contains(u'=') || key.startsWith(u';') || key.startsWith(u'['))
        return QStringLiteral(u"設定ファイルのセクション名またはキー名が正しくありません。");
    if (!value.isValidUtf16() || !section.isValidUtf16() || !key.isValidUtf16())
        return UnencodableMessage();
    return std::nullopt;
}

// The file's bytes with key set to value, or the message saying why that cannot be done. Only
// the key's line changes or is added; every other byte stays as it was.
std::variant<QByteArray, QString> WithEntry(const QByteArray& bytes, const QString& section,
                                            const QString& key, const QString& value) {
    const DecodedText decoded = DecodeText(bytes);
    // A file of plain ASCII is taken for code page 932, the encoding the program always used.
    TextEncoding encoding = decoded.encoding;
    if (encoding == TextEncoding::Utf8 && !HasNonAscii(bytes)) encoding = TextEncoding::Cp932;
    const bool withBom = encoding == TextEncoding::Utf8WithBom;
    const TextEncoding lineEncoding = withBom ? TextEncoding::Utf8 : encoding;

    const QStringList lines = SplitLines(decoded.text);
    std::vector<RawLine> raw = SplitRawLines(withBom ? bytes.sliced(Utf8Bom().size()) : bytes);
    // Neither decoder ever takes a line-end byte into a character, so the decoded lines and the
    // byte lines pair up one to one; refuse rather than rewrite the wrong line if they ever do not.
    if (static_cast<qsizetype>(raw.size()) != lines.size())
        return QStringLiteral(u"設定ファイルの内容を解釈できません。");

    const Location found = Find(lines, section, key);
    const auto keyLine =
        EncodeText((found.key >= 0 ? found.keySpelling : key) % u'=' % value, lineEncoding);
    const auto headerLine = found.section >= 0 ? std::optional<QByteArray>(QByteArray())
                                               : EncodeText(u'[' % section % u']', lineEncoding);
    if (!keyLine || !headerLine) return UnencodableMessage();

    // New lines take the file's first line end; a file without one gets CR LF.
    QByteArray lineEnd("\r\n");
    const auto ended = std::find_if(raw.begin(), raw.end(),
                                    [](const RawLine& line) { return !line.end.isEmpty(); });
    if (ended != raw.end()) lineEnd = ended->end;
    const auto insertAfter = [&](qsizetype index, std::initializer_list<QByteArray> added) {
        if (index >= 0 && raw[index].end.isEmpty()) raw[index].end = lineEnd;
        qsizetype at = index + 1;
        for (const QByteArray& content : added) raw.insert(raw.begin() + at++, {content, lineEnd});
    };
    if (found.key >= 0)
        raw[found.key].content = *keyLine;
    else if (found.section >= 0)
        insertAfter(found.lastInSection, {*keyLine});
    else
        insertAfter(static_cast<qsizetype>(raw.size()) - 1, {*headerLine, *keyLine});

    QByteArray out = withBom ? Utf8Bom() : QByteArray();
    for (const RawLine& line : raw) out += line.content + line.end;
    return out;
}

}  // namespace

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {}

bool SettingsFile::Exists() const { return !path_.isEmpty() && QFileInfo(path_).isFile(); }

QString SettingsFile::Read(const QString& section, const QString& key) const {
    if (!Exists()) return QString();
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    const QStringList lines = SplitLines(DecodeText(file.readAll()).text);
    const Location found = Find(lines, TrimBlanks(section), TrimBlanks(key));
    return found.key >= 0 ? found.value : QString();
}

Status SettingsFile::Write(const QString& value, const QString& section, const QString& key) {
    const auto fail = [this](const QString& message) {
        return Status::Fail(message % u'\n' % QDir::toNativeSeparators(path_));
    };
    const QString sectionName = TrimBlanks(section);
    const QString keyName = TrimBlanks(key);
    if (const auto problem = EntryProblem(value, sectionName, keyName)) return fail(*problem);

    if (!Exists()) return fail(QStringLiteral(u"設定ファイルが見つかりません。"));
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral(u"設定ファイルを読み込めません。") % u'\n' % file.errorString());
    const auto updated = WithEntry(file.readAll(), sectionName, keyName, value);
    file.close();
    if (const QString* problem = std::get_if<QString>(&updated)) return fail(*problem);
    return WriteFileAtomically(path_, std::get<QByteArray>(updated));
}

}  // namespace velmora
