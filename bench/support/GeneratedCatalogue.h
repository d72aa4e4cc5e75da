#pragma once

#include <QByteArray>
#include <QString>

// A realistic generated unit catalogue for the benchmarks: code page 932, CR LF, a header and
// `units` unit lines with a game's variety of names, weapons, categories and "nd" fields.
namespace velmora::bench {

QByteArray Catalogue(int units);

// A program folder (made when missing) holding a catalogue of `units` units and a setting.ini
// with a commander and no install folder; false when a file cannot be written.
bool WriteProgramFolder(const QString& folder, int units);

}  // namespace velmora::bench
