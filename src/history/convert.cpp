#include "history/convert.h"

#include "cube/space.h"

namespace vx {
namespace {

// The view in which an entry is written down, and the screen move it is
// there (see convert.h).
View canonicalView(int axis) { return {axis == 1 ? 1 : axis == 2 ? 5 : 6, 1}; }
int canonicalKind(int axis) { return axis == 3 ? 2 : 1; }

// The coordinate that says from which edge a layer is turned (the other one
// picks the layer).
int& edgeOf(HistEntry& e) { return e.axis == 3 ? e.col : e.row; }
int& edgeOf(ScreenMove& m) { return m.turnkind == 1 ? m.clickrow : m.clickcol; }

}  // namespace

std::optional<PhysicalMove> turnOfEntry(const HistEntry& e, int n) {
    if (!validEntry(e, n)) return std::nullopt;
    return physicalMove(canonicalView(e.axis), {canonicalKind(e.axis), e.col, e.row}, n);
}

std::optional<HistEntry> entryOfTurn(const PhysicalMove& t, int n) {
    // The axis whose canonical view shows the turn's layers as its own kind
    // of move (columns for axes 1 and 2, rows for axis 3).
    for (int axis = 1; axis <= 3; ++axis) {
        const std::optional<ScreenMove> m = screenMove(canonicalView(axis), t, n);
        if (m && m->turnkind == canonicalKind(axis)) return HistEntry{axis, m->clickcol, m->clickrow};
    }
    return std::nullopt;
}

bool parallelToScreen(View view, int axis) {
    if (!validView(view) || axis < 1 || axis > 3) return false;
    const ScreenFrame canonical = screenFrame(canonicalView(axis));
    const Vec3 along = canonicalKind(axis) == 1 ? canonical.right : canonical.down;
    return signedAxis(along).axis == signedAxis(screenFrame(view).out).axis;
}

HistEntry toAbsolute(View view, const ScreenMove& m, int n) {
    if (const std::optional<PhysicalMove> t = physicalMove(view, m, n))
        if (const std::optional<HistEntry> e = entryOfTurn(*t, n)) return *e;
    return {-1, -1, -1};
}

std::optional<ScreenMove> toScreen(View view, const HistEntry& e, int n) {
    if (!validView(view) || e.axis < 1 || e.axis > 3 || parallelToScreen(view, e.axis)) return std::nullopt;
    // The same layer turned from the entry's first edge shows which screen
    // edge that is; the entry's own edge coordinate is then counted from it,
    // so an entry from no edge (which turns nothing) keeps its place too.
    HistEntry first = e;
    const int edge = edgeOf(first);
    edgeOf(first) = 1;
    const std::optional<PhysicalMove> t = turnOfEntry(first, n);
    if (!t) return std::nullopt;
    std::optional<ScreenMove> m = screenMove(view, *t, n);
    if (m) edgeOf(*m) = edgeOf(*m) == 1 ? edge : n + 1 - edge;
    return m;
}

}  // namespace vx
