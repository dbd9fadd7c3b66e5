// Cubes of two and three that no turns can make, refused with their reason,
// and sizes the game has not.
#include <gtest/gtest.h>

#include <functional>

#include "random_states.h"

namespace vx {
namespace {

using solver::Refusal;
using test::swapSquares;

const FaceSquare& cornerSquare(int n, int slot, int place) {
    return solver::cornerSlots(n)[static_cast<std::size_t>(slot)].squares[static_cast<std::size_t>(place)];
}
const FaceSquare& edgeSquare(int slot, int place) {
    return solver::edgeSlots()[static_cast<std::size_t>(slot)].squares[static_cast<std::size_t>(place)];
}

struct Case {
    const char* name;
    int n;
    std::function<void(solver::Pieces&)> pieces;  // changed before painting
    std::function<void(Cube&)> squares;           // changed after painting
    Refusal expected;
    const char* reasonHas;
};

TEST(Refusals, EachImpossibleCubeHasItsReason) {
    const auto none = [](auto&) {};
    const Case cases[] = {
        {"a square of a seventh colour", 3, none, [](Cube& c) { c.setSquarecolor(1, 1, 1, 15); },
         Refusal::wrongColourCounts, "six colours"},
        {"a square painted over", 2, none, [](Cube& c) { c.setSquarecolor(2, 1, 3, c.squarecolor(1, 1, 1)); },
         Refusal::wrongColourCounts, "4 squares"},
        {"a square never painted", 3, none, [](Cube& c) { c.setSquarecolor(3, 3, 6, 0); }, Refusal::wrongColourCounts,
         "six colours"},
        {"a twisted 2-cube corner", 2, [](solver::Pieces& p) { p.co[2] = 1; }, none, Refusal::badCorners, "twisted"},
        {"a twisted 3-cube corner", 3, [](solver::Pieces& p) { p.co[7] = 2; }, none, Refusal::badCorners, "twisted"},
        {"a mirrored corner", 2, none, [](Cube& c) { swapSquares(c, cornerSquare(2, 0, 1), cornerSquare(2, 0, 2)); },
         Refusal::badCorners, "wrong way round"},
        {"a corner with top and bottom", 3, none,
         [](Cube& c) { swapSquares(c, cornerSquare(3, 0, 1), cornerSquare(3, 1, 0)); }, Refusal::badCorners,
         "no corner has"},
        {"a 2-cube corner with top and bottom", 2, none,
         [](Cube& c) { swapSquares(c, cornerSquare(2, 0, 1), cornerSquare(2, 2, 0)); }, Refusal::badCorners,
         "no corner has"},
        {"a flipped edge", 3, [](solver::Pieces& p) { p.eo[4] = 1; }, none, Refusal::badEdges, "flipped"},
        {"an edge with front and back", 3, none, [](Cube& c) { swapSquares(c, edgeSquare(0, 0), edgeSquare(2, 1)); },
         Refusal::badEdges, "no edge has"},
        {"two edges swapped", 3, [](solver::Pieces& p) { std::swap(p.ep[0], p.ep[5]); }, none, Refusal::oddParity,
         "swapped"},
        {"two corners swapped", 3, [](solver::Pieces& p) { std::swap(p.cp[3], p.cp[6]); }, none, Refusal::oddParity,
         "swapped"},
        {"two centres alike", 3, none,
         [](Cube& c) {
             swapSquares(c, {2, 2, 1}, edgeSquare(0, 0));
         },
         Refusal::badCentres, "centres"},
    };
    std::mt19937 rng(11);
    for (const Case& k : cases) {
        solver::Pieces p;
        k.pieces(p);
        Cube c = test::paintedCube(k.n, p, test::randomColours(rng));
        k.squares(c);
        test::turnAtRandom(c, k.n, rng);
        const auto s = solver::solve(c, k.n, {0});
        EXPECT_EQ(s.refusal, k.expected) << k.name << ": " << s.reason;
        EXPECT_FALSE(s.solved()) << k.name;
        EXPECT_TRUE(s.moves.empty()) << k.name;
        EXPECT_NE(s.reason.find(k.reasonHas), std::string::npos) << k.name << ": " << s.reason;
    }
}

// Sizes the game has not: no reading of the colours is tried.
TEST(Refusals, SizesOutsideTheGamesAreNotRead) {
    for (int n : {0, 1, 21}) {
        const auto s = solver::solve(Cube{}, n);
        EXPECT_EQ(s.refusal, Refusal::unsupportedSize) << n;
        EXPECT_FALSE(s.reason.empty());
    }
}

}  // namespace
}  // namespace vx
