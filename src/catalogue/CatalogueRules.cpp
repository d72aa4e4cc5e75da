#include "catalogue/CatalogueRules.h"

#include "catalogue/NumberText.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmora::rules {

namespace {

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The marks compared against, measured once rather than at every comparison.
constexpr QStringView kNd = u"nd";
constexpr QStringView kDash = u"－";
constexpr QStringView kCircle = u"○";
constexpr QStringView kTimes = u"×";

// Most catalogue figures are small whole numbers; their texts are made once and shared by
// every record instead of being built per field. They refer to one static buffer without a
// reference count, so copying and dropping them costs nothing.
constexpr int kSharedMin = -999;
constexpr int kSharedMax = 9999;
constexpr qsizetype kSharedSlot = 6;  // "-999" or "9999" and a terminating zero

constexpr int kSharedCount = kSharedMax - kSharedMin + 1;

// The digits of every shared number, worked out by the compiler.
struct SharedDigits {
    char16_t chars[kSharedCount * kSharedSlot] = {};
    qsizetype sizes[kSharedCount] = {};
};

constexpr SharedDigits MakeSharedDigits() {
    SharedDigits digits;
    for (int v = kSharedMin; v <= kSharedMax; ++v) {
        char16_t text[kSharedSlot] = {};
        qsizetype begin = kSharedSlot;
        int rest = v < 0 ? -v : v;
        do {
            text[--begin] = char16_t(u'0' + rest % 10);
            rest /= 10;
        } while (rest > 0);
        if (v < 0) text[--begin] = u'-';
        const int index = v - kSharedMin;
        for (qsizetype i = begin; i < kSharedSlot; ++i)
            digits.chars[index * kSharedSlot + (i - begin)] = text[i];
        digits.sizes[index] = kSharedSlot - begin;
    }
    return digits;
}

constexpr SharedDigits kSharedDigits = MakeSharedDigits();

const QString& SharedNumber(int value) {
    static const std::vector<QString> texts = [] {
        std::vector<QString> t;
        t.reserve(kSharedCount);
        for (int index = 0; index < kSharedCount; ++index) {
            // Without a header the text refers to the digits in place and is never freed.
            auto* chars = const_cast<char16_t*>(kSharedDigits.chars + index * kSharedSlot);
            t.emplace_back(QString::DataPointer(nullptr, chars, kSharedDigits.sizes[index]));
        }
        return t;
    }();
    return texts[size_t(value - kSharedMin)];
}

// True when the field is a whole number in the shared range written the way NumberText
// writes it ("12", "-5"; not "012", "+5" or "-0").
bool IsPlainSharedNumber(QStringView field, int& value) {
    const bool negative = field.startsWith(u'-');
    const qsizetype first = negative ? 1 : 0;
    const qsizetype digits = field.size() - first;
    if (digits < 1 || digits > 4) return false;
    if (field[first] == u'0' && (digits > 1 || negative)) return false;
    int v = 0;
    for (qsizetype i = first; i < field.size(); ++i) {
        if (!IsAsciiDigit(field[i])) return false;
        v = v * 10 + (field[i].unicode() - u'0');
    }
    value = negative ? -v : v;
    return value >= kSharedMin && value <= kSharedMax;
}

// Digits with an optional sign: numeric without asking the general test.
bool IsSignedDigits(QStringView field) {
    const qsizetype first = field.startsWith(u'-') || field.startsWith(u'+') ? 1 : 0;
    if (field.size() == first) return false;
    for (qsizetype i = first; i < field.size(); ++i)
        if (!IsAsciiDigit(field[i])) return false;
    return true;
}

bool IsNumericField(QStringView field) {
    return IsSignedDigits(field) || num::IsNumeric(field.toString());
}

QString ReFormatted(QStringView field) {
    int value = 0;
    if (IsPlainSharedNumber(field, value)) return SharedNumber(value);
    return NumberText(num::Val(field.toString()));
}

// The index of the first c in a short field from from on, or -1: a plain loop costs less than
// a search made for long texts.
qsizetype Find(QStringView field, char16_t c, qsizetype from = 0) {
    for (qsizetype i = from; i < field.size(); ++i)
        if (field[i] == c) return i;
    return -1;
}

QString WithoutTimes(QStringView field) {
    if (!field.contains(u'×')) return Text(field);
    QString out = field.toString();
    out.remove(QChar(u'×'));
    return out;
}

}  // namespace

