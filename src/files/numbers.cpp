#include "files/numbers.h"

#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

namespace vx {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Finite, and never negative zero, so that nothing the writer gets can print
// as something the reader cannot take back.
double writable(double v) {
    if (std::isnan(v) || v == 0) return 0;
    constexpr double kMax = std::numeric_limits<double>::max();
    if (v > kMax) return kMax;
    if (v < -kMax) return -kMax;
    return v;
}

// Shortest plain decimal that reads back as v, with "0." shortened to ".".
void appendPlain(std::string& out, double v) {
    // The longest fixed form of a double has 309 integer digits or 1074
    // fraction digits, plus sign and point.
    std::array<char, 1100> buf;
    const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), writable(v), std::chars_format::fixed);
    std::string_view text(buf.data(), static_cast<std::size_t>(result.ptr - buf.data()));
    if (text.starts_with("-0.")) {
        out += '-';
        text.remove_prefix(2);
    } else if (text.starts_with("0.")) {
        text.remove_prefix(1);
    }
    out += text;
}

}  // namespace

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    bool digits = false, point = false, wholePartNonZero = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            digits = true;
            if (!point && c != '0') wholePartNonZero = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0;

    double value = 0;
    const auto result = std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range)
        value = wholePartNonZero ? std::numeric_limits<double>::max() : 0.0;
    else if (result.ec != std::errc{})
        value = 0;
    if (value == 0) return 0;  // no negative zero
    return negative ? -value : value;
}

bool isNumber(std::string_view field) {
    if (!field.empty() && (field.front() == '+' || field.front() == '-')) field.remove_prefix(1);
    bool digits = false, point = false;
    for (const char c : field) {
        if (isDigit(c))
            digits = true;
        else if (c == '.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

double roundHalfEven(double v) {
    if (!std::isfinite(v)) return v;
    // Work on the magnitude: for it, a - floor(a) is exact.
    const double a = std::fabs(v);
    const double whole = std::floor(a);
    const double rest = a - whole;
    double r = whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0)) r = whole + 1;
    return v < 0 ? -r : r;
}

int toWhole(double v) {
    if (std::isnan(v)) return 0;
    const double r = roundHalfEven(v);
    if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(r);
}

void appendPrintForm(std::string& out, double v) {
    if (!(writable(v) < 0)) out += ' ';
    appendPlain(out, v);
    out += ' ';
}

std::string printForm(double v) {
    std::string out;
    appendPrintForm(out, v);
    return out;
}

std::string plainForm(double v) {
    std::string out;
    appendPlain(out, v);
    return out;
}

}  // namespace vx
