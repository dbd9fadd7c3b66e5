#include "shell/layout.h"

#include <algorithm>

#include "render/painter.h"
#include "shell/game.h"
#include "shell/side_panel.h"

namespace vx {

namespace {

// The picture keeps this far from the edges of the area it lies in.
constexpr int kMargin = 4;

bool within(const PaintedArea& a, const PaintedArea& box) {
    return a.x1 >= box.x1 && a.x2 <= box.x2 && a.y1 >= box.y1 && a.y2 <= box.y2;
}

}  // namespace

ClientSize heldToSmallest(ClientSize size) {
    return {std::max(size.width, kSmallestClient.width), std::max(size.height, kSmallestClient.height)};
}

void fitToClient(Geometry& geometry, int n, int width, int height) {
    geometry.eraseright = 590;
    if (width >= 800 && height >= 560) return;
    const SideBox text = rightSolvedArea(width);
    geometry.eraseright = std::min(geometry.eraseright, text.x1 - 1);
    const PaintedArea free{kSidePanelRight + 1, kMargin, text.x1 - kMargin, height - 1 - kMargin};
    if (within(pictureArea(geometry), free)) return;
    fitInto(geometry, n, free.x1, free.y1, free.x2, free.y2);
}

void layOutNewCube(Game& g) {
    const int n = g.s.play.cubesize;
    setUpGeometry(g.s.picture.geometry, n, g.surface.width(), g.surface.height());
    fitToClient(g.s.picture.geometry, n, g.surface.width(), g.surface.height());
}

void layOutAgain(Game& g) {
    const int n = g.s.play.cubesize;
    placeAgain(g.s.picture.geometry, n, g.surface.width(), g.surface.height());
    fitToClient(g.s.picture.geometry, n, g.surface.width(), g.surface.height());
}

}  // namespace vx
