#pragma once

#include <QStringView>
#include <cstdint>
#include <memory>
#include <vector>

namespace velmora {

// The ids of the texts seen so far in one load, keyed by a copy of their characters. A catalogue
// looks its repeated fields and weapons up hundreds of thousands of times, so a look-up hashes a
// word of characters at a time and compares them in place.
class FieldMap {
public:
    FieldMap();

    // The id of key, or nullptr when it was never inserted; valid until the next Insert.
    const std::uint32_t* Find(QStringView key) const;
    // Adds key, which is not in the map yet.
    void Insert(QStringView key, std::uint32_t id);

private:
    struct Slot {
        std::uint64_t hash = 0;
        const char16_t* chars = nullptr;  // nullptr for an empty slot
        qsizetype size = 0;
        std::uint32_t id = 0;
    };

    std::uint64_t Hash(QStringView key) const;
    size_t SlotOf(std::uint64_t hash) const { return size_t(hash >> shift_); }
    const char16_t* Keep(QStringView key);
    void Grow();

    std::uint64_t seed_;
    std::vector<Slot> slots_;  // a power of two of them, at most half in use
    int shift_;                // 64 - log2(slots_.size())
    size_t used_ = 0;
    // The keys' characters, in blocks that never move.
    std::vector<std::unique_ptr<char16_t[]>> blocks_;
    char16_t* free_ = nullptr;
    qsizetype room_ = 0;
    qsizetype blockChars_ = 0;  // the size of the last block, unless a key needed more
};

}  // namespace velmora
