#include "app/SettingsFile.h"
namespace velmora {
SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {}
bool SettingsFile::Exists() const { return false; }
QString SettingsFile::Read(const QString&, const QString&) const { return QString(); }
Status SettingsFile::Write(const QString&, const QString&, const QString&) { return Status::Fail(QString()); }
}
