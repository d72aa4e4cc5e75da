#include "browser/UnitPictureFile.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {

QString UnitPictureFile::Choose(const QString& msStatusPath, const typMsData& record,
                                int shieldChoice, const QStringList& equippedColumn,
                                const ExistsFunction& exists) {
    if (msStatusPath.isEmpty()) return QString();
    const bool shield = shieldChoice == 1;
    // A picture name ending in a lower-case "s" is the unit with its shield.
    QString name = record.ImageName;
    if (!shield && name.endsWith(u's')) name.chop(1);
    QString file = msStatusPath + name + u".img";
    for (qsizetype i = 0; i < equippedColumn.size(); ++i) {
        if (equippedColumn[i] != FlagOn()) continue;
        const QString equipment = msStatusPath + record.ImageBase + u'_' + QString::number(i + 1) +
                                  (shield ? QStringLiteral(u"s.img") : QStringLiteral(u".img"));
        if (exists(equipment)) file = equipment;
    }
    return file;
}

QString UnitPictureFile::Locate(const QString& path) {
    if (path.isEmpty()) return QString();
    const QFileInfo exact(path);
    if (exact.isFile()) return exact.filePath();
    const QString name = exact.fileName();
    if (name.isEmpty()) return QString();
    const QDir folder = exact.dir();
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return folder.filePath(entry);
    }
    return QString();
}

}  // namespace velmora
