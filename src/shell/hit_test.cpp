#include "shell/hit_test.h"

namespace vx {

HitResult hitTest(const Geometry& g, int n, Click click, bool drawmode) {
    HitResult r;
    ScreenMove& m = r.move;
    m.turnkind = click.button;
    // The scan walks a cursor over the cells, row by row, as the painter does.
    bool hit = false;
    double y = g.cubetop;
    for (int row = 1; row <= n && !hit; ++row) {
        double x = g.cubeleft;
        for (int col = 1; col <= n && !hit; ++col) {
            hit = x < click.x && click.x < x + g.squarewidth && y < click.y && click.y < y + g.squareheight;
            if (hit) {
                m.clickcol = col;
                m.clickrow = row;
            } else {
                x += g.squarewidth;
            }
        }
        if (!hit) y += g.squareheight;
    }
    if (!hit) return r;
    r.kind = Hit::Rejected;
    if (!drawmode && m.turnkind == 1 && m.clickrow != 1 && m.clickrow != n) return r;
    if (!drawmode && m.turnkind == 2 && m.clickcol != 1 && m.clickcol != n) return r;
    r.kind = Hit::Move;
    return r;
}

}  // namespace vx
