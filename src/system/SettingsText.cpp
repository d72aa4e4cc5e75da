#include "system/SettingsText.h"

#include <QStringList>
#include <algorithm>
#include <optional>

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

bool IsQuote(QChar c) { return c == u'"' || c == u'\''; }

// True when reading drops the quotes around text.
bool IsQuoted(const QString& text) {
    return text.size() >= 2 && IsQuote(text.front()) && text.back() == text.front();
}

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
    if (IsQuoted(parsed.value)) parsed.value = parsed.value.sliced(1, parsed.value.size() - 2);
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

Status Unencodable() {
    return Status::Fail(
        StatusCode::Unencodable,
        QStringLiteral(u"設定ファイルの文字コードでは保存できない文字が含まれています。"));
}

// The new bytes, every value in the file's encoding, would read as another encoding: the
// line written took away the bytes that told the file's encoding apart.
Status EncodingWouldChange() {
    return Status::Fail(
        StatusCode::Unencodable,
        QStringLiteral(
            u"保存すると設定ファイルの文字コードが変わって読めなくなるため、保存できません。"));
}

Status Damaged() { return Status::Fail(QStringLiteral(u"設定ファイルの内容を解釈できません。")); }

bool HasLineEnd(const QString& text) { return text.contains(u'\n') || text.contains(u'\r'); }

// Why the entry cannot go into an INI file as given: a line break would split its line, and
// names like these would read back as something else.
Status CheckEntry(const QString& section, const SettingsEntry& entry) {
    const QString& key = entry.key;
    if (HasLineEnd(entry.value))
        return Status::Fail(QStringLiteral(u"改行を含む値は設定ファイルに保存できません。"));
    if (section.isEmpty() || HasLineEnd(section) || section.contains(u']') || key.isEmpty() ||
        HasLineEnd(key) || key.contains(u'=') || key.startsWith(u';') || key.startsWith(u'['))
        return Status::Fail(
            QStringLiteral(u"設定ファイルのセクション名またはキー名が正しくありません。"));
    if (!entry.value.isValidUtf16() || !section.isValidUtf16() || !key.isValidUtf16())
        return Unencodable();
    return Status::Ok();
}

bool IsUtf16(TextEncoding encoding) {
    return encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE;
}

}  // namespace

SettingsText::SettingsText(const QByteArray& bytes) : encoding_(WeighedEncodingOf(bytes)) {
    mark_ = ByteOrderMark(encoding_);
    const QByteArrayView body = QByteArrayView(bytes).sliced(mark_.size());
    // Line ends are found in code units: single bytes, or byte pairs in UTF-16.
    const qsizetype unit = IsUtf16(encoding_) ? 2 : 1;
    const qsizetype low = encoding_ == TextEncoding::Utf16BE ? 1 : 0;
    const auto isUnit = [&](qsizetype at, char c) {
        if (unit == 1) return body[at] == c;
        return body[at + low] == c && body[at + 1 - low] == '\0';
    };
    damaged_ = body.size() % unit != 0;
    const qsizetype units = body.size() / unit * unit;
    qsizetype start = 0;
    qsizetype at = 0;
    const auto addLine = [&](qsizetype contentEnd, qsizetype lineEnd) {
        lines_.push_back({body.sliced(start, contentEnd - start).toByteArray(),
                          body.sliced(contentEnd, lineEnd - contentEnd).toByteArray(), QString()});
        start = lineEnd;
    };
    while (at < units) {
        if (isUnit(at, '\n')) {
            addLine(at, at + unit);
        } else if (isUnit(at, '\r')) {
            const bool crlf = at + unit < units && isUnit(at + unit, '\n');
            addLine(at, at + (crlf ? 2 : 1) * unit);
        }
        at = std::max(at + unit, start);
    }
    // The last line, with half a UTF-16 character if the file has one.
    if (start < body.size()) addLine(body.size(), body.size());
    DecodeLines(body);
}

