#pragma once

#include "catalogue/CatalogueRules.h"
#include "catalogue/TextPool.h"
#include "catalogue/UnitRecord.h"

#include <QStringView>
#include <array>

namespace velmora {

// One unit line of the catalogue: splits it into its comma-separated fields (no quoting of any
// kind) and turns them into a unit record, adding back the loads of the equipment the
// catalogue's evasion and pre-emption already include. The views point into the line, which
// must outlive the object's use. Texts that repeat from unit to unit are shared by all the
// records one object fills.
class CatalogueLine {
public:
    // Fields a unit line must have; fields after the last of them are not read.
    static constexpr int kFieldCount = 88;

    // Splits line; true when it has at least kFieldCount fields. FieldCount() then tells how
    // many it had (counting stops at kFieldCount).
    bool Split(QStringView line);
    int FieldCount() const { return fieldCount_; }

    // Fills unit, an empty record, from the fields of a line that Split accepted.
    void Fill(typMsData& unit);

private:
    QStringView Field(int column) const { return fields_[size_t(column)]; }
    void FillWeapon(typWeapon& weapon, int firstColumn);

    std::array<QStringView, kFieldCount> fields_;
    int fieldCount_ = 0;
    TextPool texts_{rules::Text};
    TextPool moveTypes_{rules::MoveType};
    TextPool categories_{rules::Category};
    TextPool weaponNames_{rules::WeaponName};
    TextPool attributes_{rules::DashDefault};
    TextPool shots_{rules::Shots};
};

}  // namespace velmora
