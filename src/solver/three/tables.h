#pragma once
// Move tables (what each move does to each number) and pruning tables (how
// many moves, in the game's count with middle layers, each pair of numbers
// needs at least; the count with outer layers only is never smaller).
#include <algorithm>
#include <cstdint>
#include <vector>

#include "solver/three/coords.h"

namespace vx::solver::three {

struct Tables {
    // Phase one, indexed [number * kCombos + move].
    std::vector<std::uint16_t> twistMove, flipMove, sliceMove;
    // Phase two, indexed [number * kPhaseTwoCombos + phase-two move].
    std::vector<std::uint16_t> cornerMove, edgeMove, slicePermMove;
    // Phase one: [twist * kSlices + slice], [flip * kSlices + slice].
    std::vector<std::uint8_t> twistSliceCost, flipSliceCost;
    // And [twist * kFlips + flip].
    std::vector<std::uint8_t> twistFlipCost;
    // Phase two: [corner perm * 24 + slice perm], [edge perm * 24 + slice perm].
    std::vector<std::uint8_t> cornerSliceCost, edgeSliceCost;

    // Lower bounds on the moves still needed; `limit` lets the dearer
    // lookups be skipped once one bound is already above it.
    int phaseOneBound(int tw, int fl, int sl, int limit = 0xff) const {
        const int a = twistSliceCost[static_cast<std::size_t>(tw * kSlices + sl)];
        if (a > limit) return a;
        const int b = std::max<int>(a, flipSliceCost[static_cast<std::size_t>(fl * kSlices + sl)]);
        if (b > limit) return b;
        return std::max<int>(b, twistFlipCost[static_cast<std::size_t>(tw * kFlips + fl)]);
    }
    int phaseTwoBound(int cp, int ep, int sp, int limit = 0xff) const {
        const int a = cornerSliceCost[static_cast<std::size_t>(cp * kSlicePerms + sp)];
        if (a > limit) return a;
        return std::max<int>(a, edgeSliceCost[static_cast<std::size_t>(ep * kSlicePerms + sp)]);
    }
    std::size_t bytes() const;
};

// Builds a fresh set (the benchmark times it).
Tables buildTables();

// Built on first use, once per process; safe to call from any thread.
const Tables& tables();

}  // namespace vx::solver::three
