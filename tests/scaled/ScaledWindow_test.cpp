// Runs with QT_SCALE_FACTOR set by CTest on a 1920 x 1080 screen: at scale 2 the design does not
// fit, and the window's frames scroll inside a window the screen can hold.
#include "app/frmMain.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFolder.h"
#include "support/UnitLine.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

TEST(ScaledWindow, MinimumSizeFitsTheScreen_andEveryControlScrollsIntoViewByTab) {
    test::TestFolder folder;
    folder.Write(u"unitdata.csv"_s, test::CatalogueBytes({test::UnitLine()}));
    folder.Write(u"game/Image/Ms_status/a.img"_s, QByteArray(152, '\0'));
    folder.Write(u"game/Image/MsLFace/a.img"_s, QByteArray(152, '\0'));
    folder.Write(u"setting.ini"_s,
                 "[Setting]\r\npath=" + folder.FilePath(u"game"_s).toUtf8() + "\r\n");
    test::ScriptedPlatform platform(folder.Path());
    frmMain window(platform);
    ASSERT_TRUE(window.Load());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QSize available = window.screen()->availableGeometry().size();
    EXPECT_LE(window.minimumWidth(), available.width());
    EXPECT_LE(window.minimumHeight(), available.height());
    window.resize(window.minimumSize());
    QApplication::processEvents();

    auto* scroll = window.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    auto* saveLoad = window.findChild<QPushButton*>(u"cmdSaveLoad"_s);
    ASSERT_NE(saveLoad, nullptr);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (int i = 0; i < 80 && QApplication::focusWidget() != saveLoad; ++i)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window,
                        Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), saveLoad);
    QApplication::processEvents();
    const QRect shown(saveLoad->mapTo(scroll->viewport(), QPoint(0, 0)), saveLoad->size());
    EXPECT_TRUE(scroll->viewport()->rect().contains(shown));
}

}  // namespace
}  // namespace velmora
