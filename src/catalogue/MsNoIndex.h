#pragma once

#include "catalogue/UnitStore.h"

#include <QStringView>
#include <cstdint>
#include <vector>

namespace velmora {

// The first row of each MsNo of one load. The keys are the store's own names, so a slot holds
// only part of a key's hash and a row: a few bytes a unit, and one hash a look-up.
class MsNoIndex {
public:
    MsNoIndex() = default;
    // Indexes the store's units; an empty MsNo is never indexed.
    explicit MsNoIndex(const UnitStore& units);

    // The first row whose MsNo is msNo in the store that was indexed, or 0.
    int Find(const UnitStore& units, QStringView msNo) const;

private:
    struct Slot {
        std::uint32_t hash = 0;  // the hash's low half
        std::int32_t row = 0;    // 0 for an empty slot
    };

    // The slot that holds msNo, or else the empty slot where it would go.
    size_t SlotOf(const UnitStore& units, QStringView msNo, std::uint64_t hash) const;

    std::uint64_t seed_ = 0;
    std::vector<Slot> slots_;  // a power of two of them, at most half in use
    int shift_ = 64;           // 64 - log2(slots_.size())
};

}  // namespace velmora
