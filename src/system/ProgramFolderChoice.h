#pragma once

#include "catalogue/Status.h"

#include <QString>

namespace velmora {

// Where the desktop program keeps unitdata.csv and setting.ini. A folder beside the executable
// that holds either file is a portable folder and stays the program's folder; an installed
// program (nothing beside it) uses the user's data folder instead. Needs QtCore only.
QString ChooseProgramFolder(const QString& executableFolder, const QString& perUserFolder);

// Readies the user's data folder on a first start: makes the folder and, when setting.ini is
// missing, one holding only an empty "Setting" section. Fails naming the folder or the file.
Status PreparePerUserFolder(const QString& folder);

}  // namespace velmora
