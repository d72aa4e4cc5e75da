#pragma once

#include <QString>

// The tests' one way to write an expected text: S(u"編成") is that text as a QString.
namespace velmora {

inline QString S(const char16_t* text) { return QString::fromUtf16(text); }

}  // namespace velmora
