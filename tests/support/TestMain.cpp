#include <gtest/gtest.h>
#include <QApplication>

// Widget tests need an application object; pure tests do not mind one. The offscreen screen is
// a usual 1920 x 1080 desktop rather than the plugin's own 800 x 600.
int main(int argc, char** argv) {
    const QByteArray offscreen =
        QByteArray("offscreen:configfile=") + VELMORA_TEST_DATA "/offscreen-1920x1080.json";
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    qputenv("QT_QPA_PLATFORM",
            platform.isEmpty() || platform == "offscreen" ? offscreen : platform);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
