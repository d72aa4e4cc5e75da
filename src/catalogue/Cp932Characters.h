#pragma once

// Code page 932 as the converter decodes it, compiled into the program from the table the tests
// hold both converters to (tests/data/cp932/windows-31j.txt) by tools/make-cp932-characters.py,
// so that decoding ordinary text needs no converter at all.
namespace velmora::cp932 {

// The character of each byte from 80 to FF standing alone; 0 for lead bytes.
extern const char16_t kSingleCharacters[128];
// The character of each lead byte (81 to 9F, E0 to FC) with each trail byte (40 to 7E, 80 to
// FC); U+FFFD where the pair has none.
extern const char16_t kPairCharacters[60][188];

}  // namespace velmora::cp932
