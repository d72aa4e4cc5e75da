#include "catalogue/FieldMap.h"

#include <QHashSeed>

#include <algorithm>
#include <bit>
#include <cstring>

namespace velmora {

namespace {

constexpr int kFirstBits = 6;
// Blocks of key characters grow from small, so that the many small maps of a small file stay
// small.
constexpr qsizetype kFirstBlockChars = 256;
constexpr qsizetype kMaxBlockChars = 32 * 1024;
constexpr std::uint64_t kOdd = 0x9E3779B97F4A7C15ull;

// One word into the hash: the product carries every bit upwards, the rotation brings the top
// bits back down for the next word.
std::uint64_t Mix(std::uint64_t h, std::uint64_t word) { return std::rotl((h ^ word) * kOdd, 29); }

// Four characters as one word, and fewer than four, without a call to the library.
std::uint64_t Word(const char16_t* chars) {
    std::uint64_t word = 0;
    std::memcpy(&word, chars, sizeof word);
    return word;
}
std::uint64_t Tail(const char16_t* chars, qsizetype size) {
    std::uint64_t word = 0;
    for (qsizetype i = 0; i < size; ++i) word |= std::uint64_t(chars[i]) << (16 * i);
    return word;
}

// True when the key's characters are those at kept, of which there are as many.
bool Same(const char16_t* kept, QStringView key) {
    const char16_t* chars = key.utf16();
    qsizetype left = key.size();
    for (; left >= 4; left -= 4, chars += 4, kept += 4)
        if (Word(chars) != Word(kept)) return false;
    for (qsizetype i = 0; i < left; ++i)
        if (chars[i] != kept[i]) return false;
    return true;
}

}  // namespace

FieldMap::FieldMap()
    // A seed of the process, so that no file can be made whose fields all land in one slot.
    : seed_(std::uint64_t(QHashSeed::globalSeed()) * kOdd + 1),
      slots_(size_t(1) << kFirstBits),
      shift_(64 - kFirstBits) {}

std::uint64_t FieldMap::Hash(QStringView key) const {
    const char16_t* chars = key.utf16();
    qsizetype left = key.size();
    std::uint64_t h = Mix(seed_, std::uint64_t(left));
    for (; left >= 4; left -= 4, chars += 4) h = Mix(h, Word(chars));
    if (left > 0) h = Mix(h, Tail(chars, left));
    // The slot comes from the top bits, which every bit of the key reaches.
    return (h ^ (h >> 32)) * kOdd;
}

const std::uint32_t* FieldMap::Find(QStringView key) const {
    const std::uint64_t hash = Hash(key);
    const size_t mask = slots_.size() - 1;
    for (size_t i = SlotOf(hash);; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (!slot.chars) return nullptr;
        if (slot.hash == hash && slot.size == key.size() && Same(slot.chars, key)) return &slot.id;
    }
}

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
