#include "catalogue/CatalogueRules.h"

#include "support/QtPrinters.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace velmora::rules {
namespace {

TEST(CatalogueRules, ArmyKnowsOnlyTheTwoExactCodes) {
    EXPECT_EQ(Army(S(u"ZEON")), 1);
    EXPECT_EQ(Army(S(u"EFSF")), 0);
    EXPECT_EQ(Army(S(u"zeon")), 2);
    EXPECT_EQ(Army(S(u"EFSF ")), 2);
    EXPECT_EQ(Army(QString()), 2);
}

TEST(CatalogueRules, SecondCharIsEmptyForShortFields) {
    EXPECT_EQ(SecondChar(S(u"0512")), S(u"5"));
    EXPECT_EQ(SecondChar(S(u"0")), QString());
    EXPECT_EQ(SecondChar(QString()), QString());
}

TEST(CatalogueRules, ImageNameAndBaseComeFromTheFirstPathPart) {
    EXPECT_EQ(ImageName(S(u"ms/rx_78_2.img")), S(u"rx_78_2"));
    EXPECT_EQ(ImageBaseOfName(ImageName(S(u"ms/rx_78_2.img"))), S(u"rx_78"));
    // The part after the first "/" only, cut at a second "/".
    EXPECT_EQ(ImageName(S(u"ms/a_b_c.x/d.img")), S(u"a_b_c"));
    EXPECT_EQ(ImageName(S(u"ms/ab/c.img")), QString());
    // The name before the first ".".
    EXPECT_EQ(ImageName(S(u"ms/a_b_c.d.img")), S(u"a_b_c"));
    EXPECT_EQ(ImageBaseOfName(ImageName(S(u"ms/a_b_c.d.img"))), S(u"a_b"));
    // Empty parts count as parts.
    EXPECT_EQ(ImageBaseOfName(ImageName(S(u"ms/__.img"))), S(u"_"));
    EXPECT_EQ(ImageName(S(u"/.img")), QString());
}

TEST(CatalogueRules, ImageWithoutSlashDotOrThreePartsGivesEmpty) {
    EXPECT_EQ(ImageName(S(u"rx_78_2.img")), QString());
    EXPECT_EQ(ImageBaseOfName(ImageName(S(u"rx_78_2.img"))), QString());
    EXPECT_EQ(ImageName(S(u"ms/rx_78_2")), QString());
    EXPECT_EQ(ImageBaseOfName(ImageName(S(u"ms/rx_78_2"))), QString());
    EXPECT_EQ(ImageName(QString()), QString());
    EXPECT_EQ(ImageName(S(u"ms/zarga.img")), S(u"zarga"));
    EXPECT_EQ(ImageBaseOfName(ImageName(S(u"ms/zarga.img"))), QString());
    EXPECT_EQ(ImageBaseOfName(ImageName(S(u"ms/rx_78.img"))), QString());
    EXPECT_EQ(ImageBaseOfName(ImageName(S(u"ms/a_b_c_d.img"))), QString());
}

TEST(CatalogueRules, WeightDefaultsTo99AndIsOtherwiseKept) {
    EXPECT_EQ(Weight(S(u"nd")), S(u"99"));
    EXPECT_EQ(Weight(QString()), S(u"99"));
    EXPECT_EQ(Weight(S(u"08")), S(u"08"));
    EXPECT_EQ(Weight(S(u"－")), S(u"－"));
}

TEST(CatalogueRules, NumericKeepsNumbersAsWrittenAndDropsTheRest) {
    EXPECT_EQ(Numeric(S(u"08")), S(u"08"));
    EXPECT_EQ(Numeric(S(u" 1.50")), S(u" 1.50"));
    EXPECT_EQ(Numeric(S(u"-3")), S(u"-3"));
    EXPECT_EQ(Numeric(S(u"1e2")), S(u"1e2"));
    EXPECT_EQ(Numeric(S(u"nd")), QString());
    EXPECT_EQ(Numeric(S(u"12a")), QString());
    EXPECT_EQ(Numeric(QString()), QString());
}

TEST(CatalogueRules, MoveColumnSplitsIntoTypeAndDigit) {
    EXPECT_EQ(MoveType(S(u"地上3")), S(u"地上"));
    EXPECT_EQ(Move(S(u"地上3")), S(u"3"));
    EXPECT_EQ(MoveType(S(u"宇宙")), S(u"宇"));
    EXPECT_EQ(Move(S(u"宇宙")), S(u"0"));
    EXPECT_EQ(MoveType(S(u"3")), QString());
    EXPECT_EQ(Move(S(u"3")), S(u"3"));
    EXPECT_EQ(MoveType(S(u"nd")), QString());
    EXPECT_EQ(Move(S(u"nd")), QString());
    EXPECT_EQ(Move(QString()), QString());
}

TEST(CatalogueRules, MoveAreaGroupsTheMoveTypes) {
    for (const char16_t* ground : {u"水陸", u"地上", u"飛行", u"地"})
        EXPECT_EQ(MoveArea(S(ground)), S(u"地上")) << QString::fromUtf16(ground).toStdString();
    EXPECT_EQ(MoveArea(S(u"宇宙")), S(u"宇宙"));
    EXPECT_EQ(MoveArea(S(u"宇")), S(u"宇宙"));
    for (const char16_t* any : {u"汎用", u"万能", u"汎"})
        EXPECT_EQ(MoveArea(S(any)), S(u"万能汎用"));
    EXPECT_EQ(MoveArea(S(u"水")), QString());
    EXPECT_EQ(MoveArea(QString()), QString());
}

TEST(CatalogueRules, CategorySpellsOutKnownCodes) {
    EXPECT_EQ(Category(S(u"限定")), S(u"限定生産"));
    EXPECT_EQ(Category(S(u"専用")), S(u"専用機"));
    EXPECT_EQ(Category(S(u"一機")), S(u"一機制限"));
    EXPECT_EQ(Category(S(u"二機")), S(u"二機制限"));
    EXPECT_EQ(Category(S(u"－")), S(u"量産機"));
    EXPECT_EQ(Category(S(u"一N")), S(u"一機・ＮＴ"));
    // Full-width N and the ASCII hyphen are other codes.
    EXPECT_EQ(Category(S(u"一Ｎ")), S(u"一Ｎ"));
    EXPECT_EQ(Category(S(u"-")), S(u"-"));
    EXPECT_EQ(Category(S(u"nd")), QString());
    EXPECT_EQ(Category(QString()), QString());
}

TEST(CatalogueRules, WeaponNameDropsTimesSigns) {
    EXPECT_EQ(WeaponName(S(u"装甲×2")), S(u"装甲2"));
    EXPECT_EQ(WeaponName(S(u"×A×")), S(u"A"));
    EXPECT_EQ(WeaponName(S(u"nd")), S(u"なし"));
    EXPECT_EQ(WeaponName(S(u"－")), S(u"なし"));
    EXPECT_EQ(WeaponName(QString()), QString());
    // Only U+00D7 is removed; the letter x stays.
    EXPECT_EQ(WeaponName(S(u"x2")), S(u"x2"));
}

TEST(CatalogueRules, DashDefault) {
    EXPECT_EQ(DashDefault(S(u"nd")), S(u"－"));
    EXPECT_EQ(DashDefault(QString()), S(u"－"));
    EXPECT_EQ(DashDefault(S(u"－")), S(u"－"));
    EXPECT_EQ(DashDefault(S(u"ビーム")), S(u"ビーム"));
}

TEST(CatalogueRules, NumberOrZeroReformatsNumbers) {
    EXPECT_EQ(NumberOrZero(S(u"08")), S(u"8"));
    EXPECT_EQ(NumberOrZero(S(u"1.50")), S(u"1.5"));
    EXPECT_EQ(NumberOrZero(S(u" 7 ")), S(u"7"));
    EXPECT_EQ(NumberOrZero(S(u"-05")), S(u"-5"));
    EXPECT_EQ(NumberOrZero(S(u"120")), S(u"120"));
    EXPECT_EQ(NumberOrZero(S(u"0")), S(u"0"));
    EXPECT_EQ(NumberOrZero(S(u"-0")), S(u"0"));
    EXPECT_EQ(NumberOrZero(S(u"nd")), S(u"0"));
    EXPECT_EQ(NumberOrZero(S(u"－")), S(u"0"));
    EXPECT_EQ(NumberOrZero(S(u"10a")), S(u"0"));
    EXPECT_EQ(NumberOrZero(QString()), S(u"0"));
}

TEST(CatalogueRules, ShotsReadTheNumberAfterTimesSigns) {
    EXPECT_EQ(Shots(S(u"×3")), S(u"3"));
    EXPECT_EQ(Shots(S(u"2×")), S(u"2"));
    EXPECT_EQ(Shots(S(u"03")), S(u"3"));
    EXPECT_EQ(Shots(S(u"×")), S(u"0"));
    EXPECT_EQ(Shots(S(u"×nd")), S(u"0"));
    EXPECT_EQ(Shots(S(u"nd")), S(u"0"));
    EXPECT_EQ(Shots(S(u"－")), S(u"0"));
    EXPECT_EQ(Shots(S(u"全弾")), S(u"0"));
}

TEST(CatalogueRules, NumberOrDashes) {
    EXPECT_EQ(NumberOrDashes(S(u"-05")), S(u"-5"));
    EXPECT_EQ(NumberOrDashes(S(u"+10")), S(u"10"));
    EXPECT_EQ(NumberOrDashes(S(u"0")), S(u"0"));
    EXPECT_EQ(NumberOrDashes(S(u"nd")), S(u"--"));
    EXPECT_EQ(NumberOrDashes(S(u"－")), S(u"--"));
    EXPECT_EQ(NumberOrDashes(QString()), S(u"--"));
    EXPECT_EQ(NumberOrDashes(S(u"--")), S(u"--"));
    EXPECT_EQ(NumberOrDashes(S(u"×")), S(u"--"));
}

TEST(CatalogueRules, AntiAirAndDetachMarks) {
    EXPECT_EQ(AntiAir(S(u"×")), S(u"×"));
    EXPECT_EQ(AntiAir(S(u"○")), S(u"○"));
    EXPECT_EQ(AntiAir(QString()), S(u"○"));
    EXPECT_EQ(AntiAir(S(u"x")), S(u"○"));
    EXPECT_EQ(Detach(S(u"○")), S(u"○"));
    EXPECT_EQ(Detach(S(u"×")), S(u"×"));
    EXPECT_EQ(Detach(S(u"nd")), S(u"－"));
    EXPECT_EQ(Detach(QString()), S(u"－"));
    // A white circle of another code point is not the mark.
    EXPECT_EQ(Detach(S(u"◯")), S(u"－"));
}

}  // namespace
}  // namespace velmora::rules
