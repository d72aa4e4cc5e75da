#pragma once

#include "system/Platform.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

namespace velmora::test {

// A Platform whose answers a test scripts in advance and whose calls it can inspect afterwards.
// Unscripted message boxes answer OK (Yes for questions), input boxes cancel and folder prompts
// cancel.
class ScriptedPlatform : public Platform {
public:
    struct Message {
        QString text;
        QString title;
        MsgStyle style;
    };

    explicit ScriptedPlatform(QString programFolder = QString());

    QString ProgramFolder() const override { return folder; }
    QDateTime Now() const override { return now; }
    MsgAnswer MsgBox(QWidget* owner, const QString& text, const QString& title,
                     MsgStyle style) override;
    std::optional<QString> InputBox(QWidget* owner, const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    QString BrowseFolder(QWidget* owner, const QString& prompt) override;
    void EndProgram() override { ++endProgramCalls; }

    QString folder;
    QDateTime now{QDate(2026, 2, 3), QTime(9, 5)};

    std::deque<MsgAnswer> msgAnswers;                 // next answers for message boxes
    std::deque<std::optional<QString>> inputAnswers;  // next answers for input boxes
    std::deque<QString> folderAnswers;                // next answers for folder prompts
    // Runs inside MsgBox before it returns (a test may look at the window meanwhile).
    std::function<void(const Message&)> onMessage;

    std::vector<Message> messages;
    struct Input {
        QString prompt;
        QString title;
        QString defaultText;
    };
    std::vector<Input> inputs;
    QStringList folderPrompts;
    int endProgramCalls = 0;
};

}  // namespace velmora::test
