#include "app/WindowGeometry.h"

#include "system/SettingsFile.h"

#include <QStringList>

namespace velmora {

namespace {

const QString& Section() {
    static const QString section = QStringLiteral("Window");
    return section;
}

Result<int> Number(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok) return Status::Fail(QStringLiteral(u"整数として読めません。"));
    return value;
}

// A title strip this high, and at least this much of it on a screen, can be grabbed.
constexpr int kTitleHeight = 24;
constexpr int kGrabWidth = 64;
// Sizes beyond any screen of today are damage, not a window.
constexpr int kLargest = 32767;

}  // namespace

WindowGeometry WindowGeometry::Read(const SettingsFile& settings) {
    WindowGeometry geometry;
    const auto read = [&settings](const char16_t* key) {
        return settings.Read(Section(), QString::fromUtf16(key));
    };
    const auto left = Number(read(u"left"));
    const auto top = Number(read(u"top"));
    const auto width = Number(read(u"width"));
    const auto height = Number(read(u"height"));
    if (left && top && width && height && *width > 0 && *height > 0 && *width <= kLargest &&
        *height <= kLargest && qAbs(*left) <= kLargest && qAbs(*top) <= kLargest)
        geometry.normal = QRect(*left, *top, *width, *height);
    geometry.maximized = read(u"maximized").trimmed() == u"1";
    const QString columns = read(u"columns");
    if (!columns.isEmpty()) {
        for (const QString& text : columns.split(u',')) {
            const auto width = Number(text);
            if (!width || *width < 0 || *width > kLargest) {
                geometry.columnWidths.clear();
                break;
            }
            geometry.columnWidths.append(*width);
        }
    }
    return geometry;
}

Status WindowGeometry::Write(SettingsFile& settings) const {
    if (!settings.Exists()) return Status::Ok();
    QList<SettingsEntry> keys;
    if (normal) {
        keys.append({QStringLiteral("left"), QString::number(normal->left())});
        keys.append({QStringLiteral("top"), QString::number(normal->top())});
        keys.append({QStringLiteral("width"), QString::number(normal->width())});
        keys.append({QStringLiteral("height"), QString::number(normal->height())});
    }
    keys.append(
        {QStringLiteral("maximized"), maximized ? QStringLiteral("1") : QStringLiteral("0")});
    if (!columnWidths.isEmpty()) {
        QStringList texts;
        for (int width : columnWidths) texts.append(QString::number(width));
        keys.append({QStringLiteral("columns"), texts.join(u',')});
    }
    // One replacement of the file, and none when every value is already there.
    return settings.WriteKeys(Section(), keys);
}

bool WindowGeometry::IsOnScreen(const QRect& rect, const QList<QRect>& screens) {
    const QRect title(rect.left(), rect.top(), rect.width(), qMin(kTitleHeight, rect.height()));
    for (const QRect& screen : screens) {
        const QRect seen = title.intersected(screen);
        if (seen.width() >= qMin(kGrabWidth, rect.width()) && seen.height() >= 1) return true;
    }
    return false;
}

QSize WindowGeometry::FittingMinimum(const QSize& wanted, const QSize& available,
                                     const QMargins& frame) {
    const QSize room(available.width() - frame.left() - frame.right(),
                     available.height() - frame.top() - frame.bottom());
    return wanted.boundedTo(room.expandedTo(QSize(1, 1)));
}

}  // namespace velmora