void SettingsText::DecodeLines(QByteArrayView body) {
    // One converter for the whole file: a line end decodes to itself and is never part of a
    // character, so the whole text splits into the lines' texts. Should it not, as with bytes
    // that no converter reads alike, each line is decoded on its own.
    const QString whole = DecodeWithoutMark(body, encoding_);
    const qsizetype unit = IsUtf16(encoding_) ? 2 : 1;
    qsizetype at = 0;
    bool split = true;
    for (Line& line : lines_) {
        // A line end is one or two of the units CR and LF.
        const QStringView end = line.end.isEmpty()            ? QStringView()
                                : line.end.size() == 2 * unit ? QStringView(u"\r\n")
                                : line.end.contains('\n')     ? QStringView(u"\n")
                                                              : QStringView(u"\r");
        const qsizetype lineEnd = end.isEmpty() ? whole.size() : whole.indexOf(end.front(), at);
        if (lineEnd < 0 || QStringView(whole).sliced(lineEnd).first(
                               std::min(end.size(), whole.size() - lineEnd)) != end) {
            split = false;
            break;
        }
        line.text = whole.sliced(at, lineEnd - at);
        at = lineEnd + end.size();
    }
    if (split && at == whole.size()) return;
    for (Line& line : lines_) line.text = DecodeWithoutMark(line.content, encoding_);
}

QString SettingsText::Value(const QString& section, const QString& key) const {
    QStringList texts;
    for (const Line& line : lines_) texts.append(line.text);
    const Location found = Find(texts, TrimBlanks(section), TrimBlanks(key));
    return found.key >= 0 ? found.value : QString();
}

Result<QByteArray> SettingsText::With(const QString& section,
                                      const QList<SettingsEntry>& entries) const {
    const QString sectionName = TrimBlanks(section);
    for (const SettingsEntry& entry : entries)
        if (Status checked = CheckEntry(sectionName, {TrimBlanks(entry.key), entry.value});
            !checked)
            return checked;
    if (damaged_) return Damaged();

    // A file of plain ASCII is taken for code page 932, the encoding the program always used.
    const bool ascii = encoding_ == TextEncoding::Utf8 &&
                       std::none_of(lines_.begin(), lines_.end(),
                                    [](const Line& line) { return HasNonAscii(line.content); });
    const TextEncoding encoding = ascii ? TextEncoding::Cp932 : encoding_;
    Result<QByteArray> out = WithEncoding(sectionName, entries, encoding, ascii ? QByteArray() : mark_);
    if (out || out.status().code() != StatusCode::Unencodable) return out;
    // UTF-8 that would read as code page 932: the mark keeps it UTF-8.
    if (encoding == TextEncoding::Utf8)
        return WithEncoding(sectionName, entries, TextEncoding::Utf8WithBom,
                            ByteOrderMark(TextEncoding::Utf8WithBom));
    if (encoding != TextEncoding::Cp932) return out;
    // Code page 932 has no mark, and the next read takes code page 932 bytes that are also
    // UTF-8 for UTF-8 when that reading looks likelier. When only that keeps values code page
    // 932 holds from reading back, the whole file goes into UTF-8, with a mark when only the
    // mark keeps it from reading as code page 932.
    const auto holds = [&sectionName](const SettingsEntry& entry) {
        return EncodeWithoutMark(sectionName + entry.key + entry.value, TextEncoding::Cp932).ok();
    };
    if (!std::all_of(entries.begin(), entries.end(), holds)) return out;
    const std::optional<SettingsText> utf8 = InUtf8();
    if (!utf8) return out;
    Result<QByteArray> converted = utf8->WithEncoding(sectionName, entries, TextEncoding::Utf8, {});
    if (converted || converted.status().code() != StatusCode::Unencodable) return converted;
    return utf8->WithEncoding(sectionName, entries, TextEncoding::Utf8WithBom,
                              ByteOrderMark(TextEncoding::Utf8WithBom));
}

