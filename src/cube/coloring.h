#pragma once
#include <array>

#include "cube/cube.h"
#include "cube/random.h"

namespace vx {

// The face colours of a new cube until the player chooses others (index 0
// unused): the settings' defaults and the colour panel's "Restore default
// colors".
inline constexpr std::array<int, 7> kDefaultFaceColors = {0, 10, 9, 12, 13, 14, 15};

// True when facecolor(1..6) are six different colours a square may have
// (1..6 and 8..15): only then can a new cube be coloured.
bool usableFaceColors(const std::array<int, 7>& facecolor);

// Colours a new n-cube: every face one colour, the six colours of
// `requested` (`facecolor`) in a random order; `usedcolor`(1..6) lists them
// as they are given out. Unusable face colours give way to the default six.
void colourNewCube(Cube& cube, int n, const std::array<int, 7>& requested, std::array<int, 7>& usedcolor, Random& rnd);

}  // namespace vx
