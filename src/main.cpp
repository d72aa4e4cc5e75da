#include "DesktopPlatform.h"
#include "app/frmMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velmora::DesktopPlatform platform;
    velmora::frmMain w(platform);
    if (!w.Load()) return 1;
    w.show();
    return app.exec();
}
