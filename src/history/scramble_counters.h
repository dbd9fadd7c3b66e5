#pragma once

namespace vx {

// The scramble generator's memory of the turns it made. The history merge
// borrows lowedgecount and highedgecount as scratch (layer counts, then -1 for
// the side it chose), so they keep whatever the last user left in them.
struct ScrambleCounters {
    int repeatcount = 0;
    int lowedgecount = 0;
    int highedgecount = 0;
    int lastface = -1;
    int lastcol = -1;
    int lastrow = -1;
};

// What a change of solving mode and the end of a scramble do; the memory of
// the previous turn stays.
inline void resetCounters(ScrambleCounters& c) {
    c.repeatcount = 0;
    c.lowedgecount = 0;
    c.highedgecount = 0;
}

}  // namespace vx
