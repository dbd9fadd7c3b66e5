#include "render/surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "render/byte_scan.h"
#include "render/palette.h"

namespace vx {
namespace {

// Far larger than any client area; keeps a bad size from asking for gigabytes.
constexpr int kMaxSide = 16384;

int sideLength(int v) { return std::clamp(v, 0, kMaxSide); }

int clampToInt(std::int64_t v) {
    return static_cast<int>(
        std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

Surface::Surface(int width, int height)
    : width_(sideLength(width)), height_(sideLength(height)), pixels_(static_cast<std::size_t>(width_) * height_, 0) {}

void Surface::resize(int width, int height) {
    width = sideLength(width);
    height = sideLength(height);
    if (width == width_ && height == height_) return;
    std::vector<std::uint8_t> resized(static_cast<std::size_t>(width) * height, 0);
    const int keepWidth = std::min(width, width_);
    const int keepHeight = std::min(height, height_);
    for (int y = 0; y < keepHeight; ++y)
        std::memcpy(resized.data() + static_cast<std::size_t>(y) * width, row(y), keepWidth);
    pixels_ = std::move(resized);
    width_ = width;
    height_ = height;
    // The fill's work space grew with the largest picture filled: a window
    // made small again gives that memory back.
    fillSegments_ = {};
    fillSpans_ = {};
}

int Surface::pixel(int x, int y) const {
    if (!inside(x, y)) return -1;
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Surface::box(int x1, int y1, int x2, int y2, int colour) {
    currentX = x2;
    currentY = y2;
    if (!isPaletteColour(colour)) return;
    const int left = std::max(std::min(x1, x2), 0);
    const int right = std::min(std::max(x1, x2), width_ - 1);
    const int top = std::max(std::min(y1, y2), 0);
    const int bottom = std::min(std::max(y1, y2), height_ - 1);
    if (left > right || top > bottom) return;
    for (int y = top; y <= bottom; ++y)
        scan::fillBytes(row(y) + left, right - left + 1, static_cast<std::uint8_t>(colour));
}

void Surface::line(int x1, int y1, int x2, int y2, int colour) {
    currentX = x2;
    currentY = y2;
    if (!isPaletteColour(colour)) return;
    const auto ink = static_cast<std::uint8_t>(colour);
    const std::int64_t dx = std::int64_t{x2} - x1;
    const std::int64_t dy = std::int64_t{y2} - y1;
    const std::int64_t adx = std::abs(dx), ady = std::abs(dy);
    // One pixel a step along the longer axis; the end point is not drawn.
    const std::int64_t length = std::max(adx, ady);
    if (length == 0) return;

    if (dy == 0) {
        if (y1 < 0 || y1 >= height_) return;
        const std::int64_t from = std::max<std::int64_t>(dx > 0 ? x1 : x2 + std::int64_t{1}, 0);
        const std::int64_t to = std::min<std::int64_t>(dx > 0 ? x2 - std::int64_t{1} : x1, width_ - 1);
        if (from <= to) std::memset(row(y1) + from, ink, static_cast<std::size_t>(to - from + 1));
        return;
    }
    if (dx == 0) {
        if (x1 < 0 || x1 >= width_) return;
        const std::int64_t from = std::max<std::int64_t>(dy > 0 ? y1 : y2 + std::int64_t{1}, 0);
        const std::int64_t to = std::min<std::int64_t>(dy > 0 ? y2 - std::int64_t{1} : y1, height_ - 1);
        std::uint8_t* column = pixels_.data() + x1;
        for (std::int64_t y = from; y <= to; ++y) column[y * width_] = ink;
        return;
    }
    if (adx == ady) {
        diagonal(x1, y1, dx > 0 ? 1 : -1, dy > 0 ? 1 : -1, length, ink);
        return;
    }

    // Step i (0 <= i < length) moves i pixels along the major axis and
    // round(i * minorLength / length) along the minor one, halves away from
    // the start: an 8-connected line, exactly diagonal at 45 degrees.
    const bool xMajor = adx >= ady;
    const std::int64_t major0 = xMajor ? x1 : y1;
    const std::int64_t minor0 = xMajor ? y1 : x1;
    const std::int64_t majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const std::int64_t minorStep = (xMajor ? dy : dx) > 0 ? 1 : -1;
    const std::int64_t minorLength = xMajor ? ady : adx;
    const std::int64_t majorLimit = xMajor ? width_ : height_;

    // Only the steps whose major coordinate lies on the image are walked, so a
    // line of any length costs at most one image side.
    std::int64_t first = 0, last = length - 1;
    if (majorStep > 0) {
        first = std::max(first, -major0);
        last = std::min(last, majorLimit - 1 - major0);
    } else {
        first = std::max(first, major0 - (majorLimit - 1));
        last = std::min(last, major0);
    }
    if (first > last) return;

    const std::int64_t twiceLength = 2 * length;
    const unsigned __int128 start =
        static_cast<unsigned __int128>(2) * static_cast<unsigned __int128>(first) * minorLength + length;
    std::int64_t offset = static_cast<std::int64_t>(start / twiceLength);
    std::int64_t error = static_cast<std::int64_t>(start % twiceLength);
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t major = major0 + i * majorStep;
        const std::int64_t minor = minor0 + offset * minorStep;
        const std::int64_t x = xMajor ? major : minor;
        const std::int64_t y = xMajor ? minor : major;
        if (x >= 0 && x < width_ && y >= 0 && y < height_) row(static_cast<int>(y))[x] = ink;
        error += 2 * minorLength;
        if (error >= twiceLength) {
            error -= twiceLength;
            ++offset;
        }
    }
}

// Steps i = 0 .. length - 1 of a 45-degree line from (x, y): only the steps on
// the image, found once, so the walk itself needs no checks.
void Surface::diagonal(std::int64_t x, std::int64_t y, int stepX, int stepY, std::int64_t length, std::uint8_t ink) {
    std::int64_t first = 0, last = length - 1;
    const auto keepInside = [&](std::int64_t start, int step, int limit) {
        // start + i * step within [0, limit)
        if (step > 0) {
            first = std::max(first, -start);
            last = std::min(last, limit - 1 - start);
        } else {
            first = std::max(first, start - (limit - 1));
            last = std::min(last, start);
        }
    };
    keepInside(x, stepX, width_);
    keepInside(y, stepY, height_);
    if (first > last) return;
    const std::int64_t start = (y + first * stepY) * width_ + (x + first * stepX);
    const std::int64_t stride = std::int64_t{stepY} * width_ + stepX;
    for (std::int64_t i = 0; i <= last - first; ++i) pixels_[static_cast<std::size_t>(start + i * stride)] = ink;
}

void Surface::print(const GlyphMask& mask, int colour) {
    const int w = std::max(mask.width, 0);
    const int h = std::max(mask.height, 0);
    if (isPaletteColour(colour)) {
        const auto ink = static_cast<std::uint8_t>(colour);
        const std::size_t available = mask.bits.size();
        for (int my = 0; my < h; ++my) {
            const std::int64_t y = std::int64_t{currentY} + my;
            if (y < 0 || y >= height_) continue;
            for (int mx = 0; mx < w; ++mx) {
                const std::size_t index = static_cast<std::size_t>(my) * w + mx;
                if (index >= available) break;
                const std::int64_t x = std::int64_t{currentX} + mx;
                if (mask.bits[index] != 0 && x >= 0 && x < width_) row(static_cast<int>(y))[x] = ink;
            }
        }
    }
    currentY = clampToInt(std::int64_t{currentY} + h);
}

}  // namespace vx
