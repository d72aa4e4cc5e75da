#include "DesktopPlatform.h"
#include "app/frmMain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The name makes an installed program's data folder; the rest ties the window to its menu
    // entry and icon.
    QApplication::setApplicationName(QStringLiteral(u"Velmora"));
    QGuiApplication::setDesktopFileName(QStringLiteral(u"velmora"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(u"velmora")));
    velmora::DesktopPlatform platform;
    velmora::frmMain w(platform);
    if (!w.Load()) return 1;
    w.show();
    return app.exec();
}
