#pragma once
#include <array>
#include <string>
#include <string_view>

#include "cube/coloring.h"

namespace vx {

inline constexpr const char* kSettingsFileName = "vexelcz.settings";
inline constexpr double kMaxScrambleCount = 10000;

// A scramble count held to 0..10000 before any arithmetic is done with it.
constexpr double clampScrambleCount(double count) {
    return count < 0 ? 0 : count > kMaxScrambleCount ? kMaxScrambleCount : count;
}

// The options kept from one run to the next.
struct Settings {
    std::array<int, 7> facecolor = kDefaultFaceColors;  // index 0 unused
    int cubesize = 3;                                   // the size ticked in the size menu
    double scramblecount = 3;  // the count as shown in its box; start-up makes scramblesleft = count + 1
    double rotationtime = 0;   // tenths of a second
    int drawmode = 0;
    int shortest = 0;  // the computer reads the colours for a short solution
    friend bool operator==(const Settings&, const Settings&) = default;
};

// The settings line: the eleven values in print form, one after another (the
// blanks of the print forms alone separate them, no padding), then CR LF.
// The defaults give " 10  9  12  13  14  15  3  3  0  0  0 \r\n". Files of
// earlier versions leave the eleventh field empty, and those versions read
// it as a value they do not use, so files stay readable both ways.
std::string formatSettings(const Settings& s);

// Reads the fields in order as far as the text goes; the others keep their
// defaults. Each field is the number it begins with (0 if none), made whole
// where the setting is whole. Any run of blanks, commas and line ends
// separates fields, so padded or hand-edited lines read the same. Then: six
// colours that are not six different colours of 1..6 and 8..15 give way to
// the six default colours (a new cube could not be coloured otherwise); a
// size outside 2..20 gives way to 3; a scramble count is held to 0..10000;
// draw-mode and the shortest solution are 1 only when they read 1, else 0.
Settings parseSettings(std::string_view text);

}  // namespace vx
