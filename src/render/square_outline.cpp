#include "render/square_outline.h"

#include <algorithm>

#include "render/palette.h"

namespace vx {

namespace {

constexpr int kWhite = 15;

SavedPixels savePixels(const Surface& surface, int x1, int y1, int x2, int y2) {
    SavedPixels saved;
    saved.x1 = std::max(x1, 0);
    saved.y1 = std::max(y1, 0);
    saved.x2 = std::min(x2, surface.width() - 1);
    saved.y2 = std::min(y2, surface.height() - 1);
    if (saved.empty()) return saved;
    for (int y = saved.y1; y <= saved.y2; ++y)
        for (int x = saved.x1; x <= saved.x2; ++x)
            saved.pixels.push_back(static_cast<std::uint8_t>(surface.pixel(x, y)));
    return saved;
}

// The border of a box one pixel wide.
void ring(Surface& surface, int x1, int y1, int x2, int y2, int colour) {
    if (x2 < x1 || y2 < y1) return;
    surface.box(x1, y1, x2, y1, colour);
    surface.box(x1, y2, x2, y2, colour);
    surface.box(x1, y1, x1, y2, colour);
    surface.box(x2, y1, x2, y2, colour);
}

}  // namespace

SavedPixels outlineSquare(Surface& surface, const Geometry& g, int row, int col) {
    // The square's inside: the pixels between its grid lines.
    const int left = g.cubeleft + (col - 1) * g.squarewidth + 1;
    const int top = g.cubetop + (row - 1) * g.squareheight + 1;
    const int right = g.cubeleft + col * g.squarewidth - 1;
    const int bottom = g.cubetop + row * g.squareheight - 1;
    SavedPixels saved = savePixels(surface, left, top, right, bottom);
    if (saved.empty()) return saved;
    ring(surface, left, top, right, bottom, kWhite);
    ring(surface, left + 1, top + 1, right - 1, bottom - 1, kWhite);
    ring(surface, left + 2, top + 2, right - 2, bottom - 2, kBlack);
    return saved;
}

void restorePixels(Surface& surface, const SavedPixels& saved) {
    if (saved.empty()) return;
    std::size_t i = 0;
    for (int y = saved.y1; y <= saved.y2; ++y)
        for (int x = saved.x1; x <= saved.x2; ++x, ++i) surface.box(x, y, x, y, saved.pixels[i]);
}

}  // namespace vx
