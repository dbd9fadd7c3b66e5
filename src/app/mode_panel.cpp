#include "app/mode_panel.h"

#include "app/game.h"

namespace vx {

void printText(Game& g, std::string_view text) {
    g.surface.print(g.platform.glyphs().render(text, g.s.fontsize), g.s.textcolor);
}

void drawModePanel(Game& g, Solver highlighted, bool atStartUp) {
    Surface& surface = g.surface;
    GameState& s = g.s;
    // A zero-length line only moves the text position.
    surface.line(10, 140, 10, 140, s.textcolor);
    s.textcolor = 10;
    printText(g, "(Press \"b\" for one move)");
    s.textcolor = 10;
    surface.line(10, 104, 10, 104, s.textcolor);
    surface.line(10, 40, 10, 40, s.textcolor);
    s.textcolor = 0;

    const int user = highlighted == Solver::User ? 11 : 15;
    const int computer = highlighted == Solver::Computer ? 11 : 15;
    if (atStartUp) {
        surface.box(32, 96, 113, 129, computer);
        surface.box(32, 32, 113, 65, user);
    } else {
        surface.box(32, 32, 113, 65, user);
        surface.box(32, 96, 113, 129, computer);
    }

    const struct {
        int x, y;
        const char* text;
    } texts[] = {{33, 33, "User Solves"}, {33, 49, "Cube"}, {33, 97, "Computer"}, {33, 113, "Solves Cube"}};
    for (const auto& t : texts) {
        surface.box(t.x, t.y, t.x, t.y, 15);
        printText(g, t.text);
    }
}

void drawModePanelForSolver(Game& g) {
    drawModePanel(g, g.s.computersolves == 1 ? Solver::Computer : Solver::User);
}

void eraseModePanel(Game& g) { g.surface.box(0, 0, 200, 200, 0); }

}  // namespace vx
