// Runs with QT_SCALE_FACTOR set by CTest (1.5 and 2): the picture keeps its logical size and
// the formation frame's values fit their boxes.
#include "browser/UnitPictureBox.h"
#include "catalogue/clsMsData.h"
#include "formationpanel/FormationPanel.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFolder.h"
#include "system/SettingsFile.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <cmath>

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

qreal Scale() { return QGuiApplication::primaryScreen()->devicePixelRatio(); }

TEST(ScaledScreen, PictureKeepsItsLogicalSizeWithSharpPixels) {
    ASSERT_GT(Scale(), 1.0) << "QT_SCALE_FACTOR is not set";
    QImage image(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) image.setPixel(x, y, qRgb(x, y, 128));
    }
    UnitPictureBox box;
    box.resize(179, 239);
    box.SetImage(image);
    const QImage shown = box.grab().toImage();
    const qreal scale = shown.devicePixelRatio();
    ASSERT_EQ(scale, Scale());
    ASSERT_EQ(shown.width(), int(std::lround(179 * scale)));
    // Logical pixel (x, y) shows image pixel (x, y), every device pixel of it unblended.
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(100, 37), QPoint(178, 200)}) {
        const int left = int(std::ceil(p.x() * scale));
        const int top = int(std::ceil(p.y() * scale));
        const int right = int(std::ceil((p.x() + 1) * scale)) - 1;
        const int bottom = int(std::ceil((p.y() + 1) * scale)) - 1;
        for (const QPoint d : {QPoint(left, top), QPoint(right, bottom)})
            EXPECT_EQ(shown.pixel(d), qRgb(p.x(), p.y(), 128)) << p.x() << "," << p.y();
    }
}

TEST(ScaledScreen, FormationValuesFitTheirBoxesAndStayClearOfTheArrows) {
    ASSERT_GT(Scale(), 1.0) << "QT_SCALE_FACTOR is not set";
    test::TestFolder folder;
    SettingsFile settings(folder.Write(u"setting.ini"_s, "[Setting]\r\npath=\r\n"));
    test::ScriptedPlatform platform(folder.Path());
    clsMsData catalogue;
    FormationPanel panel(catalogue, settings, platform);
    panel.RestoreCommander(5, 99, 99, 3);
    panel.resize(793, 146);
    panel.show();
    QApplication::processEvents();
    for (QLabel* label : panel.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                  label->contentsRect().width())
            << label->objectName().toStdString();
    }
    for (const auto& [value, arrows] : {std::pair{u"lblLevel", u"upLevel"},
                                        {u"lblDecoration", u"upDecoration"},
                                        {u"lblSkill", u"upSkill"}}) {
        auto* label = panel.findChild<QLabel*>(QString::fromUtf16(value));
        auto* spinner = panel.findChild<QWidget*>(QString::fromUtf16(arrows));
        ASSERT_TRUE(label && spinner);
        const int textRight = label->mapTo(&panel, label->contentsRect().topRight()).x();
        EXPECT_LT(textRight, spinner->mapTo(&panel, QPoint(0, 0)).x());
    }
}

}  // namespace
}  // namespace velmora
