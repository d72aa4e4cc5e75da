#pragma once

#include <QByteArray>

// A realistic generated unit catalogue for the benchmarks: code page 932, CR LF, a header and
// `units` unit lines with a game's variety of names, weapons, categories and "nd" fields.
namespace velmora::bench {

QByteArray Catalogue(int units);

}  // namespace velmora::bench
