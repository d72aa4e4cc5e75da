#pragma once

#include <QIcon>

namespace velmora {

// The window icon in every size the program carries in its resources (velmora_add_icon).
inline QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(u":/icons/velmora-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace velmora
