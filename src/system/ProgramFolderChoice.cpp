#include "system/ProgramFolderChoice.h"

#include "system/AtomicFile.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {

namespace {

bool HoldsFile(const QString& folder, const QString& name) {
    return QFileInfo(folder + u'/' + name).isFile();
}

}  // namespace

QString ChooseProgramFolder(const QString& executableFolder, const QString& perUserFolder) {
    if (HoldsFile(executableFolder, QStringLiteral(u"setting.ini")) ||
        HoldsFile(executableFolder, QStringLiteral(u"unitdata.csv")))
        return executableFolder;
    // Without a user data folder (no home folder) the executable's folder is all there is.
    return perUserFolder.isEmpty() ? executableFolder : perUserFolder;
}

Status PreparePerUserFolder(const QString& folder) {
    if (!QDir().mkpath(folder))
        return Status::Fail(QStringLiteral(u"フォルダを作成できませんでした。\n") +
                            QDir::toNativeSeparators(folder));
    const QString settings = folder + u"/setting.ini";
    if (QFileInfo::exists(settings)) return Status::Ok();
    // An empty section and nothing else: the start-up then asks for the install folder as usual.
    return WriteFileAtomically(settings, QByteArrayLiteral("[Setting]\r\n"));
}

}  // namespace velmora
