#include "widgets/Twips.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(TwipsToPixels, RoundsToTheNearestPixelOnBothSidesOfZero) {
    EXPECT_EQ(TwipsToPixels(0), 0);
    EXPECT_EQ(TwipsToPixels(15), 1);
    EXPECT_EQ(TwipsToPixels(2715), 181);
    EXPECT_EQ(TwipsToPixels(7), 0);
    EXPECT_EQ(TwipsToPixels(8), 1);
    EXPECT_EQ(TwipsToPixels(22), 1);
    EXPECT_EQ(TwipsToPixels(23), 2);
    EXPECT_EQ(TwipsToPixels(-15), -1);
    EXPECT_EQ(TwipsToPixels(-7), 0);
    EXPECT_EQ(TwipsToPixels(-8), -1);
}

}  // namespace
}  // namespace velmora
