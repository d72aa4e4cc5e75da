#pragma once

#include "catalogue/UnitRecord.h"

#include <QStringView>
#include <array>

namespace velmora {

// One unit line of the catalogue: splits it into its comma-separated fields (no quoting of any
// kind) and turns them into a unit record, adding back the loads of the equipment the
// catalogue's evasion and pre-emption already include. The views point into the line, which
// must outlive the object's use.
class CatalogueLine {
public:
    // Fields a unit line must have; fields after the last of them are not read.
    static constexpr int kFieldCount = 88;

    // Splits line; true when it has at least kFieldCount fields. FieldCount() then tells how
    // many it had (counting stops at kFieldCount).
    bool Split(QStringView line);
    int FieldCount() const { return fieldCount_; }

    // Fills unit, an empty record, from the fields of a line that Split accepted.
    void Fill(typMsData& unit) const;

private:
    QStringView Field(int column) const { return fields_[size_t(column)]; }
    void FillWeapon(typWeapon& weapon, int firstColumn) const;

    std::array<QStringView, kFieldCount> fields_;
    int fieldCount_ = 0;
};

}  // namespace velmora
