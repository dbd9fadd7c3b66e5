#include "shell/hit_test.h"

#include "shell/game_state.h"

namespace vx {

Hit hitTest(GameState& s) {
    const int n = s.cubesize;
    Geometry& g = s.geometry;
    s.hitx = s.clickx;
    s.hity = s.clicky;
    s.move.turnkind = s.clickbutton;

    // The scan walks the painting cursor over the cells, row by row.
    bool hit = false;
    g.drawy = g.cubetop;
    for (int row = 1; row <= n && !hit; ++row) {
        g.drawx = g.cubeleft;
        for (int col = 1; col <= n && !hit; ++col) {
            hit = g.drawx < s.hitx && s.hitx < g.drawx + g.squarewidth && g.drawy < s.hity &&
                  s.hity < g.drawy + g.squareheight;
            if (hit) {
                s.move.clickcol = col;
                s.move.clickrow = row;
            } else {
                g.drawx += g.squarewidth;
            }
        }
        if (!hit) g.drawy += g.squareheight;
    }
    if (!hit) return Hit::None;
    if (s.drawmode == 1) return Hit::Move;
    const ScreenMove& m = s.move;
    if (m.turnkind == 1 && m.clickrow != 1 && m.clickrow != n) return Hit::Rejected;
    if (m.turnkind == 2 && m.clickcol != 1 && m.clickcol != n) return Hit::Rejected;
    return Hit::Move;
}

}  // namespace vx
