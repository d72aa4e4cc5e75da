#pragma once

#include "catalogue/UnitRecord.h"

#include <QString>
#include <QStringList>
#include <ostream>
#include <utility>
#include <vector>

// Failed comparisons show texts, not bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace velmora::test {

using Overrides = std::vector<std::pair<int, QString>>;

// A unit line of exactly 88 fields: an ordinary unit with all seven weapon slots "nd" and no
// shield, with the given columns replaced.
QString UnitLine(const Overrides& overrides = {});

// The columns of weapon k (0 to 6) as overrides: name, attribute, power, shots, four ranges,
// anti-air mark and detach mark.
Overrides Weapon(int k, const QStringList& tenColumns);

// A whole catalogue text: a header line, then the given lines, each ended by CR LF.
QString CatalogueText(const QStringList& unitLines);

// The record that one unit line loads to; fails the calling test when it does not load.
typMsData LoadOne(const QString& unitLine);

}  // namespace velmora::test
