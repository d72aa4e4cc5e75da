#include "catalogue/clsMsData.h"
namespace velmora {
Status clsMsData::SetDataSource(const QString&) { return Status::Ok(); }
Status clsMsData::LoadFromBytes(const QByteArray&) { return Status::Ok(); }
int clsMsData::UnitCount() const { return rows_.empty() ? 0 : int(rows_.size()) - 1; }
QString clsMsData::get配備名(int) const { return QString(); }
typMsData clsMsData::GetMsData(const QString&) const { return typMsData(); }
const typMsData* clsMsData::FindMsData(const QString&) const { return nullptr; }
}
