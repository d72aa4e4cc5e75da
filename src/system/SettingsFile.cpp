#include "system/SettingsFile.h"

#include "system/MessageTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velmora {

SettingsFile::SettingsFile(QString path, FileWriter writer)
    : path_(std::move(path)), writer_(std::move(writer)) {}

bool SettingsFile::Exists() const { return !path_.isEmpty() && QFileInfo(path_).isFile(); }

QString SettingsFile::Read(const QString& section, const QString& key) const {
    if (!Exists()) return QString();
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return QString();
    return SettingsText(bytes).Value(section, key);
}

bool SettingsFile::CanHold(const QString& value, const QString& section, const QString& key) const {
    QFile file(path_);
    if (!Exists() || !file.open(QIODevice::ReadOnly)) return true;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return true;
    return bool(SettingsText(bytes).With(section, {{key, value}}));
}

Status SettingsFile::Write(const QString& value, const QString& section, const QString& key) {
    return WriteKeys(section, {{key, value}});
}

Status SettingsFile::WriteKeys(const QString& section, const QList<SettingsEntry>& entries) {
    const auto fail = [this](const QString& message) {
        return Status::Fail(message % u'\n' % QDir::toNativeSeparators(path_));
    };
    if (!Exists()) return fail(texts::SettingsFileMissing());
    QFile file(path_);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError)
        return fail(QStringLiteral(u"設定ファイルを読み込めません。") % u'\n' % file.errorString());
    file.close();

    const Result<QByteArray> updated = SettingsText(bytes).With(section, entries);
    if (!updated) return fail(updated.status().message());
    const QByteArray& replacement = *updated;
    // Rewriting the same bytes would change nothing but the file's time.
    if (replacement == bytes) return Status::Ok();
    return writer_(path_, replacement);
}

}  // namespace velmora
