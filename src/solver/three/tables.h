#pragma once
// Move tables (what each move does to each number) and pruning tables (how
// many moves each pair of numbers needs at least, in the game's count with
// middle layers and in the count with outer layers only).
#include <algorithm>
#include <cstdint>
#include <vector>

#include "solver/three/coords.h"

namespace vx::solver::three {

// Small numbers (0..15) two to a byte: the first phase's tables are read at
// every node, and half the bytes keep more of them in the processor's cache.
class Nibbles {
public:
    Nibbles() = default;
    explicit Nibbles(const std::vector<std::uint8_t>& values);
    int operator[](std::size_t i) const { return (bytes_[i >> 1] >> ((i & 1) * 4)) & 15; }
    std::size_t size() const { return size_; }
    std::size_t bytes() const { return bytes_.size(); }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t size_ = 0;
};

// Lower bounds on the moves still needed, in one way of counting them.
struct Bounds {
    // Phase one: [twist * kSlices + slice], [flip * kSlices + slice].
    Nibbles twistSliceCost, flipSliceCost;
    // And [twist * kFlips + flip].
    Nibbles twistFlipCost;
    // Phase two: [corner perm * 24 + slice perm], [edge perm * 24 + slice perm].
    std::vector<std::uint8_t> cornerSliceCost, edgeSliceCost;

    // `limit` lets the dearer lookups be skipped once one bound is already
    // above it.
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

struct Tables {
    // Phase one, indexed [number * kCombos + move].
    std::vector<std::uint16_t> twistMove, flipMove, sliceMove;
    // Phase two, indexed [number * kPhaseTwoCombos + phase-two move].
    std::vector<std::uint16_t> cornerMove, edgeMove, slicePermMove;
    // The fewest moves counted with middle layers, and with outer layers
    // only: a middle layer's turn is two outer ones there, so the second
    // bounds are often larger and prune more when only outer layers turn.
    Bounds withSlices, outerOnly;

    const Bounds& bounds(bool slices) const { return slices ? withSlices : outerOnly; }
    std::size_t bytes() const;
};

// Builds a fresh set (the benchmark times it).
Tables buildTables();

// Built on first use, once per process; safe to call from any thread.
const Tables& tables();

}  // namespace vx::solver::three
