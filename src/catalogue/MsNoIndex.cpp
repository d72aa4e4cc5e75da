#include "catalogue/MsNoIndex.h"

#include "catalogue/FieldMap.h"

namespace velmora {

MsNoIndex::MsNoIndex(const UnitStore& units) : seed_(fieldmap::Seed()) {
    int bits = 1;
    while ((size_t(1) << bits) < 2 * size_t(units.UnitCount())) ++bits;
    slots_.resize(size_t(1) << bits);
    shift_ = 64 - bits;
    const size_t mask = slots_.size() - 1;
    for (int row = 1; row <= units.UnitCount(); ++row) {
        const QStringView msNo = units.Name(row, UnitName::MsNo);
        if (msNo.isEmpty()) continue;
        const std::uint64_t hash = fieldmap::Hash(seed_, msNo);
        size_t i = size_t(hash >> shift_);
        // The first line wins: a later row with the same MsNo is left out.
        for (; slots_[i].row != 0; i = (i + 1) & mask)
            if (slots_[i].hash == std::uint32_t(hash) &&
                units.Name(slots_[i].row, UnitName::MsNo) == msNo)
                break;
        if (slots_[i].row == 0) slots_[i] = {std::uint32_t(hash), row};
    }
}

int MsNoIndex::Find(const UnitStore& units, QStringView msNo) const {
    if (slots_.empty() || msNo.isEmpty()) return 0;
    const std::uint64_t hash = fieldmap::Hash(seed_, msNo);
    const size_t mask = slots_.size() - 1;
    for (size_t i = size_t(hash >> shift_); slots_[i].row != 0; i = (i + 1) & mask)
        if (slots_[i].hash == std::uint32_t(hash) &&
            units.Name(slots_[i].row, UnitName::MsNo) == msNo)
            return slots_[i].row;
    return 0;
}

}  // namespace velmora
