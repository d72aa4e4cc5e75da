#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <array>
#include <functional>
#include <vector>

namespace velmora {

// A code page 932 decoder driven by a table that the program's own converter fills: every byte
// that stands alone at once, and the pairs of a lead byte with every trail byte when that lead
// byte first comes up, so that a small file pays only for the rows it uses. Valid text decodes
// several times faster than through the converter and exactly as it would; bytes the table does
// not hold are left to the converter. One object serves one thread.
class Cp932Table {
public:
    using Converter = std::function<QString(QByteArrayView)>;

    // Fills the single bytes from converter, which decodes a whole block of bytes without state.
    explicit Cp932Table(Converter converter);

    // Writes the text of bytes at out and returns its end, or nullptr when the bytes hold a
    // sequence the table does not know (a lead byte without its trail byte, an unmapped pair):
    // the caller then decodes them with the converter. out needs room for bytes.size() characters.
    QChar* Decode(QByteArrayView bytes, QChar* out);

    // Lead-and-trail pairs the table holds so far.
    int PairCount() const;

private:
    static constexpr int kUnknown = -1;
    static constexpr int kLead = -2;

    // Fills the pairs of lead byte lead.
    void FillRow(uchar lead);

    Converter converter_;
    std::array<int, 256> single_{};  // the character of a byte standing alone, or kLead
    std::array<bool, 256> rowFilled_{};
    std::vector<char16_t> pairs_;    // the lead and trail bytes as a word -> character; 0 when unknown
    bool printableAsciiIsItself_ = false;
};

}  // namespace velmora
