#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

class QWidget;

namespace velmora {

enum class MsgStyle {
    Information,
    YesNoQuestion
};  // OK + information icon; Yes/No + question icon
enum class MsgAnswer { OK, Yes, No };

// Everything the program asks of the operating system: message and input boxes, the folder
// prompt, the clock and the program's own folder. The desktop program passes the real one;
// tests pass a scripted one.
class Platform {
public:
    virtual ~Platform() = default;
    virtual QString ProgramFolder() const = 0;  // absolute, no trailing separator
    virtual QDateTime Now() const = 0;          // local date and time
    virtual MsgAnswer MsgBox(QWidget* owner, const QString& text, const QString& title,
                             MsgStyle style) = 0;
    virtual std::optional<QString> InputBox(QWidget* owner, const QString& prompt,
                                            const QString& title,
                                            const QString& defaultText) = 0;  // nullopt: cancelled
    virtual QString BrowseFolder(QWidget* owner, const QString& prompt) = 0;  // "" : cancelled
    virtual void EndProgram() = 0;  // the program must end now
};

}  // namespace velmora
