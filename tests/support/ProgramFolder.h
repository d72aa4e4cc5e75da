#pragma once

#include "support/TestFolder.h"
#include "support/UnitLine.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velmora::test {

// A unit line with the given key, faction code, name and load weight, one weapon (a rifle) and no
// shield.
UnitLine ProgramUnit(const QString& msNo, const QString& army, const QString& name,
                     const QString& weight);

// setting.ini bytes: the lines, code page 932 with CR LF.
QByteArray SettingsBytes(const QStringList& lines);

// Lays a game install folder with one status picture and one face picture under "game" in
// folder; returns its path.
QString MakeInstallFolder(const TestFolder& folder);

}  // namespace velmora::test
