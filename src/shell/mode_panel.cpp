#include "shell/mode_panel.h"

#include <algorithm>

#include "shell/game.h"
#include "shell/side_panel.h"

namespace vx {

void printText(Game& g, std::string_view text) {
    g.surface.print(g.platform.glyphs().render(text, g.s.picture.fontsize), g.s.picture.textcolor);
}

namespace {

bool inArea(const PaintedArea& a, int x, int y) { return x >= a.x1 && x <= a.x2 && y >= a.y1 && y <= a.y2; }

}  // namespace

void boxBesideCube(Game& g, int x1, int y1, int x2, int y2, int colour) {
    const PaintedArea cube = g.s.picture.lastpicture;
    const PaintedArea box{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    const PaintedArea both{std::max(box.x1, cube.x1), std::max(box.y1, cube.y1), std::min(box.x2, cube.x2),
                           std::min(box.y2, cube.y2)};
    if (cube.empty() || both.empty()) {
        g.surface.box(x1, y1, x2, y2, colour);
        return;
    }
    // The box less the cube's area: the bands above and below it, then the
    // parts left and right of it.
    if (box.y1 < both.y1) g.surface.box(box.x1, box.y1, box.x2, both.y1 - 1, colour);
    if (both.y2 < box.y2) g.surface.box(box.x1, both.y2 + 1, box.x2, box.y2, colour);
    if (box.x1 < both.x1) g.surface.box(box.x1, both.y1, both.x1 - 1, both.y2, colour);
    if (both.x2 < box.x2) g.surface.box(both.x2 + 1, both.y1, box.x2, both.y2, colour);
    // Drawing leaves the text position at the box's second corner.
    g.surface.currentX = x2;
    g.surface.currentY = y2;
}

void printBesideCube(Game& g, std::string_view text) {
    GlyphMask mask = g.platform.glyphs().render(text, g.s.picture.fontsize);
    const PaintedArea& cube = g.s.picture.lastpicture;
    const int left = g.surface.currentX, top = g.surface.currentY;
    if (!cube.empty() &&
        mask.bits.size() == static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height))
        for (int y = 0; y < mask.height; ++y)
            for (int x = 0; x < mask.width; ++x)
                if (inArea(cube, left + x, top + y))
                    mask.bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(mask.width) +
                              static_cast<std::size_t>(x)] = 0;
    g.surface.print(mask, g.s.picture.textcolor);
}

void paintModePanel(Game& g, Solver highlighted, bool atStartUp) {
    Surface& surface = g.surface;
    GameState& s = g.s;
    // A zero-length line only moves the text position.
    surface.line(kHintLeft, kHintTop, kHintLeft, kHintTop, s.picture.textcolor);
    s.picture.textcolor = 10;
    printText(g, "(Press \"b\" for one move)");
    s.picture.textcolor = 10;
    surface.line(10, 104, 10, 104, s.picture.textcolor);
    surface.line(10, 40, 10, 40, s.picture.textcolor);
    s.picture.textcolor = 0;

    const int user = highlighted == Solver::User ? 11 : 15;
    const int computer = highlighted == Solver::Computer ? 11 : 15;
    const auto fill = [&](const SideBox& b, int colour) { surface.box(b.x1, b.y1, b.x2, b.y2, colour); };
    if (atStartUp) {
        fill(kComputerSolvesBox, computer);
        fill(kUserSolvesBox, user);
    } else {
        fill(kUserSolvesBox, user);
        fill(kComputerSolvesBox, computer);
    }

    // Two lines in each box, the second 16 rows below the first.
    const struct {
        int x, y;
        const char* text;
    } texts[] = {{kUserSolvesBox.x1 + 1, kUserSolvesBox.y1 + 1, "User Solves"},
                 {kUserSolvesBox.x1 + 1, kUserSolvesBox.y1 + 17, "Cube"},
                 {kComputerSolvesBox.x1 + 1, kComputerSolvesBox.y1 + 1, "Computer"},
                 {kComputerSolvesBox.x1 + 1, kComputerSolvesBox.y1 + 17, "Solves Cube"}};
    for (const auto& t : texts) {
        surface.box(t.x, t.y, t.x, t.y, 15);
        printText(g, t.text);
    }
}

void paintModePanelForSolver(Game& g) { paintModePanel(g, g.s.play.computersolves ? Solver::Computer : Solver::User); }

void eraseModePanel(Game& g) {
    const SideBox& a = kModePanelArea;
    g.surface.box(a.x1, a.y1, a.x2, a.y2, 0);
}

}  // namespace vx
