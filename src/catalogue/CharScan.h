#pragma once

#include <QChar>
#include <QStringView>
#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Looks at sixteen characters or bytes of a text at once: its line feeds, the commas between a
// line's fields, and the runs of printable ASCII that most of a catalogue is. With SSE2 (every x86-64
// processor) a few instructions a step; elsewhere the same answers one at a time.
namespace velmora::scan {

// The index of the lowest bit set in mask, which is not 0; one instruction where the compiler
// offers it (std::countr_zero also answers for 0, which costs a test).
inline unsigned LowestBit(unsigned mask) {
#if defined(__GNUC__)
    return unsigned(__builtin_ctz(mask));
#else
    return unsigned(std::countr_zero(mask));
#endif
}

#if defined(__SSE2__)
// Byte i all ones when at[i] is c and zero otherwise, for i in 0..15.
inline __m128i CharBytes16(const char16_t* at, char16_t c) {
    const __m128i wanted = _mm_set1_epi16(short(c));
    const __m128i low =
        _mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), wanted);
    const __m128i high =
        _mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 8)), wanted);
    // Each result is 0 or -1, which packs to one byte without changing.
    return _mm_packs_epi16(low, high);
}
#endif

// Bit i set when at[i] is c, for i in 0..15; reads sixteen characters.
inline unsigned CharMask16(const char16_t* at, char16_t c) {
#if defined(__SSE2__)
    return unsigned(_mm_movemask_epi8(CharBytes16(at, c)));
#else
    unsigned mask = 0;
    for (int i = 0; i < 16; ++i)
        if (at[i] == c) mask |= 1u << i;
    return mask;
#endif
}

// CharMask16, and how many bits of it are set.
inline unsigned CharMask16(const char16_t* at, char16_t c, int& count) {
#if defined(__SSE2__)
    const __m128i found = CharBytes16(at, c);
    // The found bytes as ones, summed per half: no population-count instruction is needed.
    const __m128i sums = _mm_sad_epu8(_mm_and_si128(found, _mm_set1_epi8(1)), _mm_setzero_si128());
    count = _mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4);
    return unsigned(_mm_movemask_epi8(found));
#else
    const unsigned mask = CharMask16(at, c);
    count = std::popcount(mask);
    return mask;
#endif
}

// The index of the first c in text from from on, or -1.
inline qsizetype IndexOf(QStringView text, char16_t c, qsizetype from) {
    const char16_t* const chars = text.utf16();
    qsizetype i = from;
    for (; i + 16 <= text.size(); i += 16)
        if (const unsigned mask = CharMask16(chars + i, c)) return i + LowestBit(mask);
    for (; i < text.size(); ++i)
        if (chars[i] == c) return i;
    return -1;
}

// Writes sixteen bytes from at as characters at out and returns how many of them, from the
// first, are printable ASCII (0x20..0x7E), which every code page reads as itself.
inline int PrintableAsciiPrefix16(const unsigned char* at, QChar* out) {
#if defined(__SSE2__)
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    // As signed bytes, those from 0x80 on are negative and so below the space too.
    const __m128i other = _mm_or_si128(_mm_cmplt_epi8(bytes, _mm_set1_epi8(0x20)),
                                       _mm_cmpeq_epi8(bytes, _mm_set1_epi8(0x7F)));
    const __m128i zero = _mm_setzero_si128();
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(bytes, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(bytes, zero));
    const unsigned stops = unsigned(_mm_movemask_epi8(other));
    return stops == 0 ? 16 : int(LowestBit(stops));
#else
    int run = 16;
    for (int i = 0; i < 16; ++i) {
        out[i] = QChar(char16_t(at[i]));
        if (run == 16 && (at[i] < 0x20 || at[i] >= 0x7F)) run = i;
    }
    return run;
#endif
}

}  // namespace velmora::scan
