#include "DesktopPlatform.h"

#include "system/MessageTexts.h"
#include "system/ProgramFolderChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

namespace velmora {

DesktopPlatform::DesktopPlatform()
    : programFolder_(
          ChooseProgramFolder(QCoreApplication::applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))) {
    if (programFolder_ == QCoreApplication::applicationDirPath()) return;
    const Status prepared = PreparePerUserFolder(programFolder_);
    if (!prepared) MsgBox(nullptr, prepared.message(), texts::ErrorTitle(), MsgStyle::Information);
}

QString DesktopPlatform::ProgramFolder() const { return programFolder_; }

QDateTime DesktopPlatform::Now() const { return QDateTime::currentDateTime(); }

MsgAnswer DesktopPlatform::MsgBox(QWidget* owner, const QString& text, const QString& title,
                                  MsgStyle style) {
    const bool question = style == MsgStyle::YesNoQuestion;
    QMessageBox box(question ? QMessageBox::Question : QMessageBox::Information, title, text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
    const int answer = box.exec();
    if (!question) return MsgAnswer::OK;
    return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

std::optional<QString> DesktopPlatform::InputBox(QWidget* owner, const QString& prompt,
                                                 const QString& title, const QString& defaultText) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(owner, title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok) return std::nullopt;
    return answer;
}

QString DesktopPlatform::BrowseFolder(QWidget* owner, const QString& prompt) {
    const QString caption = QString(prompt).replace(QStringLiteral(u"\r\n"), QStringLiteral(u"  "));
    const QString folder = QFileDialog::getExistingDirectory(owner, caption);
    return folder.isEmpty() ? QString() : QDir::toNativeSeparators(folder);
}

void DesktopPlatform::EndProgram() {
    std::fflush(nullptr);
    // _Exit, not quick_exit: the mingw runtime of the Windows build has no quick_exit, and no
    // at_quick_exit handler is registered anyway.
    std::_Exit(EXIT_FAILURE);
}

}  // namespace velmora
