#include "solver/notation.h"

namespace vx::solver {
namespace {

struct Named {
    char face = 'R';
    int depth = 1;      // 1 for the outer layer, 2 for the one inside it, ...
    int clockwise = 1;  // +1: a quarter clockwise seen from that face
    bool operator==(const Named& o) const { return face == o.face && depth == o.depth; }
};

// The positive axes point right, up and towards the player; a quarter turn
// with `quarter` +1 is counter-clockwise seen from the positive end.
Named named(const PhysicalMove& m, int n) {
    static constexpr char kHigh[] = {'R', 'U', 'F'};
    static constexpr char kLow[] = {'L', 'D', 'B'};
    const int fromLow = m.layer;
    const int fromHigh = n + 1 - m.layer;
    if (fromLow < fromHigh) return {kLow[m.axis], fromLow, m.quarter};
    return {kHigh[m.axis], fromHigh, -m.quarter};
}

void append(std::string& out, const Named& layer, int quarters) {
    quarters = ((quarters % 4) + 4) % 4;
    if (quarters == 0) return;
    if (!out.empty()) out += ' ';
    if (layer.depth > 1) out += std::to_string(layer.depth);
    out += layer.face;
    if (quarters == 2) out += '2';
    if (quarters == 3) out += '\'';
}

}  // namespace

std::string signNotation(std::span<const PhysicalMove> moves, int n) {
    std::string out;
    Named run;
    int quarters = 0;
    for (const PhysicalMove& m : moves) {
        const Named layer = named(m, n);
        if (quarters != 0 && !(layer == run)) {
            append(out, run, quarters);
            quarters = 0;
        }
        if (quarters == 0) run = layer;
        quarters += layer.clockwise;
        if (quarters % 4 == 0) quarters = 0;
    }
    append(out, run, quarters);
    return out;
}

}  // namespace vx::solver
