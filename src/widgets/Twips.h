#pragma once

#include <QRect>

// The window was designed in twips; at 96 dots per inch 15 twips make one pixel.
namespace velmora {

inline constexpr int kTwipsPerPixel = 15;

// The nearest whole pixel. Every design figure is a multiple of 15, so the rounding only
// matters for figures computed from them.
constexpr int TwipsToPixels(int twips) {
    const int half = kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

// A design rectangle in twips as pixels.
constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

}  // namespace velmora
