#include "solver/three/merge_turns.h"

#include <array>

#include "solver/rotation.h"

namespace vx::solver::three {
namespace {

int quarters(int amount) { return amount % 2 == 1 ? 1 : amount; }  // of 0..3

int mod4(int v) { return ((v % 4) + 4) % 4; }

}  // namespace

std::vector<PhysicalMove> mergeTurns(const std::vector<PhysicalMove>& moves, bool slices) {
    std::vector<PhysicalMove> out;
    Rotation turned;  // how the cube now lies against the moves as given
    for (std::size_t i = 0; i < moves.size();) {
        const Rotation seen = turned.inverse();
        std::array<int, 4> amount{};  // per layer 1..3, in quarter turns +1
        int axis = rotated(moves[i], seen, 3).axis;
        for (const int given = moves[i].axis; i < moves.size() && moves[i].axis == given; ++i) {
            const PhysicalMove m = rotated(moves[i], seen, 3);
            amount[static_cast<std::size_t>(m.layer)] += m.quarter;
        }
        // Turning the whole cube by w takes w off every layer.
        int bestW = 0, bestCost = 1000;
        for (int w = 0; w < (slices ? 4 : 1); ++w) {
            int cost = 0;
            for (int layer = 1; layer <= 3; ++layer)
                cost += quarters(mod4(amount[static_cast<std::size_t>(layer)] - w));
            if (cost < bestCost) bestCost = cost, bestW = w;
        }
        for (int layer = 1; layer <= 3; ++layer) {
            const int a = mod4(amount[static_cast<std::size_t>(layer)] - bestW);
            if (a == 3) out.push_back({axis, layer, -1});
            for (int k = 0; k < a && a != 3; ++k) out.push_back({axis, layer, 1});
        }
        for (int w = 0; w < bestW; ++w) turned = Rotation::quarter(axis, 1).then(turned);
    }
    return out;
}

}  // namespace vx::solver::three
