#pragma once

#include "catalogue/Status.h"

#include <QString>

// The number conventions every figure of the program follows. Unit figures are kept as text;
// arithmetic reads a text's leading number and writes plain decimal text back.
namespace velmora::num {

// The value of the leading number of a text (blanks before it allowed, optional sign, digits,
// decimal point, exponent); 0 when the text does not start with a number.
double Val(const QString& text);

// Nearest whole number, an exact half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double Whole(double x);

// Whole(x) as a 32-bit integer; an OutOfRange failure when x lies beyond the 32-bit range or
// is not a number.
Result<int> CheckedWholeInt(double x);

// CheckedWholeInt(x), 0 when that fails.
int WholeInt(double x);

// a \ 2: halving with the remainder dropped, truncating towards zero (5 -> 2, -5 -> -2).
long long Half(long long a);

// True when the whole text is one number: optional blanks around it, optional sign, digits
// with an optional decimal point, optional exponent. "nd", "--", "" and "1a" are not numeric.
bool IsNumeric(const QString& text);

// Plain decimal text of x rounded to 15 significant digits: no leading blank, no group
// separators, no exponent, trailing zeros dropped, whole values without a decimal point
// (1.1 * 3 gives "3.3", not "3.3000000000000003"; 1.5, not 1.50).
QString NumberText(double x);

// Val followed by NumberText: "08" -> "8", "1.50" -> "1.5".
QString ReFormat(const QString& text);

// Full-width letters, digits, symbols, spaces and katakana replaced by their half-width forms
// (voiced katakana become two characters); every other character unchanged.
QString Narrow(const QString& text);

}  // namespace velmora::num
