// Reading numbers that the user typed. Fields are committed as text and read
// the way the radio's editors always have: the decimal number at the start of
// the text, anything after it ignored, no number at all reading as 0. The
// reading does not depend on the user's locale.
#pragma once

#include <string>

namespace kp07 {

// Leading blanks, an optional sign, digits with an optional decimal point.
// "12.5 s" gives 12.5, "-3" gives -3, "abc" and "" give 0.
double ParseDecimal(const std::string& text);

// The number cut toward zero and held to [lo, hi].
long ClampWhole(double value, long lo, long hi);
// The number held to [lo, hi] (a non-number gives lo).
double ClampDecimal(double value, double lo, double hi);

// The number with `decimals` places ("%.*f"), right-aligned to `width`
// characters (left-aligned for a negative width), always with a decimal
// point: a text shown in a field is read back by ParseDecimal, whatever the
// user's locale.
std::string FormatDecimal(double value, int decimals, int width = 0);

}  // namespace kp07
