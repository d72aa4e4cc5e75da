#include "ProgramIcon.h"

#include <gtest/gtest.h>
#include <QImage>

namespace velmora {
namespace {

// The icon offers its four sizes and gives each asked-for size from the nearest picture that is
// at least as large, never larger than asked.
TEST(ProgramIcon, GivesEachSizeFromItsOwnPicture) {
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(),
              QList<QSize>({QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64)}));
    for (const int side : {16, 24, 32, 64, 128}) {
        const QPixmap pixmap = icon.pixmap(QSize(side, side));
        ASSERT_FALSE(pixmap.isNull()) << side;
        EXPECT_EQ(pixmap.width(), std::min(side, 64)) << side;
    }
    const QPixmap own(QStringLiteral(u":/icons/velmora-32.png"));
    ASSERT_FALSE(own.isNull());
    EXPECT_EQ(icon.pixmap(QSize(32, 32)).toImage(), own.toImage());
}

}  // namespace
}  // namespace velmora
