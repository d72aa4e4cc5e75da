#include "DesktopPlatform.h"
#include "ProgramIcon.h"
#include "app/frmMain.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The name makes an installed program's data folder; the rest ties the window to its menu
    // entry and icon.
    QApplication::setApplicationName(QStringLiteral(u"Velmora"));
    QGuiApplication::setDesktopFileName(QStringLiteral(u"velmora"));
    QApplication::setWindowIcon(velmora::ProgramIcon());
    // Qt's own dialog buttons (OK, Cancel, Yes, No) in Japanese like every other text; without
    // the translations installed they stay in English.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ja"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);
    velmora::DesktopPlatform platform;
    velmora::frmMain w(platform);
    if (!w.Load()) return 1;
    w.show();
    return app.exec();
}
