#pragma once

#include <QByteArrayView>
#include <QChar>
#include <array>
#include <vector>

namespace velmora {

// A code page 932 decoder driven by a table of the characters compiled into the program
// (Cp932Characters), which the tests hold to the converter: valid text decodes several times
// faster than through the converter and exactly as it would, without starting it. Bytes the
// table does not hold are left to the converter.
class Cp932Table {
public:
    Cp932Table();

    // Writes the text of bytes at out and returns its end, or nullptr when the bytes hold a
    // sequence the table does not know (a lead byte without its trail byte, an unmapped pair):
    // the caller then decodes them with the converter. out needs room for bytes.size() characters.
    QChar* Decode(QByteArrayView bytes, QChar* out) const;

    // Lead-and-trail pairs the table holds.
    int PairCount() const;

private:
    static constexpr int kLead = -1;

    std::array<int, 256> single_{};  // the character of a byte standing alone, or kLead
    std::vector<char16_t> pairs_;    // the lead and trail bytes as a word -> character; 0 when none
};

}  // namespace velmora
