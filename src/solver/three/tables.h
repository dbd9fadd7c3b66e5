#pragma once
// Move tables (what each turn does to each number) and pruning tables (how
// many moves, in the game's count, each pair of numbers needs at least).
#include <cstdint>
#include <vector>

#include "solver/three/coords.h"

namespace vx::solver::three {

struct Tables {
    // Phase one, indexed [number * kFaceTurns + turn].
    std::vector<std::uint16_t> twistMove, flipMove, sliceMove;
    // Phase two, indexed [number * 10 + phase-two turn].
    std::vector<std::uint16_t> cornerMove, edgeMove, slicePermMove;
    // Phase one: [twist * kSlices + slice], [flip * kSlices + slice].
    std::vector<std::uint8_t> twistSliceCost, flipSliceCost;
    // Phase two: [corner perm * 24 + slice perm], [edge perm * 24 + slice perm].
    std::vector<std::uint8_t> cornerSliceCost, edgeSliceCost;

    int phaseOneBound(int tw, int fl, int sl) const {
        const int a = twistSliceCost[static_cast<std::size_t>(tw * kSlices + sl)];
        const int b = flipSliceCost[static_cast<std::size_t>(fl * kSlices + sl)];
        return a > b ? a : b;
    }
    int phaseTwoBound(int cp, int ep, int sp) const {
        const int a = cornerSliceCost[static_cast<std::size_t>(cp * kSlicePerms + sp)];
        const int b = edgeSliceCost[static_cast<std::size_t>(ep * kSlicePerms + sp)];
        return a > b ? a : b;
    }
    std::size_t bytes() const;
};

// Builds a fresh set (the benchmark times it).
Tables buildTables();

// Built on first use, once per process; safe to call from any thread.
const Tables& tables();

}  // namespace vx::solver::three
