#include "files/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vx {
namespace {

// Signs, points and what follows the number; leading blanks and tabs are
// skipped, nothing else is; print forms read back.
TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
    const std::pair<const char*, double> cases[] = {
        {"7x", 7},     {"", 0},       {"ab", 0},     {"-5", -5}, {"05", 5},   {".5", .5}, {"1.2.3", 1.2}, {"+3", 3},
        {"-", 0},      {"-.", 0},     {"-.5", -.5},  {"3-4", 3}, {"1e5", 1},  {"- 5", 0}, {"--5", 0},     {"9,5", 9},
        {"   42", 42}, {"\t 42", 42}, {" \t-8", -8}, {"x42", 0}, {"\n42", 0}, {" 3 ", 3}, {"-3 ", -3},    {" .5 ", .5}};
    for (const auto& [text, value] : cases) EXPECT_EQ(leadingNumber(text), value) << '"' << text << '"';
}

// A puzzle file's field is a number only when nothing but the number is there.
TEST(IsNumber, TakesWholeFieldsOnly) {
    const std::pair<const char*, bool> cases[] = {
        {"12", true},     {"-3", true},   {"+3", true},  {".5", true},   {"2.", true},  {"-.5", true},   {"007", true},
        {"", false},      {"-", false},   {".", false},  {"-.", false},  {"3x", false}, {"x3", false},   {"1e5", false},
        {"1.2.3", false}, {"--5", false}, {"3-", false}, {"+-1", false}, {" 3", false}, {"\x01", false},
    };
    for (const auto& [field, number] : cases) EXPECT_EQ(isNumber(field), number) << '"' << field << '"';
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
    const std::pair<double, double> cases[] = {{2.5, 2},  {3.5, 4},    {-2.5, -2},  {-3.5, -4}, {0.5, 0}, {1.5, 2},
                                               {-0.5, 0}, {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {7, 7}};
    for (const auto& [in, out] : cases) EXPECT_EQ(roundHalfEven(in), out) << in;
    EXPECT_EQ(roundHalfEven(0.49999999999999994), 0);
    EXPECT_EQ(roundHalfEven(4503599627370497.0), 4503599627370497.0);
}

// The plain form is the print form without its blanks.
TEST(NumberForms, PrintAndPlainForms) {
    const std::pair<double, std::string> cases[] = {
        {3, " 3 "},   {-3, "-3 "},    {0, " 0 "},        {-0.0, " 0 "},      {0.5, " .5 "},     {-0.5, "-.5 "},
        {10, " 10 "}, {2.5, " 2.5 "}, {0.001, " .001 "}, {12.25, " 12.25 "}, {10000, " 10000 "}};
    for (const auto& [value, print] : cases) {
        EXPECT_EQ(printForm(value), print) << value;
        EXPECT_EQ(plainForm(value), print.substr(print[0] == ' ', print.size() - 1 - (print[0] == ' '))) << value;
    }
    EXPECT_EQ(printForm(1e20), " 100000000000000000000 ");
    EXPECT_EQ(printForm(std::nan("")), " 0 ");
}

}  // namespace
}  // namespace vx
