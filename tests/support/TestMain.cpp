#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>

// Widget tests need an application object; pure tests do not mind one. The offscreen screen is
// a usual 1920 x 1080 desktop rather than the plugin's own 800 x 600.
int main(int argc, char** argv) {
    // The plugin's options are separated by colons: a path with a drive letter goes relative.
    QString config = QStringLiteral(VELMORA_TEST_DATA "/offscreen-1920x1080.json");
    if (config.contains(u':')) config = QDir().relativeFilePath(config);
    const QByteArray offscreen = config.contains(u':')
                                     ? QByteArray("offscreen")
                                     : "offscreen:configfile=" + config.toLocal8Bit();
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    qputenv("QT_QPA_PLATFORM",
            platform.isEmpty() || platform == "offscreen" ? offscreen : platform);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
