#include "history/convert.h"

#include "cube/cube.h"

namespace vx {
namespace {

enum GridKind { kColumn = 1, kRow = 2 };

// A quarter turn of the frame swaps columns and rows.
bool swapsKinds(int frontturn) { return frontturn == 2 || frontturn == 4; }

bool onItsEdge(const ScreenMove& m, int n) {
    if (m.clickcol < 1 || m.clickcol > n || m.clickrow < 1 || m.clickrow > n) return false;
    if (m.turnkind == kColumn) return m.clickrow == 1 || m.clickrow == n;
    if (m.turnkind == kRow) return m.clickcol == 1 || m.clickcol == n;
    return false;
}

// The entry made by a column or row turn of the front face's own grid at (a, b).
HistEntry entryOfGridTurn(int face, int kind, Square s, int n) {
    const int m = n + 1;
    const int a = s.a, b = s.b;
    if (kind == kColumn) {
        if (face <= 4) return {1, a, b};
        if (face == 5) return {2, a, b};
        return {2, m - a, m - b};
    }
    switch (face) {
    case 1: return {3, a, b};
    case 2: return {2, b, m - a};
    case 3: return {3, m - a, m - b};
    case 4: return {2, m - b, a};
    default: return {3, a, b};
    }
}

struct GridTurn {
    int kind = 0;
    Square square;
};

// The inverse of entryOfGridTurn for an axis that is not parallel to the face.
GridTurn gridTurnOfEntry(int face, const HistEntry& e, int n) {
    const int m = n + 1;
    const int x = e.col, y = e.row;
    switch (e.axis) {
    case 1: return {kColumn, {x, y}};
    case 2:
        if (face == 2) return {kRow, {m - y, x}};
        if (face == 4) return {kRow, {y, m - x}};
        if (face == 5) return {kColumn, {x, y}};
        return {kColumn, {m - x, m - y}};
    default:
        if (face == 3) return {kRow, {m - x, m - y}};
        return {kRow, {x, y}};
    }
}

}  // namespace

bool parallelToScreen(View view, int axis) {
    switch (axis) {
    case 1: return view.face == 5 || view.face == 6;
    case 2: return view.face == 1 || view.face == 3;
    case 3: return view.face == 2 || view.face == 4;
    default: return false;
    }
}

HistEntry toAbsolute(View view, const ScreenMove& m, int n) {
    if (!validView(view) || !onItsEdge(m, n))
        return {-1, -1, -1};
    const Square grid = cellToSquare(m.clickcol, m.clickrow, view.turn, n);
    const int kind = swapsKinds(view.turn) ? 3 - m.turnkind : m.turnkind;
    return entryOfGridTurn(view.face, kind, grid, n);
}

std::optional<ScreenMove> toScreen(View view, const HistEntry& e, int n) {
    if (!validView(view) || e.axis < 1 || e.axis > 3 || parallelToScreen(view, e.axis))
        return std::nullopt;
    const GridTurn grid = gridTurnOfEntry(view.face, e, n);
    const Square cell = squareToCell(grid.square.a, grid.square.b, view.turn, n);
    const int kind = swapsKinds(view.turn) ? 3 - grid.kind : grid.kind;
    return ScreenMove{kind, cell.a, cell.b};
}

}  // namespace vx
