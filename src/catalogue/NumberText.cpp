#include "catalogue/NumberText.h"

#include <QHash>
#include <cmath>
#include <limits>

namespace velmora::num {

namespace {

// The precision figures have always been written with.
constexpr int kSignificantDigits = 15;

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Length of the number that starts at `from`, 0 when there is none.
qsizetype NumberLength(const QString& text, qsizetype from) {
    qsizetype i = from;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-')) ++i;
    qsizetype digits = 0;
    while (i < n && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-')) ++j;
        qsizetype expDigits = 0;
        while (j < n && IsDigit(text[j])) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0) i = j;
    }
    return i - from;
}

}  // namespace

double Val(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    const qsizetype length = NumberLength(text, start);
    if (length == 0) return 0.0;
    bool ok = false;
    const double value = text.mid(start, length).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

double Whole(double x) { return std::nearbyint(x); }

Result<int> CheckedWholeInt(double x) {
    const double w = Whole(x);
    if (!(std::isfinite(w) && w >= std::numeric_limits<int>::min() &&
          w <= std::numeric_limits<int>::max()))
        return Status::Fail(StatusCode::OutOfRange, QStringLiteral(u"数値が範囲を超えています。"));
    return static_cast<int>(w);
}

int WholeInt(double x) {
    const Result<int> whole = CheckedWholeInt(x);
    return whole ? *whole : 0;
}

long long Half(long long a) { return a / 2; }

bool IsNumeric(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && IsBlank(text[start])) ++start;
    while (end > start && IsBlank(text[end - 1])) --end;
    if (start == end) return false;
    return NumberLength(text, start) == end - start;
}

QString NumberText(double x) {
    if (!std::isfinite(x)) return QStringLiteral("0");
    if (x == std::trunc(x) && std::fabs(x) < 1e15) {
        if (x == 0.0) return QStringLiteral("0");  // no "-0"
        return QString::number(static_cast<long long>(x));
    }
    // 15 significant digits, as "d.dddddddddddddde+XX", then written out without an exponent.
    const QString scientific = QString::number(x, 'e', kSignificantDigits - 1);
    const qsizetype e = scientific.indexOf(u'e');
    const bool negative = scientific.startsWith(u'-');
    QString digits = scientific.left(e).remove(u'-').remove(u'.');
    const int exponent = scientific.mid(e + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0')) digits.chop(1);
    if (digits == u"0") return QStringLiteral("0");

    QString text;
    if (exponent < 0) {
        text = QStringLiteral("0.") + QString(-exponent - 1, u'0') + digits;
    } else if (exponent + 1 >= digits.size()) {
        text = digits + QString(exponent + 1 - digits.size(), u'0');
    } else {
        text = digits.left(exponent + 1) + u'.' + digits.mid(exponent + 1);
    }
    return negative ? u'-' + text : text;
}

QString ReFormat(const QString& text) { return NumberText(Val(text)); }

namespace {

// Full-width katakana and the Japanese punctuation that has a half-width form.
const QHash<QChar, QString>& KatakanaTable() {
    static const QHash<QChar, QString> table = [] {
        QHash<QChar, QString> t;
        const QString full = QStringLiteral(
            u"ァアィイゥウェエォオカキクケコサシスセソタチッツテトナニヌネノハヒフヘホ"
            u"マミムメモャヤュユョヨラリルレロワヲンー。「」、・゛゜");
        const QString half = QStringLiteral(
            u"ｧｱｨｲｩｳｪｴｫｵｶｷｸｹｺｻｼｽｾｿﾀﾁｯﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎ"
            u"ﾏﾐﾑﾒﾓｬﾔｭﾕｮﾖﾗﾘﾙﾚﾛﾜｦﾝｰ｡｢｣､･ﾞﾟ");
        for (qsizetype i = 0; i < full.size(); ++i) t.insert(full[i], QString(half[i]));
        const QString voiced = QStringLiteral(u"ガギグゲゴザジズゼゾダヂヅデドバビブベボ");
        const QString voicedBase = QStringLiteral(u"ｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾊﾋﾌﾍﾎ");
        for (qsizetype i = 0; i < voiced.size(); ++i)
            t.insert(voiced[i], voicedBase[i] + QStringLiteral(u"ﾞ"));
        const QString semi = QStringLiteral(u"パピプペポ");
        const QString semiBase = QStringLiteral(u"ﾊﾋﾌﾍﾎ");
        for (qsizetype i = 0; i < semi.size(); ++i)
            t.insert(semi[i], semiBase[i] + QStringLiteral(u"ﾟ"));
        t.insert(QChar(u'ヴ'), QStringLiteral(u"ｳﾞ"));
        t.insert(QChar(u'　'), QStringLiteral(u" "));
        t.insert(QChar(u'￥'), QStringLiteral(u"\\"));
        t.insert(QChar(u'’'), QStringLiteral(u"'"));
        t.insert(QChar(u'‘'), QStringLiteral(u"`"));
        t.insert(QChar(u'”'), QStringLiteral(u"\""));
        return t;
    }();
    return table;
}

}  // namespace

QString Narrow(const QString& text) {
    QString out;
    out.reserve(text.size());
    const auto& table = KatakanaTable();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E) {
            out += QChar(char16_t(u - 0xFF01 + 0x21));
        } else if (const auto it = table.constFind(c); it != table.constEnd()) {
            out += *it;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace velmora::num