bool IsMissing(QStringView field) { return field.isEmpty() || field == kNd; }

QString Text(QStringView field) {
    int value = 0;
    return IsPlainSharedNumber(field, value) ? SharedNumber(value) : field.toString();
}

QString CharAt(QStringView field, qsizetype index) {
    return index >= 0 && index < field.size() ? Text(field.mid(index, 1)) : QString();
}

double Value(const QString& text) {
    int value = 0;
    return IsPlainSharedNumber(text, value) ? value : num::Val(text);
}

QString NumberText(double value) {
    if (value == std::trunc(value) && value >= kSharedMin && value <= kSharedMax)
        return SharedNumber(int(value));
    return num::NumberText(value);
}

int Army(QStringView field) {
    if (field == u"ZEON") return 1;
    if (field == u"EFSF") return 0;
    return 2;
}

QString SecondChar(QStringView field) { return CharAt(field, 1); }

QStringView ImageName(QStringView field) {
    const qsizetype slash = Find(field, u'/');
    if (slash < 0) return {};
    // The part after the first slash, up to the next one, has a name when it has a dot.
    for (qsizetype i = slash + 1; i < field.size() && field[i] != u'/'; ++i)
        if (field[i] == u'.') return field.sliced(slash + 1, i - slash - 1);
    return {};
}

QStringView ImageBaseOfName(QStringView name) {
    const qsizetype first = Find(name, u'_');
    if (first < 0) return {};
    const qsizetype second = Find(name, u'_', first + 1);
    if (second < 0 || Find(name, u'_', second + 1) >= 0) return {};
    return name.left(second);
}

QString Weight(QStringView field) { return IsMissing(field) ? QStringLiteral(u"99") : Text(field); }

QString Numeric(QStringView field) {
    return !IsMissing(field) && IsNumericField(field) ? Text(field) : QString();
}

QString MoveType(QStringView field) {
    return IsMissing(field) ? QString() : Text(field.chopped(1));
}

QString Move(QStringView field) {
    if (IsMissing(field)) return QString();
    return IsAsciiDigit(field.back()) ? Text(field.last(1)) : QStringLiteral(u"0");
}

QString MoveArea(QStringView moveType) {
    if (moveType == u"水陸" || moveType == u"地上" || moveType == u"飛行" || moveType == u"地")
        return QStringLiteral(u"地上");
    if (moveType == u"宇宙" || moveType == u"宇") return QStringLiteral(u"宇宙");
    if (moveType == u"汎用" || moveType == u"万能" || moveType == u"汎")
        return QStringLiteral(u"万能汎用");
    return QString();
}

QString Category(QStringView field) {
    if (IsMissing(field)) return QString();
    if (field == u"限定") return QStringLiteral(u"限定生産");
    if (field == u"専用") return QStringLiteral(u"専用機");
    if (field == u"一機") return QStringLiteral(u"一機制限");
    if (field == u"二機") return QStringLiteral(u"二機制限");
    if (field == kDash) return QStringLiteral(u"量産機");
    if (field == u"一N") return QStringLiteral(u"一機・ＮＴ");
    return Text(field);
}

QString WeaponName(QStringView field) {
    if (field == kNd || field == kDash) return QStringLiteral(u"なし");
    return WithoutTimes(field);
}

QString DashDefault(QStringView field) {
    return IsMissing(field) || field == kDash ? QStringLiteral(u"－") : Text(field);
}

QString NumberOrZero(QStringView field) {
    if (IsMissing(field) || field == kDash || !IsNumericField(field)) return QStringLiteral(u"0");
    return ReFormatted(field);
}

QString Shots(QStringView field) {
    if (IsMissing(field) || field == kDash) return QStringLiteral(u"0");
    if (!field.contains(u'×')) return NumberOrZero(field);
    return NumberOrZero(WithoutTimes(field));
}

QString NumberOrDashes(QStringView field) {
    if (IsMissing(field) || field == kDash || !IsNumericField(field)) return QStringLiteral(u"--");
    return ReFormatted(field);
}

QString AntiAir(QStringView field) {
    return field == kTimes ? QStringLiteral(u"×") : QStringLiteral(u"○");
}

QString Detach(QStringView field) {
    if (field == kCircle) return QStringLiteral(u"○");
    if (field == kTimes) return QStringLiteral(u"×");
    return QStringLiteral(u"－");
}

}  // namespace velmora::rules
