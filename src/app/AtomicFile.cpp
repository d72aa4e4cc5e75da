#include "app/AtomicFile.h"
namespace velmora {
Status WriteFileAtomically(const QString&, const QByteArray&) { return Status::Fail(QString()); }
}
