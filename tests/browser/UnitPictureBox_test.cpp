#include "browser/UnitPictureBox.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// A 256 x 256 picture with a distinct colour at every pixel of interest.
QImage Pattern() {
    QImage image(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) image.setPixel(x, y, qRgb(x, y, (x + y) % 256));
    }
    return image;
}

TEST(UnitPictureBox, GrabShowsImagePixelsAtTheirOwnPositionsCutAtTheEdges) {
    UnitPictureBox box;
    box.resize(179, 239);
    box.SetImage(Pattern());
    const QImage shown = box.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(179, 239));
    for (const QPoint p :
         {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(178, 238), QPoint(100, 37)}) {
        EXPECT_EQ(shown.pixel(p), qRgb(p.x(), p.y(), (p.x() + p.y()) % 256))
            << p.x() << "," << p.y();
    }
}

TEST(UnitPictureBox, ClearedOrLargerThanThePictureShowsBlack) {
    UnitPictureBox box;
    box.resize(300, 300);
    box.SetImage(Pattern());
    QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.pixel(255, 255), qRgb(255, 255, 254));
    EXPECT_EQ(shown.pixel(256, 10), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(10, 299), qRgb(0, 0, 0));
    box.Clear();
    shown = box.grab().toImage();
    EXPECT_EQ(shown.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(100, 100), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace velmora
