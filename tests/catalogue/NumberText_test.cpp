#include "catalogue/NumberText.h"

#include "support/QtPrinters.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace velmora::num {
namespace {

TEST(NumberTextVal, ReadsTheLeadingNumber) {
    EXPECT_EQ(Val(S(u"12")), 12.0);
    EXPECT_EQ(Val(S(u"  -7abc")), -7.0);
    EXPECT_EQ(Val(S(u"+3")), 3.0);
    EXPECT_EQ(Val(S(u"1.5x")), 1.5);
    EXPECT_EQ(Val(S(u".5")), 0.5);
    EXPECT_EQ(Val(S(u"5.")), 5.0);
    EXPECT_EQ(Val(S(u"2e3")), 2000.0);
    EXPECT_EQ(Val(S(u"2e")), 2.0);
    EXPECT_EQ(Val(S(u"08")), 8.0);
}

TEST(NumberTextVal, NoLeadingNumberReadsAsZero) {
    EXPECT_EQ(Val(QString()), 0.0);
    EXPECT_EQ(Val(S(u"nd")), 0.0);
    EXPECT_EQ(Val(S(u"--")), 0.0);
    EXPECT_EQ(Val(S(u"－5")), 0.0);
    EXPECT_EQ(Val(S(u".")), 0.0);
    EXPECT_EQ(Val(S(u"１")), 0.0);
    EXPECT_EQ(Val(S(u"1e999")), 0.0);
}

TEST(NumberTextWhole, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(Whole(2.5), 2.0);
    EXPECT_EQ(Whole(3.5), 4.0);
    EXPECT_EQ(Whole(-2.5), -2.0);
    EXPECT_EQ(Whole(2.4), 2.0);
    EXPECT_EQ(Whole(2.6), 3.0);
    EXPECT_EQ(WholeInt(1e12), 0);
    EXPECT_FALSE(CheckedWholeInt(1e12).ok());
    EXPECT_EQ(WholeInt(-4.5), -4);
    EXPECT_TRUE(CheckedWholeInt(-4.5).ok());
}

TEST(NumberTextHalf, TruncatesTowardsZero) {
    EXPECT_EQ(Half(5), 2);
    EXPECT_EQ(Half(-5), -2);
    EXPECT_EQ(Half(1), 0);
    EXPECT_EQ(Half(4), 2);
}

TEST(NumberTextIsNumeric, WholeTextMustBeOneNumber) {
    for (const char16_t* yes :
         {u"0", u"08", u" 12 ", u"-3", u"+3", u"1.5", u"1.", u".5", u"1e3", u"1E-2", u"\t4"})
        EXPECT_TRUE(IsNumeric(S(yes))) << S(yes).toStdString();
    for (const char16_t* no :
         {u"", u" ", u"nd", u"--", u"-", u".", u"1a", u"1e", u"1 2", u"－", u"×2", u"１"})
        EXPECT_FALSE(IsNumeric(S(no))) << S(no).toStdString();
}

TEST(NumberTextFormat, PlainDecimalText) {
    EXPECT_EQ(NumberText(8), S(u"8"));
    EXPECT_EQ(NumberText(-12), S(u"-12"));
    EXPECT_EQ(NumberText(1.5), S(u"1.5"));
    EXPECT_EQ(NumberText(-0.0), S(u"0"));
    EXPECT_EQ(NumberText(1234567), S(u"1234567"));
    EXPECT_EQ(ReFormat(S(u"08")), S(u"8"));
    EXPECT_EQ(ReFormat(S(u"1.50")), S(u"1.5"));
    EXPECT_EQ(ReFormat(S(u" +007 ")), S(u"7"));
    EXPECT_EQ(ReFormat(S(u"-0")), S(u"0"));
    EXPECT_EQ(ReFormat(S(u"nd")), S(u"0"));
}

TEST(NumberTextFormat, FifteenSignificantDigitsWithoutBinaryNoiseOrExponent) {
    EXPECT_EQ(NumberText(1.1 * 3), S(u"3.3"));
    EXPECT_EQ(NumberText(0.7 * 3), S(u"2.1"));
    EXPECT_EQ(NumberText(0.1 * 3), S(u"0.3"));
    EXPECT_EQ(NumberText(10.3 - 3), S(u"7.3"));
    EXPECT_EQ(NumberText(-0.1 * 3), S(u"-0.3"));
    EXPECT_EQ(NumberText(0.1 + 0.2 - 0.3), S(u"0.0000000000000000555111512312578"));
    EXPECT_EQ(NumberText(2.0000000000000004), S(u"2"));
    EXPECT_EQ(NumberText(123456.7890123456), S(u"123456.789012346"));
    EXPECT_EQ(NumberText(1.5e-7), S(u"0.00000015"));
    EXPECT_EQ(NumberText(1e20), S(u"100000000000000000000"));
    EXPECT_EQ(NumberText(1234567890123456789.0), S(u"1234567890123460000"));
    EXPECT_EQ(NumberText(1e300 * 1e10), S(u"0"));
}

TEST(NumberTextNarrow, FullWidthLettersDigitsAndSpace) {
    EXPECT_EQ(Narrow(S(u"ＲＸ－７８　ｇｐ")), S(u"RX-78 gp"));
    EXPECT_EQ(Narrow(S(u"３")), S(u"3"));
    EXPECT_EQ(Narrow(S(u"！～")), S(u"!~"));
}

TEST(NumberTextNarrow, KatakanaIncludingVoicedMarks) {
    EXPECT_EQ(Narrow(S(u"ガーディアン")), S(u"ｶﾞｰﾃﾞｨｱﾝ"));
    EXPECT_EQ(Narrow(S(u"パーフェクト")), S(u"ﾊﾟｰﾌｪｸﾄ"));
    EXPECT_EQ(Narrow(S(u"ヴァルカ")), S(u"ｳﾞｧﾙｶ"));
    EXPECT_EQ(Narrow(S(u"「ザルガ」、・。")), S(u"｢ｻﾞﾙｶﾞ｣､･｡"));
}

TEST(NumberTextNarrow, OtherCharactersUnchanged) {
    EXPECT_EQ(Narrow(S(u"ガーディアンMk-Ⅱ ひらがな漢字")), S(u"ｶﾞｰﾃﾞｨｱﾝMk-Ⅱ ひらがな漢字"));
    EXPECT_EQ(Narrow(S(u"ｶﾞﾝﾀﾞﾑ")), S(u"ｶﾞﾝﾀﾞﾑ"));
    EXPECT_EQ(Narrow(QString()), QString());
}

}  // namespace
}  // namespace velmora::num
