#pragma once

#include "support/TestFolder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velmora::test {

// A unit line of exactly 88 fields with the given key, faction code, name and load weight, one
// weapon and no shield.
QString UnitLine(const QString& msNo, const QString& army, const QString& name,
                 const QString& weight);

// unitdata.csv bytes: a header line, then the lines, code page 932 with CR LF.
QByteArray CatalogueBytes(const QStringList& unitLines);

// setting.ini bytes: the lines, code page 932 with CR LF.
QByteArray SettingsBytes(const QStringList& lines);

// Lays a game install folder with one status picture and one face picture under "game" in
// folder; returns its path.
QString MakeInstallFolder(const TestFolder& folder);

}  // namespace velmora::test
