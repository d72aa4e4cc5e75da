#pragma once
#include "catalogue/Status.h"
#include <QByteArray>
#include <QString>
namespace velmora {
Status WriteFileAtomically(const QString& path, const QByteArray& bytes);
}
