#include "files/settings_file.h"

#include <gtest/gtest.h>

#include <string>

namespace vx {
namespace {

Settings make(std::array<int, 6> colours, int size, double count, double time, int draw, int shortest = 0) {
    Settings s;
    for (int k = 1; k <= 6; ++k) s.facecolor[k] = colours[k - 1];
    s.cubesize = size;
    s.scramblecount = count;
    s.rotationtime = time;
    s.drawmode = draw;
    s.shortest = shortest;
    return s;
}

const Settings kDefaults{};

}  // namespace

// Failures name the values, not the bytes.
void PrintTo(const Settings& s, std::ostream* out) { *out << formatSettings(s); }

TEST(SettingsFile, DefaultLineByteForByte) {
    EXPECT_EQ(formatSettings(kDefaults), " 10  9  12  13  14  15  3  3  0  0  0 \r\n");
    EXPECT_EQ(formatSettings(make({1, 2, 3, 4, 5, 6}, 12, 0.5, -3, 1, 1)), " 1  2  3  4  5  6  12  .5 -3  1  1 \r\n");
}

struct ReadCase {
    const char* what;
    const char* text;
    Settings want;
};

// The fields as far as the file goes; values it cannot use give way to the
// defaults.
TEST(SettingsFile, ReadsWhatItCanUse) {
    const ReadCase cases[] = {
        {"ten fields", " 1  2  3  4  5  6  7  8  9  1 ", make({1, 2, 3, 4, 5, 6}, 7, 8, 9, 1)},
        {"empty file", "", kDefaults},
        {"scramble count 0", " 10  9  12  13  14  15  3  0  0  0 \r\n", make({10, 9, 12, 13, 14, 15}, 3, 0, 0, 0)},
        {"leading numeric part", "1x 2 3 4 5 6 7.4 8ab 9.5 1", make({1, 2, 3, 4, 5, 6}, 7, 8, 9.5, 1)},
        {"fractional colours round half to even", "0.6 2.5 3 4 5 6 3 3 0 0", make({1, 2, 3, 4, 5, 6}, 3, 3, 0, 0)},
        {"shortest solution ticked", " 1  2  3  4  5  6  7  8  9  1  1 \r\n", make({1, 2, 3, 4, 5, 6}, 7, 8, 9, 1, 1)},
        {"two equal colours", "1 1 3 4 5 6 7 8 9 1", make({10, 9, 12, 13, 14, 15}, 7, 8, 9, 1)},
        {"short file: a read colour equal to a default one", "13 2 3", kDefaults},
        {"size 21", "1 2 3 4 5 6 21 8 9 1", make({1, 2, 3, 4, 5, 6}, 3, 8, 9, 1)},
        {"count 20000", "1 2 3 4 5 6 4 20000 9 1", make({1, 2, 3, 4, 5, 6}, 4, 10000, 9, 1)},
        {"count below int", "1 2 3 4 5 6 4 -2147483649 9 1", make({1, 2, 3, 4, 5, 6}, 4, 0, 9, 1)},
        {"draw-mode 2", "1 2 3 4 5 6 4 8 9 2", make({1, 2, 3, 4, 5, 6}, 4, 8, 9, 0)},
        // Draw-mode is on for a value that reads 1 and nothing else, as the
        // shortest solution: not for values that would round to 1.
        {"draw-mode 1.4", "1 2 3 4 5 6 4 8 9 1.4", make({1, 2, 3, 4, 5, 6}, 4, 8, 9, 0)},
        {"draw-mode 0.6", "1 2 3 4 5 6 4 8 9 0.6", make({1, 2, 3, 4, 5, 6}, 4, 8, 9, 0)},
        {"draw-mode 1.0", "1 2 3 4 5 6 4 8 9 1.0", make({1, 2, 3, 4, 5, 6}, 4, 8, 9, 1)},
        {"draw-mode 1 and more", "1 2 3 4 5 6 4 8 9 1x", make({1, 2, 3, 4, 5, 6}, 4, 8, 9, 1)},
        {"shortest solution 2", "1 2 3 4 5 6 4 8 9 0 2", make({1, 2, 3, 4, 5, 6}, 4, 8, 9, 0)},
        {"shortest solution 1.4", "1 2 3 4 5 6 4 8 9 0 1.4", make({1, 2, 3, 4, 5, 6}, 4, 8, 9, 0)},
    };
    for (const ReadCase& c : cases) EXPECT_EQ(parseSettings(c.text), c.want) << c.what;
}

}  // namespace vx
