#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

namespace vx {

// A string of text rasterised at some point size: one byte a pixel, row-major,
// 1 = ink. Text is drawn in one colour without anti-aliasing, so a mask is all
// the surface needs.
struct GlyphMask {
    int width = 0, height = 0;
    std::vector<std::uint8_t> bits;
};

// Turns text into masks. The window implements it with its toolkit's font
// rasteriser; tests and the headless mode may use any stand-in.
class GlyphSource {
public:
    virtual ~GlyphSource() = default;
    virtual GlyphMask render(std::string_view text, double points) = 0;
};

}  // namespace vx
