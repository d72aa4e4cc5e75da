#pragma once

#include <QIcon>

namespace velmora {

// The window icon from the program's resources (velmora_add_icon): the sizes a title bar and a
// task switcher show. Each is decoded when added, so the large ones, which the desktop takes from
// the installed icon theme, stay out.
inline QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(u":/icons/velmora-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace velmora
