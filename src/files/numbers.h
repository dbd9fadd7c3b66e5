#pragma once
#include <string>
#include <string_view>

#include "files/fields.h"

namespace vx {

// The number a text begins with: leading blanks (spaces and tabs) skipped,
// then an optional sign, digits and at most one decimal point, the rest
// ignored. A text with no such number reads 0 ("ab", "", "-", "."). Never
// throws; a number beyond the range of a double reads as the largest finite
// one of its sign, one too small to represent reads 0.
double leadingNumber(std::string_view text);

// True when the whole field is a number as the files write them: an
// optional sign, then digits with at most one decimal point among them
// ("12", "-3", ".5", "2."), and nothing else ("", "-", ".", "3x", "1e5").
bool isNumber(std::string_view field);

// Round to the nearest whole number, halves to the even one (2.5 -> 2,
// 3.5 -> 4, -2.5 -> -2). Infinities and NaN come back unchanged.
double roundHalfEven(double v);

// roundHalfEven, clamped into the range of int; NaN gives 0.
int toWhole(double v);

// The print form the game's files hold: a blank before a number that is not
// negative, a blank after every number (3 -> " 3 ", -3 -> "-3 ",
// 0.5 -> " .5 "). Always plain decimal, never an exponent, and with the
// fewest digits that read back as the same double, so leadingNumber of the
// print form gives the number back exactly. NaN is written as 0 and the
// infinities as the largest finite numbers, so every file reads back.
std::string printForm(double v);
void appendPrintForm(std::string& out, double v);

// The form for captions and text boxes: no blanks, a fraction without a zero
// before the point (3 -> "3", 0.5 -> ".5", -0.5 -> "-.5", 12.25 -> "12.25").
std::string plainForm(double v);

}  // namespace vx
