#pragma once

#include <QByteArray>

// A plain catalogue for the formation benchmarks (UTF-8, CR LF): `units` units numbered from 0
// whose loads, HP and one-unit marks repeat, so that many formation rows tie.
namespace velmora::bench {

QByteArray FormationCatalogue(int units);

}  // namespace velmora::bench
