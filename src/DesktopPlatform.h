#pragma once

#include "system/Platform.h"

namespace velmora {

// The Platform of the desktop program: Qt's standard dialogs, the system clock, and the
// program's folder: the executable's own folder when it is a portable one, else the user's data
// folder.
class DesktopPlatform : public Platform {
public:
    // Chooses the program's folder once (the application's name must be set, it names the user's
    // data folder). A user's data folder that cannot be readied is reported here; the start-up
    // then names that folder in its message about the missing file.
    DesktopPlatform();

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

private:
    QString programFolder_;
};

}  // namespace velmora