std::optional<SettingsText> SettingsText::InUtf8() const {
    SettingsText converted(QByteArray{});
    converted.encoding_ = TextEncoding::Utf8;
    for (const Line& line : lines_) {
        // Bytes that the file's encoding does not give back from their text (stray bytes) are
        // kept only by leaving the file in its encoding.
        const auto own = EncodeWithoutMark(line.text, encoding_);
        if (!own || *own != line.content) return std::nullopt;
        // A line end is the same bytes in code page 932 and in UTF-8.
        converted.lines_.push_back(
            {*EncodeWithoutMark(line.text, TextEncoding::Utf8), line.end, line.text});
    }
    return converted;
}

Result<QByteArray> SettingsText::WithEncoding(const QString& sectionName,
                                              const QList<SettingsEntry>& entries,
                                              TextEncoding encoding, const QByteArray& mark) const {
    std::vector<Line> lines = lines_;
    // New lines take the file's first line end; a file without one gets CR LF.
    QByteArray lineEnd = *EncodeWithoutMark(QStringLiteral(u"\r\n"), encoding);
    const auto ended = std::find_if(lines.begin(), lines.end(),
                                    [](const Line& line) { return !line.end.isEmpty(); });
    if (ended != lines.end()) lineEnd = ended->end;
    const QByteArray cr = *EncodeWithoutMark(QStringLiteral(u"\r"), encoding);
    const QByteArray lf = *EncodeWithoutMark(QStringLiteral(u"\n"), encoding);

    for (const SettingsEntry& entry : entries) {
        const QString key = TrimBlanks(entry.key);
        QStringList texts;
        for (const Line& line : lines) texts.append(line.text);
        const Location found = Find(texts, sectionName, key);
        // A key that already reads as the value keeps its line, spacing and quotes included.
        if (found.key >= 0 && found.value == entry.value) continue;
        // A value that reading would strip of its quotes gets a pair more.
        const QString value = IsQuoted(entry.value) ? u'"' + entry.value + u'"' : entry.value;
        const QString keyText = (found.key >= 0 ? found.keySpelling : key) % u'=' % value;
        const auto keyLine = EncodeWithoutMark(keyText, encoding);
        if (!keyLine) return Unencodable();

        const auto insertAfter = [&](qsizetype index, std::vector<Line> added) {
            if (index >= 0 && lines[index].end.isEmpty()) lines[index].end = lineEnd;
            // A lone CR before an empty line that ends in LF would read as one CR LF and
            // swallow that line: the last added line then ends in CR LF.
            const std::size_t next = std::size_t(index + 1);
            if (next < lines.size() && lines[next].content.isEmpty() && lines[next].end == lf &&
                added.back().end == cr)
                added.back().end = cr + lf;
            lines.insert(lines.begin() + (index + 1), added.begin(), added.end());
        };
        if (found.key >= 0) {
            lines[found.key].content = *keyLine;
            lines[found.key].text = keyText;
        } else if (found.section >= 0) {
            insertAfter(found.lastInSection, {{*keyLine, lineEnd, keyText}});
        } else {
            const QString headerText = u'[' % sectionName % u']';
            const auto header = EncodeWithoutMark(headerText, encoding);
            if (!header) return Unencodable();
            insertAfter(qsizetype(lines.size()) - 1,
                        {{*header, lineEnd, headerText}, {*keyLine, lineEnd, keyText}});
        }
    }

    QByteArray out = mark;
    for (const Line& line : lines) out += line.content + line.end;

    // The new bytes must read as intended: every line as it was or was written, in an encoding
    // the next read recognises.
    const SettingsText written(out);
    const bool same = written.lines_.size() == lines.size() &&
                      std::equal(lines.begin(), lines.end(), written.lines_.begin(),
                                 [](const Line& a, const Line& b) { return a.text == b.text; });
    // Plain ASCII reads alike in every encoding without a mark.
    const bool sameEncoding = written.encoding_ == encoding || !HasNonAscii(out);
    if (!same) return sameEncoding ? Damaged() : EncodingWouldChange();
    return out;
}

}  // namespace velmora
