// Scanline flood fill with a stack of seeds.
//
// Pixels are first filled with a marker value that no palette colour has, so
// the fill can tell the pixels it has reached from pixels that merely have the
// fill colour already (those must not stop it) without a visited map the size
// of the image. The spans it marked then take the fill colour.
#include <algorithm>
#include <cstring>

#include "render/palette.h"
#include "render/surface.h"

namespace vx {
namespace {

constexpr std::uint8_t kReached = 0xFF;

}  // namespace

// One seed for every run of open pixels of row y within [left, right].
void Surface::pushRuns(int y, int left, int right, int border) {
    const std::uint8_t* line = row(y);
    int x = left;
    while (x <= right) {
        while (x <= right && (line[x] == border || line[x] == kReached)) ++x;
        if (x > right) break;
        fillSeeds_.push_back({x, y});
        while (x <= right && line[x] != border && line[x] != kReached) ++x;
    }
}

void Surface::floodFill(int x, int y, int fill, int border) {
    if (!isPaletteColour(fill) || !isPaletteColour(border) || !inside(x, y)) return;
    if (pixel(x, y) == border) return;

    fillSeeds_.clear();
    fillSpans_.clear();
    fillSeeds_.push_back({x, y});
    while (!fillSeeds_.empty()) {
        const Seed seed = fillSeeds_.back();
        fillSeeds_.pop_back();
        std::uint8_t* line = row(seed.y);
        if (line[seed.x] == border || line[seed.x] == kReached) continue;
        int left = seed.x, right = seed.x;
        while (left > 0 && line[left - 1] != border && line[left - 1] != kReached) --left;
        while (right < width_ - 1 && line[right + 1] != border && line[right + 1] != kReached) ++right;
        std::memset(line + left, kReached, right - left + 1);
        fillSpans_.push_back({seed.y, left, right});
        if (seed.y > 0) pushRuns(seed.y - 1, left, right, border);
        if (seed.y < height_ - 1) pushRuns(seed.y + 1, left, right, border);
    }
    for (const Span& span : fillSpans_)
        std::memset(row(span.y) + span.left, fill, span.right - span.left + 1);
}

}  // namespace vx
