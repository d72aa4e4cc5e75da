#include "support/ScriptedPlatform.h"

namespace velmora::test {

ScriptedPlatform::ScriptedPlatform(QString programFolder) : folder(std::move(programFolder)) {}

MsgAnswer ScriptedPlatform::MsgBox(QWidget*, const QString& text, const QString& title,
                                   MsgStyle style) {
    messages.push_back({text, title, style});
    if (onMessage) onMessage(messages.back());
    if (!msgAnswers.empty()) {
        const MsgAnswer answer = msgAnswers.front();
        msgAnswers.pop_front();
        return answer;
    }
    return style == MsgStyle::YesNoQuestion ? MsgAnswer::Yes : MsgAnswer::OK;
}

std::optional<QString> ScriptedPlatform::InputBox(QWidget*, const QString& prompt,
                                                  const QString& title,
                                                  const QString& defaultText) {
    inputs.push_back({prompt, title, defaultText});
    if (inputAnswers.empty()) return std::nullopt;
    auto answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

QString ScriptedPlatform::BrowseFolder(QWidget*, const QString& prompt) {
    folderPrompts.append(prompt);
    if (folderAnswers.empty()) return QString();
    QString answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
}

}  // namespace velmora::test
