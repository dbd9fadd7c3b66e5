// The scrambler's rules, over long runs of scramble turns on every size.
#include "history/scrambler.h"

#include <gtest/gtest.h>

#include <vector>

#include "history/convert.h"
#include "history/record.h"

namespace vx {
namespace {

struct Turn {
    int face = 0;   // the front face the turn was made on
    int layer = 0;  // the column (faces 1 and 5) or the row (face 6) turned
    int edge = 0;   // the row (faces 1 and 5) or the column (face 6) it starts from
};

// One scramble of `count` turns, as the loop makes it: the counters start
// afresh, each turn becomes the view, and the history's top undoes it.
std::vector<Turn> scramble(int n, int count, Random& rnd) {
    ScrambleCounters c;
    resetCounters(c);
    View view{1, 1};
    History h;
    std::vector<Turn> turns;
    for (int i = 0; i < count; ++i) {
        const ScreenMove m = scrambleStep(c, view, h, rnd, n);
        EXPECT_EQ(view.turn, 1);
        EXPECT_TRUE(view.face == 1 || view.face == 5 || view.face == 6) << view.face;
        EXPECT_EQ(m.turnkind, view.face == 6 ? 2 : 1) << "face 6 turns rows, faces 1 and 5 columns";
        EXPECT_NE(turnDirection(m, n), 0) << "every turn starts from an edge";
        EXPECT_EQ(h.histcount, i + 1);
        EXPECT_EQ(h.top(), inverseEntry(toAbsolute(view, m, n), n)) << "the entry that undoes the turn";
        const bool rows = m.turnkind == 2;
        turns.push_back({view.face, rows ? m.clickrow : m.clickcol, rows ? m.clickcol : m.clickrow});
    }
    return turns;
}

TEST(Scrambler, NoFaceThriceNoLayerTwiceAndAPairsEdgesWithinHalf) {
    Random rnd;
    for (int n = 2; n <= 9; ++n)
        for (int round = 0; round < 20; ++round) {
            const std::vector<Turn> t = scramble(n, 60, rnd);
            int pairs = 0;
            for (std::size_t i = 1; i < t.size(); ++i) {
                if (t[i].face != t[i - 1].face) continue;
                ++pairs;
                SCOPED_TRACE("n " + std::to_string(n) + " turn " + std::to_string(i));
                EXPECT_FALSE(i >= 2 && t[i - 2].face == t[i].face) << "a face three times in a row";
                EXPECT_NE(t[i].layer, t[i - 1].layer) << "a repeated face turns the same layer again";
                const int fromLow = (t[i].edge == 1) + (t[i - 1].edge == 1);
                EXPECT_LE(fromLow, n / 2) << "too many of the pair from edge 1";
                EXPECT_LE(2 - fromLow, n / 2) << "too many of the pair from edge n";
            }
            EXPECT_GT(pairs, 0) << "faces repeat, or the rules above were never tried";
        }
}

}  // namespace
}  // namespace vx
