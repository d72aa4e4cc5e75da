#pragma once

#include "catalogue/UnitRecord.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace velmora {

// Which picture file shows a unit in its shield and equipment state, and where that file is.
class UnitPictureFile {
public:
    using ExistsFunction = std::function<bool(const QString& path)>;

    // msStatusPath ends with a separator. shieldChoice: 0 "盾なし", 1 "盾あり". equippedColumn:
    // column 11 of weapon rows 1, 2, ... ("1" = equipped). An equipment picture replaces the
    // unit's own picture only when it exists; of several, the last existing one wins. Empty when
    // there is no picture folder.
    static QString Choose(const QString& msStatusPath, const typMsData& record, int shieldChoice,
                          const QStringList& equippedColumn, const ExistsFunction& exists);

    // The ordinary file at path; when that exact name is missing, a file of its folder whose
    // name differs only in case (the game's files come from a case-insensitive file system).
    // Empty when there is neither.
    static QString Locate(const QString& path);
};

}  // namespace velmora
