#pragma once

#include "catalogue/Status.h"

#include <QList>
#include <QMargins>
#include <QRect>
#include <QString>
#include <optional>

namespace velmora {

class SettingsFile;

// The window's place and the unit list's column widths as kept in the [Window] section of
// setting.ini, a section the old program never reads. Texts that do not make a sound value
// are ignored key by key.
struct WindowGeometry {
    std::optional<QRect> normal;  // the window's client rectangle when not maximised
    bool maximized = false;
    QList<int> columnWidths;  // the unit list's columns in model order, hidden ones included

    // The section as it stands; whatever is missing stays unset.
    static WindowGeometry Read(const SettingsFile& settings);
    // Writes the section in one replacement of the file; nothing when every value is already
    // there or when the file is missing.
    Status Write(SettingsFile& settings) const;

    // True when the title strip of a window at `rect` lies enough on one of the screens to be
    // grabbed with the mouse.
    static bool IsOnScreen(const QRect& rect, const QList<QRect>& screens);

    // The window's minimum size: the size it wants, but never more than the available area of
    // its screen leaves once the window's frame is counted.
    static QSize FittingMinimum(const QSize& wanted, const QSize& available, const QMargins& frame);
};

}  // namespace velmora
