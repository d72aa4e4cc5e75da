#include "catalogue/FieldMap.h"

#include <QHashSeed>

#include <algorithm>

namespace velmora {

namespace {

constexpr int kFirstBits = 6;
// Blocks of key characters grow from small, so that the many small maps of a small file stay
// small.
constexpr qsizetype kFirstBlockChars = 256;
constexpr qsizetype kMaxBlockChars = 32 * 1024;

}  // namespace

std::uint64_t fieldmap::Seed() { return std::uint64_t(QHashSeed::globalSeed()) * kOdd + 1; }

FieldMap::FieldMap()
    : seed_(fieldmap::Seed()),
      slots_(size_t(1) << kFirstBits),
      shift_(64 - kFirstBits) {}

void FieldMap::Insert(QStringView key, std::uint32_t id) {
    if (2 * (used_ + 1) > slots_.size()) Grow();
    const std::uint64_t hash = Hash(key);
    const size_t mask = slots_.size() - 1;
    size_t i = SlotOf(hash);
    while (slots_[i].chars) i = (i + 1) & mask;
    slots_[i] = {hash, Keep(key), key.size(), id};
    ++used_;
}

const char16_t* FieldMap::Keep(QStringView key) {
    // An empty key still needs a place to point at, to tell its slot from an empty one.
    const qsizetype size = std::max<qsizetype>(key.size(), 1);
    if (size > room_) {
        const qsizetype grown = blocks_.empty() ? kFirstBlockChars : 2 * blockChars_;
        blockChars_ = std::min(grown, kMaxBlockChars);
        const qsizetype block = std::max(size, blockChars_);
        blocks_.push_back(std::make_unique_for_overwrite<char16_t[]>(size_t(block)));
        free_ = blocks_.back().get();
        room_ = block;
    }
    char16_t* const chars = free_;
    std::copy(key.utf16(), key.utf16() + key.size(), chars);
    free_ += size;
    room_ -= size;
    return chars;
}

void FieldMap::Grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    --shift_;
    const size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (!slot.chars) continue;
        size_t i = SlotOf(slot.hash);
        while (slots_[i].chars) i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

}  // namespace velmora
