#pragma once
#include <array>
#include <cstdint>

namespace vx {

struct Rgb {
    std::uint8_t r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The game's fixed 16-colour palette. Everything on the drawing surface is a
// palette number; RGB appears only when the surface is shown or written out.
inline constexpr int kPaletteSize = 16;

inline constexpr std::array<Rgb, kPaletteSize> kPalette = {{
    {0, 0, 0},        // 0 black: background and final grid
    {0, 0, 128},      // 1 blue
    {0, 128, 0},      // 2 green
    {0, 128, 128},    // 3 cyan
    {128, 0, 0},      // 4 red
    {128, 0, 128},    // 5 magenta
    {128, 128, 0},    // 6 dark yellow
    {192, 192, 192},  // 7 light grey: the border of the fills
    {128, 128, 128},  // 8 grey
    {0, 0, 255},      // 9 light blue
    {0, 255, 0},      // 10 light green
    {0, 255, 255},    // 11 light cyan
    {255, 0, 0},      // 12 light red
    {255, 0, 255},    // 13 light magenta
    {255, 255, 0},    // 14 yellow
    {255, 255, 255},  // 15 white
}};

inline constexpr int kBlack = 0;
inline constexpr int kLightGrey = 7;

constexpr bool isPaletteColour(int colour) { return colour >= 0 && colour < kPaletteSize; }

}  // namespace vx
