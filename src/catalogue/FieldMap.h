#pragma once

#include <QStringView>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace velmora {

namespace fieldmap {

constexpr std::uint64_t kOdd = 0x9E3779B97F4A7C15ull;

// One word into a hash: the product carries every bit upwards, the rotation brings the top bits
// back down for the next word.
inline std::uint64_t Mix(std::uint64_t h, std::uint64_t word) {
    return std::rotl((h ^ word) * kOdd, 29);
}

// Four characters as one word, and fewer than four, without a call to the library.
inline std::uint64_t Word(const char16_t* chars) {
    std::uint64_t word = 0;
    std::memcpy(&word, chars, sizeof word);
    return word;
}
inline std::uint32_t Pair(const char16_t* chars) {
    std::uint32_t pair = 0;
    std::memcpy(&pair, chars, sizeof pair);
    return pair;
}
// One to three characters; reads none beyond them.
inline std::uint64_t Tail(const char16_t* chars, qsizetype size) {
    if (size == 1) return chars[0];
    const std::uint64_t pair = Pair(chars);
    return size == 2 ? pair : pair | std::uint64_t(chars[2]) << 32;
}

// True when the key's characters are those at kept, of which there are as many: a short key
// word by word in place, a long one by the library's comparison, which takes many at a time.
inline bool Same(const char16_t* kept, QStringView key) {
    const char16_t* chars = key.utf16();
    qsizetype left = key.size();
    if (left > 8) return std::memcmp(chars, kept, size_t(left) * sizeof(char16_t)) == 0;
    for (; left >= 4; left -= 4, chars += 4, kept += 4)
        if (Word(chars) != Word(kept)) return false;
    for (qsizetype i = 0; i < left; ++i)
        if (chars[i] != kept[i]) return false;
    return true;
}

// A key's hash from a seed. Keys of one size up to four characters never share a hash: with a
// single word, every step after the seed can be undone.
inline std::uint64_t Hash(std::uint64_t seed, QStringView key) {
    const char16_t* chars = key.utf16();
    qsizetype left = key.size();
    std::uint64_t h = Mix(seed, std::uint64_t(left));
    if (left <= 4) {
        if (left > 0) h = Mix(h, left == 4 ? Word(chars) : Tail(chars, left));
    } else {
        const char16_t* const end = chars + left;
        for (; left > 8; left -= 8, chars += 8) h = Mix(Mix(h, Word(chars)), Word(chars + 4));
        // The last one to eight characters within the key's last eight (all of a shorter key),
        // as two words that may overlap: nothing beyond the key is read.
        h = Mix(Mix(h, Word(key.size() >= 8 ? end - 8 : chars)), Word(end - 4));
    }
    // Every bit of the key reaches the top bits, which pick the slot.
    return (h ^ (h >> 32)) * kOdd;
}

// A seed of the process, so that no file can be made whose keys all land in one slot.
std::uint64_t Seed();

}  // namespace fieldmap

// The ids of the texts seen so far in one load, keyed by a copy of their characters. A catalogue
// looks its repeated fields and weapons up hundreds of thousands of times, so a look-up hashes a
// word of characters at a time and compares them in place.
class FieldMap {
public:
    FieldMap();

    // The id of key, or nullptr when it was never inserted; valid until the next Insert.
    const std::uint32_t* Find(QStringView key) const {
        const std::uint64_t hash = Hash(key);
        const size_t mask = slots_.size() - 1;
        for (size_t i = SlotOf(hash);; i = (i + 1) & mask) {
            const Slot& slot = slots_[i];
            if (!slot.chars) return nullptr;
            // Up to four characters, the hash is a one-to-one function of them.
            if (slot.hash == hash && slot.size == key.size() &&
                (key.size() <= 4 || fieldmap::Same(slot.chars, key)))
                return &slot.id;
        }
    }
    // Adds key, which is not in the map yet.
    void Insert(QStringView key, std::uint32_t id);

private:
    struct Slot {
        std::uint64_t hash = 0;
        const char16_t* chars = nullptr;  // nullptr for an empty slot
        qsizetype size = 0;
        std::uint32_t id = 0;
    };

    std::uint64_t Hash(QStringView key) const { return fieldmap::Hash(seed_, key); }
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
