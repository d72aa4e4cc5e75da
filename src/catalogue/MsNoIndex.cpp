#include "catalogue/MsNoIndex.h"

#include "catalogue/FieldMap.h"

namespace velmora {

inline size_t MsNoIndex::SlotOf(const UnitStore& units, QStringView msNo,
                                std::uint64_t hash) const {
    const size_t mask = slots_.size() - 1;
    size_t i = size_t(hash >> shift_);
    for (; slots_[i].row != 0; i = (i + 1) & mask)
        if (slots_[i].hash == std::uint32_t(hash) &&
            units.Name(slots_[i].row, UnitName::MsNo) == msNo)
            break;
    return i;
}

MsNoIndex::MsNoIndex(const UnitStore& units) : seed_(fieldmap::Seed()) {
    int bits = 1;
    while ((size_t(1) << bits) < 2 * size_t(units.UnitCount())) ++bits;
    slots_.resize(size_t(1) << bits);
    shift_ = 64 - bits;
    for (int row = 1; row <= units.UnitCount(); ++row) {
        const QStringView msNo = units.Name(row, UnitName::MsNo);
        if (msNo.isEmpty()) continue;
        const std::uint64_t hash = fieldmap::Hash(seed_, msNo);
        // The first line wins: a later row with the same MsNo is left out.
        Slot& slot = slots_[SlotOf(units, msNo, hash)];
        if (slot.row == 0) slot = {std::uint32_t(hash), row};
    }
}

int MsNoIndex::Find(const UnitStore& units, QStringView msNo) const {
    if (slots_.empty() || msNo.isEmpty()) return 0;
    return slots_[SlotOf(units, msNo, fieldmap::Hash(seed_, msNo))].row;
}

}  // namespace velmora
