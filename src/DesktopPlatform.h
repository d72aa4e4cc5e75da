#pragma once

#include "system/Platform.h"

namespace velmora {

// The Platform of the desktop program: Qt's standard dialogs, the system clock and the folder
// of the executable.
class DesktopPlatform : public Platform {
public:
    QString ProgramFolder() const override;
    QDateTime Now() const override;
    MsgAnswer MsgBox(QWidget* owner, const QString& text, const QString& title,
                     MsgStyle style) override;
    std::optional<QString> InputBox(QWidget* owner, const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    // Qt's folder dialog has no room for text above the folder tree, so the prompt becomes the
    // dialog's title, its lines joined by blanks.
    QString BrowseFolder(QWidget* owner, const QString& prompt) override;
    // Ends the process at once: no further event of the window is handled. Everything the
    // program keeps was already written when it changed, so nothing is lost.
    void EndProgram() override;
};

}  // namespace velmora
