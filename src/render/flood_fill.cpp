// Scanline flood fill with a stack of row segments.
//
// Pixels are first filled with a marker value that no palette colour has, so
// the fill can tell the pixels it has reached from pixels that merely have the
// fill colour already (those must not stop it) without a visited map the size
// of the image. At the end the marked runs take the fill colour.
//
// Each segment remembers the direction it came from: below a filled run only
// the next row onwards needs looking at, and the row it came from only where
// the run reaches past its parent's ends. So most pixels are read about once.
#include <algorithm>
#include <cstring>

#include "render/byte_scan.h"
#include "render/palette.h"
#include "render/surface.h"

namespace vx {
namespace {

constexpr std::uint8_t kReached = 0xFF;
static_assert(kReached >= kPaletteSize);

}  // namespace

void Surface::floodFill(int x, int y, int fill, int border) {
    if (!isPaletteColour(fill) || !isPaletteColour(border) || !inside(x, y)) return;
    if (pixel(x, y) == border) return;

    const scan::ClosedBytes closed{static_cast<std::uint8_t>(border), kReached};
    // The segment of row from + dy below [left, right] from its first open
    // pixel on; false when there is none (most often the case at the edge of
    // a region), which saves a trip through the stack.
    const auto look = [&](int from, int left, int right, int dy, Segment& segment) {
        const int next = from + dy;
        if (next < 0 || next >= height_) return false;
        const int first = closed.nextOpen(row(next), left, right);
        if (first > right) return false;
        segment = {from, first, right, dy};
        return true;
    };

    // The seed's row comes first, as if reached from the row above; the
    // pixel above the seed is then looked at from below.
    fillSegments_.clear();
    fillSpans_.clear();
    Segment current{y - 1, x, x, 1}, found{};
    bool haveCurrent = true;
    if (y > 0) fillSegments_.push_back({y, x, x, -1});

    // The first run of each row carries straight on to the next row in the
    // same direction; everything else waits on the stack.
    while (haveCurrent || !fillSegments_.empty()) {
        if (!haveCurrent) {
            current = fillSegments_.back();
            fillSegments_.pop_back();
        }
        haveCurrent = false;
        const Segment segment = current;
        const int rowY = segment.from + segment.dy;
        std::uint8_t* line = row(rowY);
        int px = closed.nextOpen(line, segment.left, segment.right);
        while (px <= segment.right) {
            const int left = closed.runEndLeft(line, px, 0);
            const int right = closed.runEndRight(line, px, width_ - 1);
            scan::fillBytes(line + left, right - left + 1, kReached);
            fillSpans_.push_back({rowY, left, right});

            if (look(rowY, left, right, segment.dy, found)) {
                if (haveCurrent)
                    fillSegments_.push_back(found);
                else
                    current = found, haveCurrent = true;
            }
            // Where the run reaches past the row it came from, look back too.
            if (left < segment.left && look(rowY, left, segment.left - 1, -segment.dy, found))
                fillSegments_.push_back(found);
            if (right > segment.right && look(rowY, segment.right + 1, right, -segment.dy, found))
                fillSegments_.push_back(found);
            px = closed.nextOpen(line, right + 2, segment.right);  // right + 1 is closed
        }
    }
    for (const Span& span : fillSpans_)
        scan::fillBytes(row(span.y) + span.left, span.right - span.left + 1, static_cast<std::uint8_t>(fill));
    fillSpans_.clear();
}

}  // namespace vx
