#include "app/StartUp.h"

#include "catalogue/clsMsData.h"
#include "formation/FormationSettings.h"
#include "system/MessageTexts.h"
#include "system/Platform.h"
#include "system/SettingsFile.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {

namespace {

const QString& kSetting = FormationSettings::Section();

}  // namespace

StartUp::StartUp(Platform& platform, clsMsData& catalogue, SettingsFile& settings)
    : platform_(platform), catalogue_(catalogue), settings_(settings) {}

Result<StartUpResult> StartUp::Run(QWidget* owner) {
    const QString catalogueFile = platform_.ProgramFolder() + u"/unitdata.csv";
    if (!QFileInfo(catalogueFile).isFile()) {
        return Fail(owner,
                    MissingFileMessage(QStringLiteral(u"機体データファイルが見つかりません。"),
                                       platform_.ProgramFolder(), QStringLiteral(u"unitdata.csv")));
    }
    const Status loaded = catalogue_.SetDataSource(catalogueFile);
    if (!loaded) return Fail(owner, loaded.message());

    if (!settings_.Exists()) {
        return Fail(owner,
                    MissingFileMessage(texts::SettingsFileMissing(), platform_.ProgramFolder()));
    }
    StartUpResult result;
    const StoredCommander commander = FormationSettings(settings_).ReadCommander();
    result.rank = commander.rank;
    result.level = commander.level;
    result.decoration = commander.decoration;
    result.skill = commander.skill;

    const QString installFolder = settings_.Read(kSetting, QStringLiteral(u"path"));
    result.msStatusPath = StatusPicturePath(installFolder);
    if (!HasOrdinaryFile(FacePicturePath(installFolder)) || !HasOrdinaryFile(result.msStatusPath)) {
        const QString chosen = ChooseInstallFolder(owner);
        result.installFolderUnknown = chosen.isEmpty();
        if (!chosen.isEmpty()) result.msStatusPath = StatusPicturePath(chosen);
    }
    return result;
}

QString StartUp::FolderPrompt() {
    return QStringLiteral(u"QELのインストールフォルダを指定してください。") + u"\r\n" +
           QStringLiteral(u"[例]") + u'"' + QStringLiteral(u"C:\\Program Files\\Toveri\\QEL2") +
           u'"';
}

QString StartUp::MissingFileMessage(const QString& notFound, const QString& programFolder,
                                    const QString& fileName) {
    const QString file = fileName.isEmpty() ? QString() : u' ' + fileName + u' ';
    return notFound + u'\n' + QStringLiteral(u"次のフォルダに") + file +
           QStringLiteral(u"を置いてください：") + QDir::toNativeSeparators(programFolder);
}

bool StartUp::HasOrdinaryFile(const QString& folder) {
    const QDir dir(folder);
    return dir.exists() && !dir.entryList(QDir::Files).isEmpty();
}

QString StartUp::StatusPicturePath(const QString& installFolder) {
    return installFolder + u"/Image/Ms_status/";
}

QString StartUp::FacePicturePath(const QString& installFolder) {
    return installFolder + u"/Image/MsLFace/";
}

Status StartUp::Fail(QWidget* owner, const QString& message) {
    platform_.MsgBox(owner, message, texts::ErrorTitle(), MsgStyle::Information);
    return Status::Fail(message);
}

QString StartUp::ChooseInstallFolder(QWidget* owner) {
    const QString chosen = platform_.BrowseFolder(owner, FolderPrompt());
    if (chosen.isEmpty()) return chosen;
    // A folder that cannot be remembered is still used for this run.
    const Status written = settings_.Write(chosen, kSetting, QStringLiteral(u"path"));
    if (!written)
        platform_.MsgBox(owner, written.message(), texts::ErrorTitle(), MsgStyle::Information);
    return chosen;
}

QString StartUp::PictureNote() {
    return QStringLiteral(
        u"機体の画像はゲームの導入先フォルダの Image/Ms_status から読み込みます。"
        u"\n\nメニューの「設定」→「ゲームの導入先フォルダ…」で選んでください。");
}

}  // namespace velmora
